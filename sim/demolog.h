#pragma once

#include <QFile>
#include <QtGlobal>

class QString;

// While it lives, the debug output of the demo program (the program's own and that of the device
// simulator inside it) goes to a file instead of the console, each line with its time, so that the
// console keeps only what the demo says about itself. One at a time.
class DemoLog
{
public:
    DemoLog() = default;
    ~DemoLog();
    DemoLog(const DemoLog &) = delete;
    DemoLog &operator=(const DemoLog &) = delete;

    // Appends every message from now on to the file; false when it cannot be opened.
    bool open(const QString &path);

private:
    static void write(QtMsgType type, const QMessageLogContext &context, const QString &message);

    QFile m_file;
    QtMessageHandler m_previous = nullptr;
};
