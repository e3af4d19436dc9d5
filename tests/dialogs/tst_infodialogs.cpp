// The start block and coordinator info dialogs, the radio spectrum and the start times: what each shows
// of the bytes a device reported, what the operator's entries become, and confirmed changes travelling
// through the simulator and back.
#include <QComboBox>
#include <QHeaderView>
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
const char kRed[] = "QLineEdit { color: rgb(255, 0, 0) }";
const char kBlack[] = "QLineEdit { color: rgb(0, 0, 0) }";

// What the project expects: the simulator's power-on values.
StartBlockCommonSettings expectedBlock()
{
    StartBlockCommonSettings s;
    s.acceleroSensitivity = 512;
    s.stabilitySensitivity = 400;
    s.iaafTime = 100;
    s.operationMode = 1;
    s.startSoundMode = 3;
    s.recallSoundMode = 1;
    s.recallBeepsMode = 1;
    s.audioVolume = 16;
    s.audioChannel = 1;
    return s;
}

CoordinatorCommonSettings expectedCoordinator()
{
    CoordinatorCommonSettings s;
    s.operationMode = 1;
    s.startSoundMode = 3;
    s.recallSoundMode = 1;
    s.recallBeepsMode = 1;
    s.audioVolume = 16;
    s.audioChannel = 1;
    s.headsetVolume = 16;
    return s;
}

template<typename Device>
void report(Device &device, const QByteArray &hexItems)
{
    QByteArray items = QByteArray::fromHex(hexItems);
    device.SetInfoFields(quint16(items.size()), reinterpret_cast<unsigned char *>(items.data()));
}

// "type=value typename", as the caller would emit them.
QStringList described(const QList<InfoFieldRequest> &requests)
{
    QStringList texts;
    for (const InfoFieldRequest &request : requests)
        texts << QStringLiteral("%1=%2 %3")
                     .arg(request.type)
                     .arg(request.value.toString(), QLatin1String(request.value.typeName()));
    return texts;
}

// Module 1 at -10 dBm, PAN 0x1234, lane 3; hardware 3424 (block) or 3501 (coordinator).
const QByteArray kBlockBase = "0e0101 0f01f6 17021234 020103 060400000d60 1b02041f";
const QByteArray kCoordinatorBase = "0e0101 0f01f6 17021234 060400000dad 1b02041e";

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
    void spectrumListsEachChannelUnsigned_data();
    void spectrumListsEachChannelUnsigned();
    void startTimesNewestFirstInLocalTime();
    void blockChangeReachesTheSimulator();
    void coordinatorChangeIsStoredAndReachesTheSimulator();
    void startTimeRequestBringsTheSimulatorsStart();

private:
    std::unique_ptr<SimLink> startLink();
};

void TstInfoDialogs::fieldsShowReportedCodes_data()
{
    QTest::addColumn<bool>("coordinator");
    QTest::addColumn<bool>("live");
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("red");
    auto block = [](const char *name, const char *items, const char *field, const char *text, bool red) {
        QTest::newRow(name) << false << true << QByteArray(items) << field << text << red;
    };
    block("sensitivity 512", "04020200", "txtSensitivity", "32", false);
    block("sensitivity 480", "040201e0", "txtSensitivity", "30", true);
    block("wired", "070102", "txtStartAckRequired", "Wired", true);
    block("operation 3", "070103", "txtStartAckRequired", "Unknown", true);
    block("module ETSI", "0e0102", "txtModule", "ETSI High Power", false);
    block("module 3", "0e0103", "txtModule", "Unknown", false);
    block("channel 1", "100101", "txtAudioChannel", "863.125", false);
    block("channel 15", "10010f", "txtAudioChannel", "864.875", true);
    block("channel 16", "100110", "txtAudioChannel", "Unknown", true);
    block("beep", "110102", "txtStartSoundMode", "Beep", true);
    block("remote recall", "120102", "txtRecallSoundMode", "Remote (Manual) Recall", true);
    block("beeps 3", "150103", "txtRecallBeepsMode", "Startblock OFF Central unit ON", true);
    block("volume 16", "130110", "txtAudioVolume", "100", false);
    block("volume 6", "130106", "txtAudioVolume", "37", true);
    block("volume 4", "130104", "txtAudioVolume", "Unknown", true);
    block("stability 400", "18020190", "txtStabilitySensitivity", "25", false);
    block("software 302", "0502012e", "txtSWVersion", "3.2", false);
    block("software 320", "05020140", "txtSWVersion", "3.20", false);
    block("software 1203", "050204b3", "txtSWVersion", "12.3", false);
    block("IAAF 120", "03020078", "txtIAAFTime", "120", true);
    QTest::newRow("file: never red") << false << false << QByteArray("040201e0") << "txtSensitivity"
                                     << "30" << false;
    auto coordinator = [](const char *name, const char *items, const char *field, const char *text,
                          bool red) {
        QTest::newRow(name) << true << true << QByteArray(items) << field << text << red;
    };
    coordinator("C wireless", "070101", "txtOperationMode", "Wireless", false);
    coordinator("C headset 12", "14010c", "txtHeadsetVolume", "75", true);
    coordinator("C headset 16", "140110", "txtHeadsetVolume", "100", false);
    coordinator("C beeps 2", "150102", "txtrecallBeepsMode", "Startblock ON Central unit OFF", true);
    coordinator("C module high", "0e0101", "txtModule", "High Power", false);
    coordinator("C calibration", "1a043fc00000", "txtCalibrationNumber", "1.50000000", false);
}

