// The program under bench_soak: the program as its users start it, with OK pressed in the project settings
// for them. It counts the paints of the main window's live page and, told so on its standard input, plays
// the starter for a number of races (Ready as soon as the program takes it; the simulator starts each race
// by itself). One command a line on standard input, one answer a line on standard output:
//   stats        -> "stats <whole page> <page> <live> <combos> <requests> <log entries> <log bytes> <races>"
//   paints       -> "paints <count> <class>#<object name> ..." since the last "paints", most painted first
//   races <n>    -> "race <k> saved" after each race, then "races done"
// "lanes live" comes once the lanes of the chosen set show their devices.
#include <algorithm>
#include <cstdio>
#include <memory>

#include <QComboBox>
#include <QEvent>
#include <QHash>
#include <QPaintEvent>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>

#include <unistd.h>

#include "core/quellorapp.h"
#include "devices/ccoordinator.h"
#include "devices/cserialcomthread.h"
#include "devices/cstartblock.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/programstartup.h"
#include "sim/startupautomation.h"

namespace
{

constexpr int kRacePollMs = 50;
constexpr int kSavesPerRace = 2;
constexpr int kMostPainted = 12;

void say(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Paint events of the live page: of all of the page at once, of anything on it, and of its combo boxes.
class PaintCounter : public QObject
{
public:
    void watch(QWidget *page) { m_page = page; }
    qint64 pagePaints = 0;
    qint64 pageAreaPaints = 0;
    qint64 livePaints = 0;
    qint64 comboPaints = 0;
    QHash<QString, qint64> byWidget; // since the last "paints"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || !m_page || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (widget != m_page && !m_page->isAncestorOf(widget))
            return false;
        ++livePaints;
        // the page also paints the area behind a child that is not opaque; all of it is a whole repaint
        if (widget == m_page) {
            ++pageAreaPaints;
            if (static_cast<QPaintEvent *>(event)->rect().contains(m_page->rect()))
                ++pagePaints;
        }
        if (qobject_cast<QComboBox *>(widget))
            ++comboPaints;
        ++byWidget[QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char('#') +
                   widget->objectName()];
        return false;
    }

private:
    QWidget *m_page = nullptr;
};

// Presses Ready whenever the program takes it, until the races asked for are saved.
class Starter : public QObject
{
public:
    explicit Starter(MainWindow *window) : m_window(window)
    {
        connect(window->serialComThread(), &CSerialComThread::save_results_file, this, [this] {
            if (m_pressed)
                ++m_saves;
        });
        connect(&m_poll, &QTimer::timeout, this, [this] { poll(); });
    }

    void run(int races)
    {
        m_left = races;
        m_done = 0;
        if (m_left > 0)
            m_poll.start(kRacePollMs);
        else
            say("races done");
    }
    int done() const { return m_done; }

private:
    void poll()
    {
        auto *ready = m_window->findChild<QPushButton *>(QStringLiteral("btnReady"));
        if (!m_pressed) {
            if (!ready || !ready->isEnabled() || !m_window->busyNotice().isEmpty())
                return;
            m_saves = 0;
            m_pressed = true;
            ready->click();
            return;
        }
        if (m_saves < kSavesPerRace)
            return;
        m_pressed = false;
        say(QByteArray("race ") + QByteArray::number(++m_done) + " saved");
        if (--m_left == 0) {
            m_poll.stop();
            say("races done");
        }
    }

    MainWindow *m_window;
    QTimer m_poll;
    bool m_pressed = false;
    int m_saves = 0;
    int m_left = 0;
    int m_done = 0;
};

QByteArray requestLogStats(const MainWindow &window)
{
    qint64 entries = 0;
    qint64 bytes = 0;
    auto add = [&](const QList<PACKET_LOG> &log) {
        entries += log.size();
        bytes += log.capacity() * qint64(sizeof(PACKET_LOG));
    };
    if (const CCoordinator *unit = window.coordinator())
        add(unit->requestLog());
    for (const CStartBlock *block : window.startBlocks())
        add(block->requestLog());
    return QByteArray::number(entries) + ' ' + QByteArray::number(bytes);
}

QByteArray mostPainted(QHash<QString, qint64> &byWidget)
{
    QList<QPair<qint64, QString>> list;
    for (auto it = byWidget.cbegin(); it != byWidget.cend(); ++it)
        list.append({it.value(), it.key()});
    byWidget.clear();
    std::sort(list.begin(), list.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    QByteArray line("paints");
    for (qsizetype i = 0; i < std::min<qsizetype>(list.size(), kMostPainted); ++i)
        line += ' ' + QByteArray::number(list.at(i).first) + ' ' + list.at(i).second.toUtf8();
    return line;
}

// Reads the commands of standard input once the lanes are live.
class CommandReader : public QObject
{
public:
    CommandReader(MainWindow *window, PaintCounter *counter)
        : m_window(window), m_counter(counter), m_starter(window),
          m_notifier(STDIN_FILENO, QSocketNotifier::Read)
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, [this] { readInput(); });
        connect(window->serialComThread(), &CSerialComThread::data_request_sent, this,
                [this] { ++m_requests; });
    }

private:
    void readInput()
    {
        char chunk[256];
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got <= 0) {
            // the bench has gone: so does the program, without asking about the devices
            m_notifier.setEnabled(false);
            std::_Exit(0);
        }
        m_input.append(chunk, got);
        qsizetype end;
        while ((end = m_input.indexOf('\n')) >= 0) {
            const QByteArray line = m_input.left(end).trimmed();
            m_input.remove(0, end + 1);
            handle(line);
        }
    }

    void handle(const QByteArray &line)
    {
        if (line == "stats") {
            say("stats " + QByteArray::number(m_counter->pagePaints) + ' ' +
                QByteArray::number(m_counter->pageAreaPaints) + ' ' +
                QByteArray::number(m_counter->livePaints) + ' ' + QByteArray::number(m_counter->comboPaints) +
                ' ' + QByteArray::number(m_requests) + ' ' + requestLogStats(*m_window) + ' ' +
                QByteArray::number(m_starter.done()));
        } else if (line == "paints") {
            say(mostPainted(m_counter->byWidget));
        } else if (line.startsWith("races ")) {
            m_starter.run(line.mid(6).toInt());
        }
    }

    MainWindow *m_window;
    PaintCounter *m_counter;
    Starter m_starter;
    QSocketNotifier m_notifier;
    QByteArray m_input;
    qint64 m_requests = 0;
};

} // namespace

int main(int argc, char **argv)
{
    const std::unique_ptr<QuellorApp> app(QuellorApp::Create(argc, argv));
    PaintCounter counter;
    app->installEventFilter(&counter);
    std::unique_ptr<CommandReader> reader;
    StartupAutomation automation(StartupAutomation::Answer::Ok);
    QObject::connect(&automation, &StartupAutomation::lanes_live, &automation, [&](MainWindow *window) {
        counter.watch(window->findChild<QWidget *>(QStringLiteral("tabLive")));
        reader = std::make_unique<CommandReader>(window, &counter);
        say("lanes live");
    });
    const int result = ProgramStartup::run(argc, argv);
    reader.reset();
    delete MainWindow::instance();
    return result;
}
