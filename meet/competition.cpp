#include "meet/competition.h"

Competition::Competition(QObject *parent) : QObject(parent) {}
