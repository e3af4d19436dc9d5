#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

struct StartBlockSetGroup;

// The checks a new set or device must pass before the set manager takes it, typed or imported.
namespace StartBlockSetRules
{

inline constexpr char kCoordinatorLane[] = "CU";

// Six colon-separated two-digit hexadecimal groups; anything shorter counts as not filled in.
bool isCompleteSerialNumber(const QString &serial);
// Serial numbers compare without regard to case: a device keeps the same address either way.
bool hasSerialNumber(const StartBlockSetGroup &group, const QString &serial);
bool hasLane(const StartBlockSetGroup &group, quint8 lane);
// A lane as typed or read: an unsigned decimal number, its low 8 bits; no number reads as 0.
quint8 laneFromText(const QString &text);
// A set name is taken when another entry has exactly this text; an empty name is never acceptable.
bool isAcceptableSetName(const QStringList &names, const QString &name, int ownRow = -1);

} // namespace StartBlockSetRules
