#include "meet/zxserver.h"

ZXServer::ZXServer(QObject *parent) : QObject(parent) {}