void TstInfoDialogs::fieldsShowReportedCodes()
{
    QFETCH(bool, coordinator);
    QFETCH(bool, live);
    QFETCH(QByteArray, items);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, red);
    CStartBlock block;
    CCoordinator central;
    std::unique_ptr<QDialog> dialog;
    if (coordinator) {
        report(central, items);
        auto *d = new CoordinatorInfoDlg(nullptr, live, expectedCoordinator());
        dialog.reset(d);
        d->SetCoordinator(&central);
    } else {
        report(block, items);
        auto *d = new StartBlockInfoDlg(nullptr, live, expectedBlock());
        dialog.reset(d);
        d->SetStartBlock(&block);
    }
    const QLineEdit *shown = child<QLineEdit>(dialog.get(), field.toLatin1().constData());
    QVERIFY(shown);
    QCOMPARE(shown->text(), text);
    QCOMPARE(shown->styleSheet(), QLatin1String(red ? kRed : kBlack));
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
    auto row = [](const char *name, bool coordinator, const QByteArray &items, int level, const char *widget,
                  const char *input, const QStringList &expected) {
        QTest::newRow(name) << coordinator << true << items << level << widget << input << expected;
    };
    const QByteArray b = kBlockBase;
    const QByteArray c = kCoordinatorBase;
    row("nothing changed", false, b, 2, "", "", {});
    row("lane", false, b, 1, "spinLane", "5", {"2=5 int"});
    row("lane 12 only shown", false, b + "02010c", 1, "", "", {});
    row("high power 12 shown", false, b, 1, "spinTxPower", "12", {"15=-4 int"});
    row("ETSI 8 shown", false, b + "0e0102", 1, "spinTxPower", "8", {"15=0 int"});
    row("PAN typed", false, b, 1, "txtPanID", "12FF", {"23=4863 int"});
    row("hardware at level 2", false, b, 2, "txtHWVersion", "3500", {"6=3500 uint"});
    row("hardware at level 1", false, b, 1, "txtHWVersion", "3500", {});
    row("Club to Professional", false, b + "0604000003e8 1b020420", 2, "cmbProductVersion", "0",
        {"27=1055 int"});
    row("C high power 16 shown", true, c, 1, "spinTxPower", "16", {"15=0 int"});
    row("C PAN typed", true, c, 1, "txtPanID", "00ab", {"23=171 int"});
    row("C hardware", true, c, 2, "txtHWVersion", "3423", {"6=3423 uint"});
    row("C Professional to Club", true, c + "060400000fa0 1b02041e", 2, "cmbProductVersion", "1",
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
    CStartBlock block;
    CCoordinator central;
    StartBlockInfoDlg blockDialog(nullptr, live, expectedBlock());
    CoordinatorInfoDlg coordinatorDialog(nullptr, live);
    QDialog *dialog = &blockDialog;
    if (coordinator) {
        report(central, items);
        dialog = &coordinatorDialog;
        coordinatorDialog.SetCoordinator(&central);
        coordinatorDialog.SetPanID(central.panId());
        coordinatorDialog.SetTxPower(central.transmitPower());
        coordinatorDialog.SetAccessLevel(level);
    } else {
        report(block, items);
        blockDialog.SetStartBlock(&block);
        blockDialog.SetLane(block.lane());
        blockDialog.SetPanID(block.panId());
        blockDialog.SetRFTXPower(block.transmitPower());
        blockDialog.SetAccessLevel(level);
    }
    QWidget *target = widget.isEmpty() ? nullptr : child<QWidget>(dialog, widget.toLatin1().constData());
    if (auto *spin = qobject_cast<QSpinBox *>(target)) {
        spin->setValue(input.toInt());
    } else if (auto *edit = qobject_cast<QLineEdit *>(target)) {
        edit->selectAll();
        QTest::keyClicks(edit, input);
    } else if (auto *combo = qobject_cast<QComboBox *>(target)) {
        combo->setCurrentIndex(input.toInt());
    }
    const QList<InfoFieldRequest> requests =
        coordinator ? coordinatorDialog.ChangedItems(central) : blockDialog.ChangedItems(block);
    QCOMPARE(described(requests), expected);
}

