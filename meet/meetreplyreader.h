#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include "meet/event.h"
#include "meet/participation.h"

// Reads the XML bodies of the meet-management server's replies and emits one signal per object, in
// document order, each at the end tag of its element. Malformed XML ends the reading: the objects still
// open are finished innermost first and emitted with what was read, and nothing after the fault is read.
class MeetReplyReader : public QObject
{
    Q_OBJECT

public:
    explicit MeetReplyReader(QObject *parent = nullptr);

    // Reads the body as the reply that its URL path names: ".../competitions", ".../events/<id>" or
    // ".../participations/<id>"; any other path is not read.
    void readReply(const QString &path, const QByteArray &body);

    void readCompetitions(const QByteArray &body);
    void readEvents(const QByteArray &body);
    void readParticipations(const QByteArray &body);

signals:
    void new_competition(uint id, const QString &name, const QString &info);
    void new_event(const Event &event);
    void new_participation(const Participation &participation);
};
