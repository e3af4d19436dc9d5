#include "mainwindow/keyfilter.h"

KeyFilter::KeyFilter(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<KeyPressed>();
}
