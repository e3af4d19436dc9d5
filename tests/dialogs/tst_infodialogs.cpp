// The start block and coordinator info dialogs, the radio spectrum and the start times: what each shows
// of the bytes a device reported, what the operator's entries become, and confirmed changes travelling
// through the simulator and back.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTextBrowser>

#include "dialogs/coordinatorinfodlg.h"
#include "dialogs/loadsampledlg.h"
#include "dialogs/spectrumdlg.h"
#include "dialogs/startblockinfodlg.h"
#include "dialogs/startblockscommonsettingsdlg.h"
#include "dialogs/starttimedlg.h"
#include "dialogtestkit.h"
#include "modalanswerer.h"
#include "tests/devices/simlink.h"

namespace
{

constexpr int kWaitMs = 15000;

CoordinatorCommonSettings expectedCoordinator()
{
    return {0, 1, 3, 1, 1, 16, 1, 16, 0};
}

// "type=value typename", as the rows emit them.
QStringList described(const QList<InfoFieldRequest> &requests)
{
    QStringList texts;
    for (const InfoFieldRequest &request : requests)
        texts << QStringLiteral("%1=%2 %3")
                     .arg(request.type)
                     .arg(request.value.toString(), QLatin1String(request.value.typeName()));
    return texts;
}

// A block or a coordinator that reported the items, with its info dialog filled as its row fills it.
struct Opened {
    Opened(bool coordinator, bool live, const QByteArray &items, int level)
    {
        if (coordinator) {
            report(central, items);
            auto *d = new CoordinatorInfoDlg(nullptr, live, expectedCoordinator());
            d->Fill(&central, level);
            dialog.reset(d);
        } else {
            report(block, items);
            auto *d = new StartBlockInfoDlg(nullptr, live, expectedBlock());
            d->Fill(&block, level);
            dialog.reset(d);
        }
    }
    QList<InfoFieldRequest> changes() const
    {
        if (auto *d = qobject_cast<CoordinatorInfoDlg *>(dialog.get()))
            return d->ChangedItems(central);
        return static_cast<StartBlockInfoDlg *>(dialog.get())->ChangedItems(block);
    }

    CStartBlock block;
    CCoordinator central;
    std::unique_ptr<QDialog> dialog;
};

// Module 1 at -10 dBm, PAN 0x1234, lane 3; hardware 3424 (block) or 3501 (coordinator).
const QByteArray kBlockBase = "0e0101 0f01f6 17021234 020103 060400000d60 1b02041f";
const QByteArray kCoordinatorBase = "0e0101 0f01f6 17021234 060400000dad 1b02041e";

std::unique_ptr<SimLink> startLink()
{
    SimScenario scenario = SimScenario::standard(2);
    scenario.autoStartDelayMs = -1;
    auto link = std::make_unique<SimLink>(scenario);
    if (!link->start())
        return nullptr;
    link->serial.StopQuestionsTimer();
    return link;
}

} // namespace

class TstInfoDialogs : public QObject
{
    Q_OBJECT

private slots:
    void fieldsShowReportedCodes_data();
    void fieldsShowReportedCodes();
    void entriesBecomeRequests_data();
    void entriesBecomeRequests();
    void formsMatchTheirTables_data();
    void formsMatchTheirTables();
    void spectrumListsEachChannelUnsigned();
    void startTimesNewestFirstInLocalTime();
    void startTimesTitleReadsInTheLanguage_data();
    void startTimesTitleReadsInTheLanguage();
    void blockChangeReachesTheSimulator();
    void coordinatorChangeIsStoredAndReachesTheSimulator();
    void startTimeRequestBringsTheSimulatorsStart();
};

