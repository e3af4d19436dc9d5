#pragma once

#include <QChar>
#include <QDate>
#include <QObject>
#include <QString>

// The plain records a competitor holds by value. Assignment copies every field and leaves the QObject
// parent as it was.

class Club : public QObject
{
    Q_OBJECT

public:
    explicit Club(QObject *parent = nullptr);
    Club &operator=(const Club &other);

    quint32 id = 0;
    QString name;
    QString abbreviation;
};

class Team : public QObject
{
    Q_OBJECT

public:
    explicit Team(QObject *parent = nullptr);
    Team &operator=(const Team &other);

    quint32 id = 0;
    QString group;
    QString name;
    QString abbreviation;
};

class Athlete : public QObject
{
    Q_OBJECT

public:
    explicit Athlete(QObject *parent = nullptr);
    Athlete &operator=(const Athlete &other);

    QString firstname;
    QString lastname;
    QString middlename;
    QChar gender;
    QDate birthdate;
    QString nationality;
};
