#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>

// One meet-management server found on the network; only ZXServerModel creates them.
class ZXServer : public QObject
{
    Q_OBJECT

public:
    explicit ZXServer(QObject *parent = nullptr);

    QHostAddress address; // the sender of its discovery answer
    QString name;
};