void TstInfoDialogs::fieldsShowReportedCodes_data()
{
    QTest::addColumn<bool>("coordinator");
    QTest::addColumn<bool>("live");
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("red");
    auto row = [](const char *name, const char *items, const char *field, const char *text, bool red) {
        QTest::newRow(name) << QByteArray(name).startsWith("coordinator") << true << QByteArray(items)
                            << field << text << red;
    };
    row("sensitivity 512", "04020200", "txtSensitivity", "32", false);
    row("sensitivity 480", "040201e0", "txtSensitivity", "30", true);
    row("wired", "070102", "txtStartAckRequired", "Wired", true);
    row("operation 3", "070103", "txtStartAckRequired", "Unknown", true);
    row("module ETSI", "0e0102", "txtModule", "ETSI High Power", false);
    row("module 3", "0e0103", "txtModule", "Unknown", false);
    row("channel 1", "100101", "txtAudioChannel", "863.125", false);
    row("channel 15", "10010f", "txtAudioChannel", "864.875", true);
    row("channel 16", "100110", "txtAudioChannel", "Unknown", true);
    row("beep", "110102", "txtStartSoundMode", "Beep", true);
    row("remote recall", "120102", "txtRecallSoundMode", "Remote (Manual) Recall", true);
    row("beeps 3", "150103", "txtRecallBeepsMode", "Startblock OFF Central unit ON", true);
    row("volume 16", "130110", "txtAudioVolume", "100", false);
    row("volume 6", "130106", "txtAudioVolume", "37", true);
    row("volume 4", "130104", "txtAudioVolume", "Unknown", true);
    row("stability 400", "18020190", "txtStabilitySensitivity", "25", false);
    row("software 302", "0502012e", "txtSWVersion", "3.2", false);
    row("software 320", "05020140", "txtSWVersion", "3.20", false);
    row("software 1203", "050204b3", "txtSWVersion", "12.3", false);
    row("IAAF 120", "03020078", "txtIAAFTime", "120", true);
    row("coordinator wireless", "070101", "txtOperationMode", "Wireless", false);
    row("coordinator headset 12", "14010c", "txtHeadsetVolume", "75", true);
    row("coordinator headset 16", "140110", "txtHeadsetVolume", "100", false);
    row("coordinator beeps 2", "150102", "txtrecallBeepsMode", "Startblock ON Central unit OFF", true);
    row("coordinator module high", "0e0101", "txtModule", "High Power", false);
    row("coordinator calibration", "1a043fc00000", "txtCalibrationNumber", "1.50000000", false);
    QTest::newRow("file: never red") << false << false << QByteArray("040201e0") << "txtSensitivity"
                                     << "30" << false;
}

void TstInfoDialogs::fieldsShowReportedCodes()
{
    QFETCH(bool, coordinator);
    QFETCH(bool, live);
    QFETCH(QByteArray, items);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, red);
    const Opened opened(coordinator, live, items, 1);
    const QLineEdit *shown = child<QLineEdit>(opened.dialog.get(), field.toLatin1().constData());
    QVERIFY(shown);
    QCOMPARE(shown->text(), text);
    QCOMPARE(shown->styleSheet(), QStringLiteral("QLineEdit { color: rgb(%1, 0, 0) }").arg(red ? 255 : 0));
}

void TstInfoDialogs::entriesBecomeRequests_data()
{
    QTest::addColumn<bool>("coordinator");
    QTest::addColumn<bool>("live");
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("expected");
    auto row = [](const char *name, const QByteArray &items, int level, const char *widget, const char *input,
                  const QStringList &expected) {
        QTest::newRow(name) << QByteArray(name).startsWith("coordinator") << true << items << level << widget
                            << input << expected;
    };
    const QByteArray b = kBlockBase;
    const QByteArray c = kCoordinatorBase;
    row("nothing changed", b, 2, "", "", {});
    row("lane", b, 1, "spinLane", "5", {"2=5 int"});
    row("lane 12 only shown", b + "02010c", 1, "", "", {});
    row("high power 12 shown", b, 1, "spinTxPower", "12", {"15=-4 int"});
    row("ETSI 8 shown", b + "0e0102", 1, "spinTxPower", "8", {"15=0 int"});
    row("PAN typed", b, 1, "txtPanID", "12FF", {"23=4863 int"});
    row("hardware at level 2", b, 2, "txtHWVersion", "3500", {"6=3500 uint"});
    row("hardware at level 1", b, 1, "txtHWVersion", "3500", {});
    row("from Club to Professional", b + "0604000003e8 1b020420", 2, "cmbProductVersion", "0",
        {"27=1055 int"});
    row("coordinator high power 16 shown", c, 1, "spinTxPower", "16", {"15=0 int"});
    row("coordinator PAN typed", c, 1, "txtPanID", "00ab", {"23=171 int"});
    row("coordinator hardware", c, 2, "txtHWVersion", "3423", {"6=3423 uint"});
    row("coordinator Professional to Club", c + "060400000fa0 1b02041e", 2, "cmbProductVersion", "1",
        {"27=1057 int"});
    QTest::newRow("file: nothing offered") << false << false << b << 2 << "spinLane"
                                           << "5" << QStringList();
}

