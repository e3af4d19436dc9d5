#pragma once

#include <QChar>
#include <QObject>
#include <QString>

// The kind of an event or round; held by value inside Event and Round.
class EventType : public QObject
{
    Q_OBJECT

public:
    explicit EventType(QObject *parent = nullptr);
    // copies every field; the QObject parent stays as it was
    EventType &operator=(const EventType &other);

    quint32 id = 0;
    QString code;
    QString shortcode;
    quint32 distance = 0; // 0 when the event has none
    QChar fieldtype;      // 'H' or 'V' for field events
    QChar venue;
    QChar windmode;
    QString windtime;
    quint32 precision = 0;
    quint32 athletesquantity = 0;       // athletes per participation; the events filter takes 0 as 1
    quint32 combinedeventsquantity = 0; // 2 or more: a combined event whose rounds keep their own type
    double implement = 0.0;
};
