// Opens arbitrary measurement files as tabs: whatever the reader accepts (any lane, participation or
// graph) must build its rows, sort both ways and take a mode and a highlight, with every block shown
// once.
#include <cstddef>
#include <cstdint>

#include <QApplication>
#include <QByteArray>

#include "devices/cstartblock.h"
#include "devices/measurementfile.h"
#include "quietdebug.h"
#include "views/opentabwidget.h"
#include "views/startblockmeasurementwidget.h"

namespace
{

// Never destroyed: a widget application torn down among the exit handlers finds the GUI gone.
QApplication &widgetApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QApplication *const app = new QApplication(argc, argv);
    return *app;
}

void checkRows(const OpenTabWidget &tab, bool byLane)
{
    const QList<StartBlockMeasurementWidget *> rows = tab.laneRows();
    int shown = 0;
    int lastLane = 0;
    for (const StartBlockMeasurementWidget *row : tab.displayedRows()) {
        if (!row->startBlock())
            continue;
        if (rows.value(shown++) != row || (byLane && row->startBlock()->lane() < lastLane))
            __builtin_trap();
        lastLane = row->startBlock()->lane();
    }
    if (shown != tab.startBlocks().size() || rows.size() != shown)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    widgetApplication();
    silenceDebugOutput();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    MeasurementFile file;
    if (!file.read(QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1))))
        return 0;
    OpenTabWidget tab(nullptr, nullptr, QStringLiteral("race.vq1"), file, PossibleModes(data[0] % 3));
    checkRows(tab, false); // in file order
    tab.OnSortByReactionTimeClicked(true);
    checkRows(tab, false);
    tab.OnSortByLaneClicked(true);
    checkRows(tab, true);
    tab.setSelectedLane(data[0]);
    tab.ApplyColourTheme();
    tab.OnToggleApplicationModeWidgets(PossibleModes(data[0] % 3));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