void TstInfoDialogs::entriesBecomeRequests()
{
    QFETCH(bool, coordinator);
    QFETCH(bool, live);
    QFETCH(QByteArray, items);
    QFETCH(int, level);
    QFETCH(QString, widget);
    QFETCH(QString, input);
    QFETCH(QStringList, expected);
    const Opened opened(coordinator, live, items, level);
    QWidget *target = child<QWidget>(opened.dialog.get(), widget.toLatin1().constData());
    if (auto *spin = qobject_cast<QSpinBox *>(target)) {
        spin->setValue(input.toInt());
    } else if (auto *edit = qobject_cast<QLineEdit *>(target)) {
        edit->selectAll();
        QTest::keyClicks(edit, input);
    } else if (auto *combo = qobject_cast<QComboBox *>(target)) {
        combo->setCurrentIndex(input.toInt());
    }
    QCOMPARE(described(opened.changes()), expected);
}

void TstInfoDialogs::formsMatchTheirTables_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    const QString tx = "Specify the transmission power of the RF transmitter (-20 min, 10 max)";
    QTest::newRow("block title") << 0 << "" << QByteArray("windowTitle") << QVariant("Starting Block Info");
    QTest::newRow("block tx tip") << 0 << "spinTxPower" << QByteArray("toolTip") << QVariant(tx);
    QTest::newRow("coordinator title") << 1 << "" << QByteArray("windowTitle") << QVariant("Dialog");
    QTest::newRow("common title") << 2 << "" << QByteArray("windowTitle")
                                  << QVariant("Wireless Quellor - Halvexa: Common startblock settings");
    QTest::newRow("common tx tip") << 2 << "spinTxPower" << QByteArray("toolTip")
                                   << QVariant(tx + ".\nThis value will be distributed to all startblocks.");
    QTest::newRow("sample file") << 3 << "txtFile" << QByteArray("text") << QVariant(":/samples/bang.raw");
    QTest::newRow("start times title")
        << 4 << "" << QByteArray("windowTitle") << QVariant("Central Unit GPS start time");
}

void TstInfoDialogs::formsMatchTheirTables()
{
    QFETCH(int, form);
    QFETCH(QString, object);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    const std::function<QDialog *()> forms[] = {
        [] { return new StartBlockInfoDlg(nullptr, true, expectedBlock()); },
        [] { return new CoordinatorInfoDlg(nullptr, true); },
        [] { return new StartBlocksCommonSettingsDlg(nullptr, expectedBlock(), 2); },
        [] { return new LoadSampleDlg; }, [] { return new StartTimeDlg; }};
    const std::unique_ptr<QDialog> dialog(forms[form]());
    dialog->show();
    const QObject *found = object.isEmpty() ? dialog.get() : child<QObject>(dialog.get(), object.toLatin1());
    QVERIFY(found);
    QCOMPARE(found->property(property.constData()), value);
}

void TstInfoDialogs::spectrumListsEachChannelUnsigned()
{
    QByteArray items;
    QString lines;
    for (int item = 1; item <= 16; ++item) {
        const int level = item == 1 ? 255 : item * 10;
        items += char(item) + QByteArray(1, 1) + char(level);
        lines += QStringLiteral("Channel %1: %2\n").arg(item + 10).arg(level);
    }
    items += QByteArray::fromHex("1101ff");
    CCoordinator coordinator;
    coordinator.SetSpectrum(quint16(items.size()), reinterpret_cast<unsigned char *>(items.data()));
    Spectrumdlg dialog;
    dialog.SetSpectrumRecord(coordinator.spectrum(), coordinator.spectrumCurrentChannel());
    dialog.SetSpectrum();
    QCOMPARE(child<QTextBrowser>(&dialog, "tbrSpectrum")->toPlainText(), lines);
    QCOMPARE(child<QLabel>(&dialog, "lblChannel")->text(), QStringLiteral("255"));
}

