#pragma once

#include <memory>
#include <vector>

#include <QString>

#include "dialogs/set.h"

class QIODevice;
class QWidget;

using SetList = std::vector<std::unique_ptr<Set>>;

// No real set comes near these; a file that does is cut there rather than filling memory.
inline constexpr int kMaxImportedSets = 1000;
inline constexpr int kMaxBlocksPerSet = 256;

// Reads the start-block sets of an XML file: elements "set" (attribute "name"), "centralunit"
// ("serialnumber") and "startmodule" ("serialnumber", "lane"), at any depth; a device belongs to the set
// open when it starts. Only sets whose end was reached are returned, in file order; reading stops at the
// first XML error, keeping the sets completed before it.
SetList readSetsFromXml(QIODevice &device);

// Opens the file and reads it; a file that cannot be opened gets the "Opening file" box (parent `parent`)
// and gives no sets.
SetList ImportSetsFromXml(QWidget *parent, const QString &fileName);
