#include "meet/eventtype.h"

EventType::EventType(QObject *parent) : QObject(parent) {}

EventType &EventType::operator=(const EventType &other)
{
    id = other.id;
    code = other.code;
    shortcode = other.shortcode;
    distance = other.distance;
    fieldtype = other.fieldtype;
    venue = other.venue;
    windmode = other.windmode;
    windtime = other.windtime;
    precision = other.precision;
    athletesquantity = other.athletesquantity;
    combinedeventsquantity = other.combinedeventsquantity;
    implement = other.implement;
    return *this;
}
