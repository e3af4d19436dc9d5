#include "dialogs/set.h"

Set::Set(QObject *parent) : QObject(parent) {}