void TstInfoDialogs::formsMatchTheirTables_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    const QString tx = "Specify the transmission power of the RF transmitter (-20 min, 10 max)";
    QTest::newRow("block title") << 0 << "StartBlockInfoDlg" << QByteArray("windowTitle")
                                 << QVariant("Starting Block Info");
    QTest::newRow("block lane tip") << 0 << "spinLane" << QByteArray("toolTip")
                                    << QVariant("Specify the lane number of the startblock (1 to 10)");
    QTest::newRow("block tx tip") << 0 << "spinTxPower" << QByteArray("toolTip") << QVariant(tx);
    QTest::newRow("block PAN mask") << 0 << "txtPanID" << QByteArray("inputMask") << QVariant("HHHH");
    QTest::newRow("block IAAF") << 0 << "lblIAAFTime" << QByteArray("text") << QVariant("IAAF time:");
    QTest::newRow("coordinator title")
        << 1 << "CoordinatorInfoDlg" << QByteArray("windowTitle") << QVariant("Dialog");
    QTest::newRow("coordinator headset")
        << 1 << "lblHeaderHeadsetVolume" << QByteArray("text") << QVariant("Headset Volume (%):");
    QTest::newRow("coordinator PAN tip")
        << 1 << "txtPanID" << QByteArray("toolTip")
        << QVariant("Specify the Pan ID (Group ID). Devices with the same Pan ID can connect in a network.");
    QTest::newRow("common title") << 2 << "StartBlocksCommonSettingsDlg" << QByteArray("windowTitle")
                                  << QVariant("Wireless Quellor - Halvexa: Common startblock settings");
    QTest::newRow("common stability") << 2 << "lblStabilitySensitivity" << QByteArray("text")
                                      << QVariant("Accelerometer stability sensitivity (AD):");
    QTest::newRow("common tx tip") << 2 << "spinTxPower" << QByteArray("toolTip")
                                   << QVariant(tx + ".\nThis value will be distributed to all startblocks.");
    QTest::newRow("spectrum label") << 3 << "lblHeaderChannel" << QByteArray("text")
                                    << QVariant("Selected channel:");
    QTest::newRow("sample file") << 4 << "txtFile" << QByteArray("text") << QVariant(":/samples/bang.raw");
    QTest::newRow("sample duration") << 4 << "txtFileDuration" << QByteArray("text") << QVariant("500");
    QTest::newRow("sample browse hidden") << 4 << "btnBrowse" << QByteArray("visible") << QVariant(false);
    QTest::newRow("sample select all") << 4 << "btnSelectAll" << QByteArray("text") << QVariant("Select All");
    QTest::newRow("start times title")
        << 5 << "StartTimeDlg" << QByteArray("windowTitle") << QVariant("Central Unit GPS start time");
}

void TstInfoDialogs::formsMatchTheirTables()
{
    QFETCH(int, form);
    QFETCH(QString, object);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    StartBlockCommonSettings settings = expectedBlock();
    settings.minIaafTime = settings.maxIaafTime = 100;
    std::unique_ptr<QDialog> dialog;
    switch (form) {
    case 0:
        dialog = std::make_unique<StartBlockInfoDlg>(nullptr, true, settings);
        break;
    case 1:
        dialog = std::make_unique<CoordinatorInfoDlg>(nullptr, true);
        break;
    case 2:
        dialog = std::make_unique<StartBlocksCommonSettingsDlg>(nullptr, settings, 2);
        break;
    case 3:
        dialog = std::make_unique<Spectrumdlg>();
        break;
    case 4:
        dialog = std::make_unique<LoadSampleDlg>();
        break;
    default:
        dialog = std::make_unique<StartTimeDlg>();
    }
    dialog->show();
    const QObject *found =
        dialog->objectName() == object ? dialog.get() : child<QObject>(dialog.get(), object.toLatin1());
    QVERIFY(found);
    QCOMPARE(found->property(property.constData()), value);
}

