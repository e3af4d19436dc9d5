#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects the debug lines written while it lives (the protocol's fixed English messages).
class DebugLines
{
public:
    DebugLines()
    {
        s_lines.clear();
        m_previous = qInstallMessageHandler(&DebugLines::collect);
    }
    ~DebugLines() { qInstallMessageHandler(m_previous); }
    DebugLines(const DebugLines &) = delete;
    DebugLines &operator=(const DebugLines &) = delete;

    QStringList lines() const { return s_lines; }

private:
    static void collect(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (type == QtDebugMsg)
            s_lines << message;
    }

    static inline QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};
