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
    // the lines that start with one of the prefixes, in order
    QStringList starting(const QStringList &prefixes) const
    {
        QStringList found;
        for (const QString &line : s_lines) {
            for (const QString &prefix : prefixes) {
                if (line.startsWith(prefix)) {
                    found << line;
                    break;
                }
            }
        }
        return found;
    }

private:
    static void collect(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (type == QtDebugMsg)
            s_lines << message;
    }

    static inline QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};