void TstInfoDialogs::startTimesNewestFirstInLocalTime()
{
    CCoordinator coordinator;
    // start 5 at 1700000000 s + 5 µs, start 6 in the same second + 2 µs, start 7 one second later
    QByteArray items = QByteArray::fromHex("010405000000 02046553f100 030400000005"
                                           "010406000000 02046553f100 030400000002"
                                           "010407000000 02046553f101 030400000000");
    coordinator.SetNewStart(quint16(items.size()), reinterpret_cast<unsigned char *>(items.data()));
    StartTimeDlg dialog;
    dialog.SetCoordinator(&coordinator);
    const QAbstractItemModel *shown = child<QTableView>(&dialog, "tblStartTimeList")->model();
    QStringList rows;
    for (int row = 0; row < shown->rowCount(); ++row)
        rows << shown->index(row, 0).data().toString() + ' ' + shown->index(row, 1).data().toString();
    QCOMPARE(rows, QStringList({"7 2023/11/14 22:13:21.000000", "5 2023/11/14 22:13:20.000005",
                                "6 2023/11/14 22:13:20.000002"}));
    QCOMPARE(shown->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Date/Time"));
    // each time on one line, whole, at the size the dialog opens with
    auto *list = child<QTableView>(&dialog, "tblStartTimeList");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (int row = 0; row < shown->rowCount(); ++row) {
        const QModelIndex time = shown->index(row, 1);
        const QRect cell = list->visualRect(time);
        const int needed = list->fontMetrics().horizontalAdvance(time.data().toString());
        QVERIFY2(cell.width() > needed && cell.height() < 2 * list->fontMetrics().height(),
                 qPrintable(QStringLiteral("%1: %2 in %3x%4")
                                .arg(time.data().toString())
                                .arg(needed)
                                .arg(cell.width())
                                .arg(cell.height())));
        QVERIFY(list->viewport()->rect().contains(cell));
    }
    CCoordinator withoutStarts;
    dialog.SetCoordinator(&withoutStarts);
    QCOMPARE(shown->rowCount(), 0);
}

void TstInfoDialogs::startTimesTitleReadsInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::newRow("German") << "de_Deutsch"
                            << "GPS-Startzeiten der Zentraleinheit";
    QTest::newRow("Dutch") << "nl_Nederlands"
                           << "GPS-starttijden van de centrale eenheid";
}

void TstInfoDialogs::startTimesTitleReadsInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, title);
    const Language translation(language);
    QVERIFY(translation.loaded());
    StartTimeDlg dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), title);
}

void TstInfoDialogs::blockChangeReachesTheSimulator()
{
    const std::unique_ptr<SimLink> link = startLink();
    if (!link)
        QSKIP("no pseudo-terminal");
    CStartBlock *block = link->blocks[0];
    QSignalSpy info(block, &CStartBlock::new_info_fields_set);
    link->serial.SendInfoRequest(block);
    QVERIFY(info.wait(kWaitMs));
    StartBlockInfoDlg dialog(nullptr, true, expectedBlock());
    dialog.Fill(block, 1);
    dialog.show();
    child<QSpinBox>(&dialog, "spinLane")->setValue(7);
    child<QSpinBox>(&dialog, "spinTxPower")->setValue(10); // high power: -6 dBm
    child<QPushButton>(&dialog, "btnOK")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    ModalAnswerer answerer;
    answerer.answer(QDialogButtonBox::Yes);
    const QList<InfoFieldRequest> requests = dialog.ConfirmChanges(nullptr, *block);
    const QString mac = block->GetMacAddress();
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title, "Change settings of " + mac);
    QCOMPARE(answerer.seen[0].text, "Are you sure you want to change the settings of starting block " + mac);
    for (const InfoFieldRequest &request : requests)
        link->serial.OnSetInfoRequest(request.type, request.value, block);
    QTRY_COMPARE_WITH_TIMEOUT(link->requests(0x03).size(), 2, kWaitMs);
    QCOMPARE(link->requests(0x03)[0].frame.items, QByteArray::fromHex("020107"));
    QCOMPARE(link->requests(0x03)[1].frame.items, QByteArray::fromHex("0f01fa"));
    link->serial.SendInfoRequest(block);
    QVERIFY(info.wait(kWaitMs));
    QCOMPARE(block->lane(), quint8(7));
    QCOMPARE(block->transmitPower(), qint8(-6));
    QVERIFY(dialog.ChangedItems(*block).isEmpty());
}

