// The common start-block settings with the busy indicator, and the start-sound sample dialog with the
// main window's upload and power-down handlers: what goes to which device in which order, the refusals
// with their boxes, and settings and the start sound reaching the simulator's blocks.
#include <QCheckBox>
#include <QDir>
#include <QGraphicsPixmapItem>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>

#include "dialogs/busynotice.h"
#include "dialogs/commonsettingsdistribution.h"
#include "dialogs/loadsampleactions.h"
#include "dialogs/loadsampledlg.h"
#include "dialogs/startblockscommonsettingsdlg.h"
#include "dialogtestkit.h"
#include "modalanswerer.h"
#include "tests/devices/simlink.h"

Q_DECLARE_METATYPE(QList<int>)

namespace
{

constexpr int kWaitMs = 30000;

void tickRows(QDialog *dialog, const QList<int> &rows)
{
    const auto *grid = child<QGridLayout>(dialog, "gridLayout_3");
    for (int row : rows)
        qobject_cast<QCheckBox *>(grid->itemAtPosition(row, 0)->widget())->setChecked(true);
}

// A text of the handlers as the operator reads it in the language loaded.
QString shown(const char *source, const char *context = "LoadSampleActions")
{
    return QCoreApplication::translate(context, source);
}

QByteArray bangSample()
{
    QFile file(QStringLiteral(":/samples/bang.raw"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TstSettingsDialogs : public QObject
{
    Q_OBJECT

private slots:
    void laneSummaryListsRacingBlocksInRed();
    void commonSettingsGoToEveryBlockBehindTheBusyNotice();
    void busyIndicatorTurnsFromItsSecondFrame();
    void samplesAreRefusedOrTimed_data();
    void samplesAreRefusedOrTimed();
    void unreadableSampleNamesFileAndReason_data();
    void unreadableSampleNamesFileAndReason();
    void bangReachesTwoWiredBlocksWhole();
    void shutdownGoesToTheTickedDevices_data();
    void shutdownGoesToTheTickedDevices();
};

void TstSettingsDialogs::laneSummaryListsRacingBlocksInRed()
{
    CStartBlock racing, notRacing;
    racing.setLane(1);
    notRacing.setLane(2);
    notRacing.setParticipationStatus(ParticipationDns);
    // -16 dBm, channel 16 (none), IAAF 120 ms; the rest as expected
    const QByteArray items = "0f01f0 04020200 18020190 100110 070101 110103 120101 150101 130110 03020078";
    report(racing, items);
    report(notRacing, items);
    StartBlocksCommonSettingsDlg dialog(nullptr, expectedBlock(), 2);
    dialog.SetTxPowerMode(1);
    dialog.ClearLaneSummary();
    dialog.AddLaneSummary(&racing);
    dialog.AddLaneSummary(&notRacing);
    const QTextBrowser *summary = child<QTextBrowser>(&dialog, "txtStartBlocksSensitivity");
    QCOMPARE(summary->toPlainText(), QStringLiteral("Lane 1:\n\tTx Power (dBm)  : 0\n\tSensitivity (AD): 32\n"
                                                    "\tStability Sens (AD): 25\n\tChannel         : Unknown\n"
                                                    "\tOperation Mode : Wireless\n\tStart Sound Mode : Bang\n"
                                                    "\tRecall Sound Mode : Automatic Recall\n"
                                                    "\tRecall Beeps Mode : On\n\tAudio Volume (%) : 100\n"
                                                    "\tIAAF time(ms) : 120\n"));
    QStringList red;
    for (QTextBlock line = summary->document()->begin(); line.isValid(); line = line.next()) {
        for (auto fragment = line.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().foreground().color() == QColor(255, 0, 0))
                red << fragment.fragment().text();
        }
    }
    QCOMPARE(red, QStringList({"\tChannel         : Unknown", "\tIAAF time(ms) : 120"}));
}

void TstSettingsDialogs::commonSettingsGoToEveryBlockBehindTheBusyNotice()
{
    SimScenario scenario = SimScenario::standard(3);
    scenario.autoStartDelayMs = -1;
    SimLink link(scenario);
    if (!link.start())
        QSKIP("no pseudo-terminal");
    link.serial.StopQuestionsTimer();
    auto readAll = [&link] {
        for (CStartBlock *block : link.blocks)
            link.serial.SendInfoRequest(block);
    };
    // only lane 2 reports another false-start limit; lane 3 does not race
    link.serial.OnSetInfoRequest(3, 120, link.blocks[1]);
    link.blocks[2]->setParticipationStatus(ParticipationDns);
    readAll();
    link.serial.SendInfoRequestCoordinator(link.coordinator);
    QTRY_COMPARE_WITH_TIMEOUT(link.blocks[1]->falseStartLimit(), quint16(120), kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(link.coordinator->hasSpectrum(), kWaitMs);
    link.serial.SendInfoRequestCoordinator(link.coordinator);
    QTRY_COMPARE_WITH_TIMEOUT(link.coordinator->module(), quint8(1), kWaitMs);
    link.sim.clearLogs();

    StartBlockCommonSettings settings = QuellorApp::Instance()->startBlockCommonSettings();
    CoordinatorCommonSettings coordinatorSettings;
    BusyNotice busy(nullptr);
    QSignalSpy ready(&busy, &BusyNotice::ready_enabled);
    CommonSettingsDistribution distribution(settings, coordinatorSettings, busy);
    connect(&distribution, &CommonSettingsDistribution::set_info_field_request, &link.serial,
            &CSerialComThread::OnSetInfoRequest);
    ModalAnswerer answerer;
    whenModal<StartBlocksCommonSettingsDlg>(this, [&answerer](StartBlocksCommonSettingsDlg *dialog) {
        child<QSpinBox>(dialog, "spinTxPower")->setValue(10); // high power: -6 dBm
        answerer.answer(QDialogButtonBox::Yes);
        child<QPushButton>(dialog, "btnOK")->click();
    });
    QVERIFY(distribution.Run(nullptr, link.blocks, link.coordinator, 2));

    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title, QStringLiteral("Change setting of startblocks"));
    QCOMPARE(answerer.seen[0].text,
             QStringLiteral("Are you sure you want to change the settings for all starting blocks"));
    QTRY_COMPARE_WITH_TIMEOUT(link.requests(0x03).size(), 6, kWaitMs);
    for (int i = 0; i < 6; ++i) {
        const SimRequest request = link.requests(0x03)[i];
        QCOMPARE(request.frame.mac, link.blocks[i / 2]->macBytes());
        QCOMPARE(request.frame.items, QByteArray::fromHex(i % 2 == 0 ? "0f01fa" : "03020064"));
    }
    QVERIFY(busy.indicator());
    QCOMPARE(busy.indicator()->text(), QStringLiteral("BUSY, wait until all settings are distributed."));
    QCOMPARE(busy.indicator()->windowTitle(), QStringLiteral("Wireless Quellor - Halvexa: Busy"));
    QCOMPARE(ready.count(), 1);
    QCOMPARE(ready.last().at(0).toBool(), false);
    QCOMPARE(settings.txPower, qint8(-6));
    QuellorApp::Instance()->LoadStartBlockSettings();
    QCOMPARE(QuellorApp::Instance()->startBlockCommonSettings().txPower, qint8(-6));

    readAll();
    for (const CStartBlock *block : link.blocks) {
        QTRY_COMPARE_WITH_TIMEOUT(block->transmitPower(), qint8(-6), kWaitMs);
        QCOMPARE(block->falseStartLimit(), quint16(100));
    }
    busy.ShowBusy(true, QString()); // the waiting status finds every device with the new settings
    QCOMPARE(ready.last().at(0).toBool(), true);
    QVERIFY(!busy.indicator());
}

void TstSettingsDialogs::busyIndicatorTurnsFromItsSecondFrame()
{
    BusyIndicatorDlg dialog;
    QVERIFY(!dialog.frameItem());
    dialog.show();
    const QPoint placed = dialog.pos();
    dialog.SetText(QStringLiteral("x"));
    QVERIFY(dialog.width() >= 450 && dialog.height() >= 450);
    QCOMPARE(dialog.pos(), placed);
    QTRY_VERIFY(dialog.frameItem());
    QCOMPARE(dialog.frameItem()->pixmap().toImage(),
             QPixmap(QStringLiteral(":/images/progress_indicator_2")).toImage());
}

void TstSettingsDialogs::samplesAreRefusedOrTimed_data()
{
    QTest::addColumn<int>("size"); // -1: the bundled sample
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("period");
    QTest::newRow("bundled bang") << -1 << QString() << 124;
    QTest::newRow("65534 bytes") << 65534 << QString() << 7;
    QTest::newRow("65535 bytes") << 65535 << "Sample size" << 0;
    QTest::newRow("empty") << 0 << "Sample information" << 0;
    QTest::newRow("7 bytes: period past 16 bits") << 7 << "Sample information" << 0;
    QTest::newRow("8 bytes") << 8 << QString() << 62500;
}

void TstSettingsDialogs::samplesAreRefusedOrTimed()
{
    QFETCH(int, size);
    QFETCH(QString, box);
    QFETCH(int, period);
    QTemporaryDir dir;
    const QByteArray expected = size < 0 ? bangSample() : QByteArray(size, '\x5a');
    LoadSampleDlg dialog;
    if (size >= 0) {
        QFile file(dir.filePath(QStringLiteral("sample.raw")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(expected) == size);
        child<QLineEdit>(&dialog, "txtFile")->setText(file.fileName());
    }
    CStartBlock block;
    block.SetMacAddress(QStringLiteral("0b:00:00:00:00:0A"));
    dialog.AddStartBlocks({&block});
    dialog.OnBtnSelectAllClicked();
    LoadSampleActions actions;
    QList<QVariantList> sent;
    connect(&actions, &LoadSampleActions::set_demo_sample_request, this,
            [&sent](unsigned short p, QByteArray *sample, const QStringList &macs) {
                sent.append({int(p), *sample, macs});
            });
    ModalAnswerer answerer;
    if (!box.isEmpty())
        answerer.answer(QDialogButtonBox::Ok);
    QCOMPARE(actions.SendSample(nullptr, dialog), box.isEmpty());
    QCOMPARE(answerer.seen.size(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty()) {
        QCOMPARE(answerer.seen[0].title, box);
        QVERIFY(sent.isEmpty());
        return;
    }
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent[0][0].toInt(), period);
    QCOMPARE(sent[0][1].toByteArray(), expected);
    QCOMPARE(sent[0][2].toStringList(), QStringList{"0b:00:00:00:00:0a"});
}

void TstSettingsDialogs::unreadableSampleNamesFileAndReason_data()
{
    QTest::addColumn<QString>("file"); // in an empty folder
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("reason"); // as written in the sources
    const char *const rows[][4] = {
        {"missing", "bang.raw", "", "The file does not exist."},
        {"a folder", "folder", "", "This is a folder, not a file."},
        {"not readable", "locked.raw", "", "You have no permission to read the file."},
        {"missing, German", "bang.raw", "de_Deutsch", "The file does not exist."},
        {"a folder, Dutch", "folder", "nl_Nederlands", "This is a folder, not a file."},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]) << QString(row[3]);
}

void TstSettingsDialogs::unreadableSampleNamesFileAndReason()
{
    QFETCH(QString, file);
    QFETCH(QString, language);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QString path = dir.filePath(file);
    if (file == "folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (file == "locked.raw") {
        QFile locked(path);
        QVERIFY(locked.open(QIODevice::WriteOnly) && locked.write("\x5a\x5a") == 2);
        locked.close();
        QVERIFY(locked.setPermissions(QFileDevice::Permissions()));
        // root reads a file whatever its permissions say, but not a kernel setting that is write-only
        if (locked.open(QIODevice::ReadOnly))
            path = QStringLiteral("/proc/sys/vm/compact_memory");
        if (QFile probe(path); !probe.exists() || probe.open(QIODevice::ReadOnly))
            QSKIP("this user reads every file");
    }
    const Language translation(language);
    QCOMPARE(translation.loaded(), !language.isEmpty());
    LoadSampleDlg dialog;
    child<QLineEdit>(&dialog, "txtFile")->setText(path);
    LoadSampleActions actions;
    QSignalSpy sent(&actions, &LoadSampleActions::set_demo_sample_request);
    ModalAnswerer answerer;
    QString informative;
    answerer.answer(QDialogButtonBox::Ok, QString(), [&informative] {
        informative = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->informativeText();
    });
    QVERIFY(!actions.SendSample(nullptr, dialog));
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title + '|' + answerer.seen[0].text + '|' + informative,
             shown("Warning", "MainWindow") + '|' + shown("Unable to open file %1", "MainWindow").arg(path) +
                 '|' + shown(qPrintable(reason)));
    if (translation.loaded())
        QVERIFY(informative != reason && !answerer.seen[0].text.startsWith("Unable"));
    QCOMPARE(sent.count(), 0);
}

void TstSettingsDialogs::bangReachesTwoWiredBlocksWhole()
{
    SimScenario scenario = SimScenario::standard(2);
    scenario.wired = true;
    scenario.autoStartDelayMs = -1;
    SimLink link(scenario);
    if (!link.start())
        QSKIP("no pseudo-terminal");
    link.serial.setUserSelectedOperationMode(OperationModeWired);
    link.serial.SetOperationMode(OperationModeWired);
    LoadSampleActions actions;
    connect(&actions, &LoadSampleActions::set_demo_sample_request, &link.serial,
            &CSerialComThread::OnSetDemoSampleRequest);
    QSignalSpy completed(&link.sim, &DeviceSimulator::sampleCompleted);
    QString title;
    whenModal<LoadSampleDlg>(this, [&title](LoadSampleDlg *dialog) {
        title = dialog->windowTitle();
        tickRows(dialog, {2, 3}); // the blocks, below the coordinator
        child<QPushButton>(dialog, "btnOK")->click();
    });
    QVERIFY(actions.LoadDemo(nullptr, link.coordinator, link.blocks));
    QCOMPARE(title, QStringLiteral("Wireless Quellor - Halvexa: Loading sound"));
    QTRY_COMPARE_WITH_TIMEOUT(completed.count(), 2, kWaitMs);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(completed[i].at(0).toByteArray(), link.blocks[i]->macBytes());
        QCOMPARE(completed[i].at(1).toByteArray(), bangSample());
    }
    const QList<SimRequest> packets = link.requests(0xEE);
    QVERIFY(!packets.isEmpty());
    QCOMPARE(packets[0].items.value(0).id, quint8(1));
    QCOMPARE(packets[0].items.value(0).value, QByteArray::fromHex("007c")); // 124 µs per byte
}

void TstSettingsDialogs::shutdownGoesToTheTickedDevices_data()
{
    QTest::addColumn<bool>("withCoordinator");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("language");
    QTest::newRow("every device") << true << QList<int>{1, 2, 3} << QStringList{"all"} << "";
    QTest::newRow("every block, no coordinator")
        << false << QList<int>{1, 2} << QStringList{"B1", "B2"} << "";
    QTest::newRow("coordinator and block 2") << true << QList<int>{1, 3} << QStringList{"B2", "C"} << "";
    QTest::newRow("none") << true << QList<int>{} << QStringList{} << "";
    QTest::newRow("every device, German")
        << true << QList<int>{1, 2, 3} << QStringList{"all"} << "de_Deutsch";
}

void TstSettingsDialogs::shutdownGoesToTheTickedDevices()
{
    QFETCH(bool, withCoordinator);
    QFETCH(QList<int>, rows);
    QFETCH(QStringList, expected);
    QFETCH(QString, language);
    const Language translation(language);
    QCOMPARE(shown("Shutdown devices") == "Shutdown devices", !translation.loaded());
    CCoordinator coordinator;
    coordinator.SetMacAddress(QStringLiteral("0c:00:00:00:00:01"));
    CStartBlock first, second, broadcast;
    first.SetMacAddress(QStringLiteral("0b:00:00:00:00:01"));
    second.SetMacAddress(QStringLiteral("0b:00:00:00:00:02"));
    broadcast.SetMacAddress(QStringLiteral("FF:FF:FF:FF:FF:FF"));
    LoadSampleActions actions;
    QStringList sent;
    connect(&actions, &LoadSampleActions::set_powerdown_request, this, [&](CStartBlock *block) {
        sent << (block == &broadcast ? "all" : block == &first ? "B1" : "B2");
    });
    connect(&actions, &LoadSampleActions::set_powerdown_request_coordinator, this,
            [&sent](CCoordinator *) { sent << "C"; });
    QString title;
    whenModal<LoadSampleDlg>(this, [&](LoadSampleDlg *dialog) {
        title = dialog->windowTitle();
        QVERIFY(child<QLineEdit>(dialog, "txtFile")->isHidden());
        tickRows(dialog, rows);
        child<QPushButton>(dialog, "btnOK")->click();
    });
    actions.ShutdownDevices(nullptr, withCoordinator ? &coordinator : nullptr, {&first, &second}, &broadcast);
    QCOMPARE(title, shown("Shutdown devices"));
    QCOMPARE(sent, expected);
}

int main(int argc, char **argv)
{
    return runDialogTests<TstSettingsDialogs>(argc, argv);
}

#include "tst_settingsdialogs.moc"