void TstInfoDialogs::spectrumListsEachChannelUnsigned_data()
{
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("channel");
    QTest::newRow("before the first reply") << QByteArray() << QString() << "0";
    QByteArray levels;
    QString lines;
    for (int item = 1; item <= 16; ++item) {
        const int level = item == 1 ? 255 : item * 10;
        levels += QByteArray::fromHex(QByteArray::number(item, 16).rightJustified(2, '0') + "01" +
                                      QByteArray::number(level, 16).rightJustified(2, '0'));
        lines += QStringLiteral("Channel %1: %2\n").arg(item + 10).arg(level);
    }
    QTest::newRow("levels and channel unsigned") << levels + QByteArray::fromHex("1101ff") << lines << "255";
}

void TstInfoDialogs::spectrumListsEachChannelUnsigned()
{
    QFETCH(QByteArray, items);
    QFETCH(QString, lines);
    QFETCH(QString, channel);
    CCoordinator coordinator;
    if (!items.isEmpty())
        coordinator.SetSpectrum(quint16(items.size()), reinterpret_cast<unsigned char *>(items.data()));
    Spectrumdlg dialog;
    dialog.SetSpectrumRecord(coordinator.spectrum(), coordinator.spectrumCurrentChannel());
    dialog.SetSpectrum();
    QCOMPARE(child<QTextBrowser>(&dialog, "tbrSpectrum")->toPlainText(), lines);
    QCOMPARE(child<QLabel>(&dialog, "lblChannel")->text(), channel);
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

    CCoordinator withoutStarts;
    dialog.SetCoordinator(&withoutStarts);
    QCOMPARE(shown->rowCount(), 0);
}

std::unique_ptr<SimLink> TstInfoDialogs::startLink()
{
    SimScenario scenario = SimScenario::standard(2);
    scenario.autoStartDelayMs = -1;
    auto link = std::make_unique<SimLink>(scenario);
    if (!link->start())
        return nullptr;
    link->serial.StopQuestionsTimer();
    return link;
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
    dialog.SetStartBlock(block);
    dialog.SetLane(block->lane());
    dialog.SetPanID(block->panId());
    dialog.SetRFTXPower(block->transmitPower());
    dialog.SetAccessLevel(1);
    dialog.show();
    child<QSpinBox>(&dialog, "spinLane")->setValue(7);
    child<QSpinBox>(&dialog, "spinTxPower")->setValue(10); // high power: -6 dBm
    child<QPushButton>(&dialog, "btnOK")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    ModalAnswerer answerer;
    answerer.answer(QDialogButtonBox::Yes);
    const QList<InfoFieldRequest> requests = dialog.ConfirmChanges(nullptr, *block);
    QCOMPARE(answerer.seen.size(), 1);
    const QString mac = block->GetMacAddress();
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
    link->serial.SendInfoRequestCoordinator(coordinator); // the spectrum comes first
    QTRY_VERIFY_WITH_TIMEOUT(coordinator->hasSpectrum(), kWaitMs);
    link->serial.SendInfoRequestCoordinator(coordinator);
    QVERIFY(info.wait(kWaitMs));

    Spectrumdlg spectrum;
    spectrum.SetSpectrumRecord(coordinator->spectrum(), coordinator->spectrumCurrentChannel());
    spectrum.SetSpectrum();
    QCOMPARE(child<QLabel>(&spectrum, "lblChannel")->text(), QStringLiteral("15"));

    CoordinatorCommonSettings record = expectedCoordinator();
    CoordinatorInfoDlg dialog(nullptr, true, record);
    dialog.SetCoordinator(coordinator);
    dialog.SetPanID(coordinator->panId());
    dialog.SetTxPower(coordinator->transmitPower());
    dialog.SetAccessLevel(1);
    child<QSpinBox>(&dialog, "spinTxPower")->setValue(4); // high power: -12 dBm
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
