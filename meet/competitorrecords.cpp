#include "meet/competitorrecords.h"

Club::Club(QObject *parent) : QObject(parent) {}

Club &Club::operator=(const Club &other)
{
    id = other.id;
    name = other.name;
    abbreviation = other.abbreviation;
    return *this;
}

Team::Team(QObject *parent) : QObject(parent) {}

Team &Team::operator=(const Team &other)
{
    id = other.id;
    group = other.group;
    name = other.name;
    abbreviation = other.abbreviation;
    return *this;
}

Athlete::Athlete(QObject *parent) : QObject(parent) {}

Athlete &Athlete::operator=(const Athlete &other)
{
    firstname = other.firstname;
    lastname = other.lastname;
    middlename = other.middlename;
    gender = other.gender;
    birthdate = other.birthdate;
    nationality = other.nationality;
    return *this;
}
