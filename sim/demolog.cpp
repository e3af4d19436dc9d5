#include "sim/demolog.h"

#include <cstdio>

#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QTime>

namespace
{

// the serial and gateway threads write as well
QMutex s_lock;
QFile *s_file = nullptr;

} // namespace

DemoLog::~DemoLog()
{
    if (!m_file.isOpen())
        return;
    qInstallMessageHandler(m_previous);
    QMutexLocker locker(&s_lock);
    s_file = nullptr;
}

bool DemoLog::open(const QString &path)
{
    if (m_file.isOpen())
        return false;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    {
        QMutexLocker locker(&s_lock);
        s_file = &m_file;
    }
    m_previous = qInstallMessageHandler(&DemoLog::write);
    return true;
}

void DemoLog::write(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QString time = QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz"));
    const QByteArray line =
        (time + QLatin1Char(' ') + qFormatLogMessage(type, context, message) + QLatin1Char('\n')).toUtf8();
    {
        QMutexLocker locker(&s_lock);
        if (s_file)
            s_file->write(line); // one write per line: the simulators append to the same file
    }
    if (type == QtFatalMsg) {
        std::fputs(line.constData(), stderr);
        std::fflush(stderr);
    }
}
