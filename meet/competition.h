#pragma once

#include <QObject>
#include <QString>

// One competition of a meet-management server.
class Competition : public QObject
{
    Q_OBJECT

public:
    explicit Competition(QObject *parent = nullptr);

    quint32 id = 0;
    QString name;
    QString info;
};