void TstInfoDialogs::coordinatorChangeIsStoredAndReachesTheSimulator()
{
    const std::unique_ptr<SimLink> link = startLink();
    if (!link)
        QSKIP("no pseudo-terminal");
    CCoordinator *coordinator = link->coordinator;
    QSignalSpy info(coordinator, &CCoordinator::new_info_fields_set);
    // before the first spectrum reply: no lines and channel 0
    for (const auto &[channel, lines] : {std::pair{"0", 0}, std::pair{"15", 16}}) {
        Spectrumdlg spectrum;
        spectrum.SetSpectrumRecord(coordinator->spectrum(), coordinator->spectrumCurrentChannel());
        spectrum.SetSpectrum();
        QCOMPARE(child<QTextBrowser>(&spectrum, "tbrSpectrum")->toPlainText().count("Channel"), lines);
        QCOMPARE(child<QLabel>(&spectrum, "lblChannel")->text(), QLatin1String(channel));
        link->serial.SendInfoRequestCoordinator(coordinator); // the spectrum comes first
        QTRY_VERIFY_WITH_TIMEOUT(coordinator->hasSpectrum(), kWaitMs);
    }
    QVERIFY(info.wait(kWaitMs));

    CoordinatorCommonSettings record = expectedCoordinator();
    CoordinatorInfoDlg dialog(nullptr, true, record);
    dialog.Fill(coordinator, 1);
    child<QSpinBox>(&dialog, "spinTxPower")->setValue(4); // high power: -12 dBm
    child<QPushButton>(&dialog, "btnOK")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    ModalAnswerer answerer;
    answerer.answer(QDialogButtonBox::No);
    QVERIFY(dialog.ConfirmChanges(nullptr, *coordinator, &record).isEmpty());
    QCOMPARE(record.txPower, qint8(0));
    answerer.answer(QDialogButtonBox::Yes);
    const QList<InfoFieldRequest> requests = dialog.ConfirmChanges(nullptr, *coordinator, &record);
    QCOMPARE(answerer.seen[1].title, QStringLiteral("Change setting of coordinator"));
    QCOMPARE(answerer.seen[1].text,
             QStringLiteral("Are you sure you want to change the settings of the coordinator"));
    QCOMPARE(described(requests), QStringList{"15=-12 int"});
    QCOMPARE(record.txPower, qint8(-12));
    // what the next start of the program reads: one key, whatever its spelling
    QStringList txKeys;
    for (const auto &[key, value] : AppTestEnvironment::fileEntries().asKeyValueRange()) {
        if (key.compare("CoordinatorSettings/rftxpower", Qt::CaseInsensitive) == 0)
            txKeys << value;
    }
    QCOMPARE(txKeys, QStringList{"-12"});
    QuellorApp::Instance()->LoadCoordinatorSettings();
    QCOMPARE(QuellorApp::Instance()->coordinatorSettings().txPower, qint8(-12));

    for (const InfoFieldRequest &request : requests)
        link->serial.OnSetInfoRequestCoordinator(request.type, request.value, coordinator);
    QTRY_COMPARE_WITH_TIMEOUT(link->requests(0x03).size(), 1, kWaitMs);
    link->serial.SendInfoRequestCoordinator(coordinator);
    QVERIFY(info.wait(kWaitMs));
    QCOMPARE(coordinator->transmitPower(), qint8(-12));
}

void TstInfoDialogs::startTimeRequestBringsTheSimulatorsStart()
{
    const std::unique_ptr<SimLink> link = startLink();
    if (!link)
        QSKIP("no pseudo-terminal");
    link->sim.startRace();
    StartTimeDlg dialog;
    dialog.SetCoordinator(link->coordinator);
    dialog.ConnectCoordinator(&link->serial);
    child<QLineEdit>(&dialog, "txtStartNr")->setText("1");
    child<QPushButton>(&dialog, "btnRequestSend")->click();
    QTRY_COMPARE_WITH_TIMEOUT(link->requests(0x11).size(), 1, kWaitMs);
    QCOMPARE(link->requests(0x11)[0].frame.items, QByteArray::fromHex("010101"));
    const QAbstractItemModel *shown = child<QTableView>(&dialog, "tblStartTimeList")->model();
    QTRY_COMPARE_WITH_TIMEOUT(shown->rowCount(), 1, kWaitMs);
    QCOMPARE(shown->index(0, 0).data().toInt(), int(link->sim.coordinator().starts().at(0).startId()));
}

int main(int argc, char **argv)
{
    return runDialogTests<TstInfoDialogs>(argc, argv);
}

#include "tst_infodialogs.moc"
