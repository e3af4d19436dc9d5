#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

class CCoordinator;
class CStartBlock;

// One start-block set as read from an XML file. Its devices are its Qt children and go with it.
class Set : public QObject
{
    Q_OBJECT

public:
    explicit Set(QObject *parent = nullptr);

    QString name;
    CCoordinator *coordinator = nullptr;
    QList<CStartBlock *> blocks; // in file order

    // Devices whose serial number attribute was missing or not six hexadecimal pairs, and blocks without a
    // lane attribute: the import refuses them as it refuses such typed input.
    QSet<const QObject *> withoutSerialNumber;
    QSet<const CStartBlock *> withoutLane;
};
