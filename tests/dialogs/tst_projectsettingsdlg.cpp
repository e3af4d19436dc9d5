#include <array>
#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStringListModel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "core/quellorapp.h"
#include "devices/cserialcomthread.h"
#include "dialogs/addstartblocksetdlg.h"
#include "dialogs/projectsettingsdlg.h"
#include "dialogtestkit.h"
#include "modalanswerer.h"
#include "tests/devices/memoryport.h"

// The ticket printer's worker as the dialog sees it: records each opening as "port text @rate".
class FakePrinter : public QObject
{
    Q_OBJECT

public:
    void setPrinterPort(const QString &portText, qint32 baudRate)
    {
        opened << QStringLiteral("%1 @%2").arg(portText).arg(baudRate);
        m_baudRate = baudRate;
        emit serial_port_opened(opens);
    }
    qint32 baudRate() const { return m_baudRate; }

    QStringList opened;
    bool opens = true;

signals:
    void serial_port_opened(bool ok);

private:
    qint32 m_baudRate = 0;
};

namespace
{

const QStringList kPorts = {"ttyS0 [Built-in]", "ttyUSB0 [USB serial]", "ttyBAD [broken]"};

QuellorApp &app()
{
    return *QuellorApp::Instance();
}

// Stored recall mode, recall beeps mode, volume code, user-selected operation mode and print option; the
// recall sound entries then; and the recall beeps mode, volume slider position, volume code, operation
// mode entry and print option that the dialog ends with.
struct ModesRow {
    std::array<int, 5> stored;
    QStringList beepsEntries;
    std::array<int, 5> shown;
    QString volumeLabel;
};

} // namespace

Q_DECLARE_METATYPE(ModesRow)
Q_DECLARE_METATYPE(PrinterEntry)

class TstProjectSettingsDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cancelWritesNothingButKeepsThePortItOpened();
    void okGivesTheEditedRecordsAndTheSetsFlag();
    void missingResultsDirectoryKeepsTheDialogOpen_data();
    void missingResultsDirectoryKeepsTheDialogOpen();
    void coordinatorPortFallsBackAndShowsTheOutcome_data();
    void coordinatorPortFallsBackAndShowsTheOutcome();
    void storedPrintersMapToTheBoxes_data();
    void storedPrintersMapToTheBoxes();
    void tickedPrintersMakeTheList();
    void storedModesMapToTheLists_data();
    void storedModesMapToTheLists();
    void textsFollowTheLanguage_data();
    void textsFollowTheLanguage();

private:
    std::unique_ptr<ProjectSettingsDlg> makeDialog(const QStringList &ports = kPorts);
    template<typename Widget>
    Widget *widget(const char *name) const
    {
        return m_dialog->findChild<Widget *>(name);
    }

    QTemporaryDir m_results;
    ProjectSettings m_settings;
    StartBlockCommonSettings m_blockSettings;
    QStringList m_coordinatorOpened; // "port name @rate"
    std::unique_ptr<CSerialComThread> m_serial;
    std::unique_ptr<FakePrinter> m_printer;
    std::unique_ptr<ProjectSettingsDlg> m_dialog;
};

void TstProjectSettingsDlg::init()
{
    m_dialog.reset();
    m_coordinatorOpened.clear();
    m_serial =
        std::make_unique<CSerialComThread>(nullptr, [this](const QString &name, qint32 baud) -> QIODevice * {
            m_coordinatorOpened << QStringLiteral("%1 @%2").arg(name).arg(baud);
            return name == "ttyBAD" ? nullptr : new MemoryPort;
        });
    m_printer = std::make_unique<FakePrinter>();
    app().SaveStartBlockSets({"Track", "Other"}, {nullptr, nullptr});
    m_settings = ProjectSettings();
    m_settings.lastCom = "ttyUSB0 [USB serial]";
    m_settings.lastSet = "Other";
    m_settings.resultsDir = m_results.path();
    m_settings.starterName = "Ann";
    m_settings.operationMode = m_settings.userSelectedOperationMode = 1;
    m_settings.startSoundMode = 3;
    m_settings.recallSoundMode = m_settings.recallBeepsMode = 1;
    m_settings.audioVolume = m_settings.headsetVolume = 16;
    m_settings.photoFinishDevice = 2;
    m_settings.printerOption = 1;
    m_settings.raceNumber = 7;
    m_blockSettings = StartBlockCommonSettings();
    m_blockSettings.acceleroSensitivity = 1600;
    m_blockSettings.minAcceleroSensitivity = 512;
    m_blockSettings.txPower = -5;
}

// Built and filled as start-up does it.
std::unique_ptr<ProjectSettingsDlg> TstProjectSettingsDlg::makeDialog(const QStringList &ports)
{
    auto dialog = std::make_unique<ProjectSettingsDlg>(nullptr, [ports] { return ports; });
    dialog->SetSerialComThread(m_serial.get());
    dialog->SetSerialPrinterThread(m_printer.get());
    dialog->SetSettings(m_settings);
    dialog->SetStartBlockCommonSettings(m_blockSettings);
    return dialog;
}

void TstProjectSettingsDlg::cancelWritesNothingButKeepsThePortItOpened()
{
    app().SyncSettings();
    QFile file(AppTestEnvironment::settingsFilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    m_dialog = makeDialog();
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Wireless Quellor - Halvexa: Properties"));
    QCOMPARE(widget<QTabWidget>("tabWidget")->currentIndex(), 0);

    whenModal<ProjectSettingsDlg>(this, [this](ProjectSettingsDlg *) {
        widget<QComboBox>("cmbCOM")->setCurrentIndex(0);
        widget<QLineEdit>("txtStarterName")->setText("Bob");
        widget<QPushButton>("btnCancel")->click();
    });
    QCOMPARE(m_dialog->exec(), 0);
    app().SyncSettings();
    file.seek(0);
    QCOMPARE(file.readAll(), before);
    // the stored port is selected (a move reopens it) and opened; the port picked stays open
    QCOMPARE(m_coordinatorOpened, (QStringList{"ttyUSB0 @9600", "ttyUSB0 @9600", "ttyS0 @9600"}));
}

void TstProjectSettingsDlg::okGivesTheEditedRecordsAndTheSetsFlag()
{
    m_dialog = makeDialog();
    QCOMPARE(widget<QSpinBox>("spinAcceleroSensitivity")->value(), 100);
    const QString otherResults = m_results.filePath("other");
    QVERIFY(QDir().mkpath(otherResults));
    whenModal<ProjectSettingsDlg>(this, [&](ProjectSettingsDlg *) {
        widget<QComboBox>("cmbOperationMode")->setCurrentIndex(1);
        widget<QComboBox>("cmbStartSoundMode")->setCurrentIndex(1);
        widget<QComboBox>("cmbPhotofinish")->setCurrentIndex(0);
        widget<QSlider>("hslHeadsetVolume")->setValue(0);
        widget<QSpinBox>("spinAcceleroSensitivity")->setValue(32);
        widget<QLineEdit>("txtResultsDir")->setText(otherResults);
        widget<QLineEdit>("txtStarterName")->setText("Bob");
        widget<QCheckBox>("chkTicketPrinter")->click();
        // an accepted run that adds a set, then one that changes nothing: the flag stays
        for (const bool addSet : {true, false}) {
            whenModal<AddStartBlockSetDlg>(this, [addSet](AddStartBlockSetDlg *manager) {
                if (addSet)
                    manager->AddSet("New");
                manager->findChild<QPushButton *>("btnOK")->click();
            });
            widget<QPushButton>("btnManageSet")->click();
        }
        widget<QPushButton>("btnOK")->click();
    });
    QCOMPARE(m_dialog->exec(), 1);
    QVERIFY(m_dialog->setsModified());
    QCOMPARE(app().GetStartBlockSetNames(), (QStringList{"Track", "Other", "New"}));
    const ProjectSettings &result = m_dialog->projectSettings();
    // the operation mode in force and the race number pass through unchanged
    const QVariantList edited = QVariantList()
                                << result.userSelectedOperationMode << result.operationMode
                                << result.raceNumber << result.startSoundMode << result.photoFinishDevice
                                << result.headsetVolume << result.audioVolume << result.resultsDir
                                << result.starterName << result.lastSet << result.lastCom;
    QCOMPARE(edited,
             (QVariantList{2, 1, 7, 2, 1, 6, 16, otherResults, "Bob", "Other", "ttyUSB0 [USB serial]"}));
    QCOMPARE(result.printers, (QList<PrinterEntry>{{PrinterTicket, ""}}));
    QCOMPARE(m_dialog->startBlockCommonSettings().acceleroSensitivity, quint16(512));
    QCOMPARE(m_dialog->startBlockCommonSettings().txPower, qint8(-5));
}

void TstProjectSettingsDlg::missingResultsDirectoryKeepsTheDialogOpen_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<bool>("refused");
    QTest::newRow("missing") << m_results.filePath("missing") << true;
    QTest::newRow("a file") << QString(__FILE__) << true;
    QTest::newRow("empty: the working directory") << QString() << false;
}

void TstProjectSettingsDlg::missingResultsDirectoryKeepsTheDialogOpen()
{
    QFETCH(QString, directory);
    QFETCH(bool, refused);
    m_settings.resultsDir = directory;
    m_dialog = makeDialog();
    m_dialog->show();
    ModalAnswerer answerer;
    answerer.answer(QDialogButtonBox::Ok);
    widget<QPushButton>("btnOK")->click();
    QCOMPARE(m_dialog->isVisible(), refused);
    QCOMPARE(m_dialog->result(), refused ? 0 : 1);
    if (!refused) {
        QCOMPARE(answerer.pending(), 1);
        return;
    }
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().title, QStringLiteral("Results directory"));
    QCOMPARE(answerer.seen.first().text,
             "Unexisting results directory '" + directory + "'\n Please select a new results directory.");
}

void TstProjectSettingsDlg::coordinatorPortFallsBackAndShowsTheOutcome_data()
{
    QTest::addColumn<QStringList>("ports");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("lastCom");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("listed") << kPorts << "ttyS0 [Built-in]"
                            << "ttyS0 [Built-in]" << QStringList{"ttyS0 @9600"};
    QTest::newRow("not listed") << kPorts << "ttyS9 [gone]"
                                << "ttyS0 [Built-in]" << QStringList{"ttyS0 @9600"};
    QTest::newRow("no ports") << QStringList() << "ttyS9 [gone]"
                              << "ttyS9 [gone]" << QStringList{"ttyS9 @9600"};
}

void TstProjectSettingsDlg::coordinatorPortFallsBackAndShowsTheOutcome()
{
    QFETCH(QStringList, ports);
    QFETCH(QString, stored);
    QFETCH(QString, lastCom);
    QFETCH(QStringList, opened);
    m_settings.lastCom = stored;
    m_dialog = makeDialog(ports);
    QCOMPARE(m_dialog->projectSettings().lastCom, lastCom);
    QCOMPARE(m_coordinatorOpened, opened);
    auto *combo = widget<QComboBox>("cmbCOM");
    QCOMPARE(combo->property("error").toBool(), false);
    if (ports.isEmpty())
        return;
    combo->setCurrentText("ttyBAD [broken]");
    QCOMPARE(m_coordinatorOpened.last(), QStringLiteral("ttyBAD @9600"));
    QCOMPARE(combo->property("error").toBool(), true);
    QCOMPARE(m_dialog->projectSettings().lastCom, QStringLiteral("ttyBAD [broken]"));
}

void TstProjectSettingsDlg::storedPrintersMapToTheBoxes_data()
{
    using Printers = QList<PrinterEntry>;
    QTest::addColumn<Printers>("stored");
    QTest::addColumn<bool>("ticket");
    QTest::addColumn<bool>("serial");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<Printers>("printers");
    const PrinterEntry usb = {PrinterSerial, "ttyUSB0 [USB serial]"};
    const PrinterEntry ticket = {PrinterTicket, ""};
    QTest::newRow("none") << Printers() << false << false << QStringList() << Printers();
    QTest::newRow("ticket") << Printers{ticket} << true << false << QStringList() << Printers{ticket};
    QTest::newRow("serial, listed port")
        << Printers{usb, ticket} << true << true
        << QStringList{"ttyUSB0 [USB serial] @9600", "ttyUSB0 [USB serial] @9600"} << Printers{usb, ticket};
    QTest::newRow("serial, port not listed")
        << Printers{{PrinterSerial, "ttyS9 [gone]"}} << false << true << QStringList{"ttyS0 [Built-in] @9600"}
        << Printers{{PrinterSerial, "ttyS0 [Built-in]"}};
}

void TstProjectSettingsDlg::storedPrintersMapToTheBoxes()
{
    QFETCH(QList<PrinterEntry>, stored);
    QFETCH(bool, ticket);
    QFETCH(bool, serial);
    QFETCH(QStringList, opened);
    QFETCH(QList<PrinterEntry>, printers);
    m_settings.printers = stored;
    m_dialog = makeDialog();
    QCOMPARE(widget<QCheckBox>("chkTicketPrinter")->isChecked(), ticket);
    QCOMPARE(widget<QCheckBox>("chkSerialPrinter")->isChecked(), serial);
    QCOMPARE(widget<QComboBox>("cmbCOMSerialPrinter")->isHidden(), !serial);
    QCOMPARE(widget<QComboBox>("cmbPrinting")->isEnabled(), !stored.isEmpty());
    QCOMPARE(m_printer->opened, opened);
    QCOMPARE(m_dialog->projectSettings().printers, printers);
}

void TstProjectSettingsDlg::tickedPrintersMakeTheList()
{
    m_dialog = makeDialog();
    auto *serial = widget<QCheckBox>("chkSerialPrinter");
    auto *ticket = widget<QCheckBox>("chkTicketPrinter");
    auto *ports = widget<QComboBox>("cmbCOMSerialPrinter");
    auto *printing = widget<QComboBox>("cmbPrinting");
    serial->click();
    QVERIFY(!ports->isHidden());
    QVERIFY(m_printer->opened.isEmpty()); // ticking opens nothing
    m_printer->opens = false;
    ports->setCurrentIndex(1);
    QCOMPARE(m_printer->opened, QStringList{"ttyUSB0 [USB serial] @9600"});
    QCOMPARE(ports->property("error").toBool(), true);
    ticket->click();
    printing->setCurrentIndex(1);
    QCOMPARE(m_dialog->projectSettings().printers,
             (QList<PrinterEntry>{{PrinterSerial, "ttyUSB0 [USB serial]"}, {PrinterTicket, ""}}));
    serial->click();
    ticket->click();
    QVERIFY(ports->isHidden());
    QVERIFY(m_dialog->projectSettings().printers.isEmpty());
    QVERIFY(!printing->isEnabled());
    QCOMPARE(m_dialog->projectSettings().printerOption, quint8(2));
}

void TstProjectSettingsDlg::storedModesMapToTheLists_data()
{
    QTest::addColumn<ModesRow>("row");
    const QStringList onOff = {"On", "Off"};
    QTest::newRow("remote recall, beeps off")
        << ModesRow{{2, 4, 6, 2, 1}, onOff, {4, 0, 6, 1, 1}, "Sound volume: 37 %"};
    QTest::newRow("automatic recall, beeps off")
        << ModesRow{{1, 4, 12, 1, 2}, {"On"}, {1, 3, 12, 0, 2}, "Sound volume: 75 %"};
    QTest::newRow("beeps 3, automatic operation mode, no print option")
        << ModesRow{{2, 3, 16, 3, 0}, onOff, {1, 5, 16, -1, 2}, "Sound volume: 100 %"};
    QTest::newRow("volume code without a step, print option 3")
        << ModesRow{{2, 1, 7, 1, 3}, onOff, {1, 5, 16, 0, 2}, "Sound volume: 100 %"};
}

void TstProjectSettingsDlg::storedModesMapToTheLists()
{
    QFETCH(ModesRow, row);
    const auto [recallMode, beeps, volume, userMode, printOption] = row.stored;
    m_settings.recallSoundMode = recallMode;
    m_settings.recallBeepsMode = beeps;
    m_settings.audioVolume = quint8(volume);
    m_settings.userSelectedOperationMode = userMode;
    m_settings.printerOption = quint8(printOption);
    m_dialog = makeDialog();
    auto *beepsList = widget<QComboBox>("cmbRecallBeepsMode");
    const auto entries = [beepsList] {
        QStringList texts;
        for (int index = 0; index < beepsList->count(); ++index)
            texts << beepsList->itemText(index);
        return texts;
    };
    const ProjectSettings &result = m_dialog->projectSettings();
    QCOMPARE(entries(), row.beepsEntries);
    const std::array<int, 5> shown = {
        result.recallBeepsMode, widget<QSlider>("hslVolume")->value(), result.audioVolume,
        widget<QComboBox>("cmbOperationMode")->currentIndex(), result.printerOption};
    QCOMPARE(shown, row.shown);
    QCOMPARE(widget<QLabel>("lblVolume")->text(), row.volumeLabel);
    QCOMPARE(result.userSelectedOperationMode, userMode); // a mode without an entry stays

    // another recall mode while the dialog runs always ends on "On"
    widget<QComboBox>("cmbRecallSoundMode")->setCurrentIndex(recallMode == 1 ? 1 : 0);
    QCOMPARE(entries(), recallMode == 1 ? (QStringList{"On", "Off"}) : QStringList{"On"});
    QCOMPARE(beepsList->currentText(), QStringLiteral("On"));
    QCOMPARE(result.recallBeepsMode, 1);
}

void TstProjectSettingsDlg::textsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("texts"); // the two volume labels, then the recall sound entries
    QTest::newRow("built-in") << QString()
                              << QStringList{"Sound volume: 37 %", "Headset volume: 87 %", "On", "Off"};
    QTest::newRow("German") << "de_Deutsch"
                            << QStringList{"Lautstärke: 37 %", "Kopfhörer-Lautstärke: 87 %", "Ein", "Aus"};
    QTest::newRow("Dutch") << "nl_Nederlands"
                           << QStringList{"Volume: 37 %", "Volume koptelefoon: 87 %", "Aan", "Uit"};
}

// The recall sound entries are translated and still give the stored mode; the volume labels follow a
// language change while the dialog is open.
void TstProjectSettingsDlg::textsFollowTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, texts);
    m_settings.recallSoundMode = 2;
    m_settings.recallBeepsMode = 4;
    m_settings.audioVolume = 6;
    m_settings.headsetVolume = 14;
    auto translation = std::make_unique<Language>(language);
    QCOMPARE(translation->loaded(), !language.isEmpty());
    m_dialog = makeDialog();
    auto *beeps = widget<QComboBox>("cmbRecallBeepsMode");
    const auto shown = [this, beeps] {
        return QStringList{widget<QLabel>("lblVolume")->text(), widget<QLabel>("lblHeadsetVolume")->text(),
                           beeps->itemText(0), beeps->itemText(1)};
    };
    QCOMPARE(shown(), texts);
    QCOMPARE(beeps->currentIndex(), 1);
    const ProjectSettings &result = m_dialog->projectSettings();
    QCOMPARE(result.recallBeepsMode, 4);
    beeps->setCurrentIndex(0);
    QCOMPARE(result.recallBeepsMode, 1);
    beeps->setCurrentIndex(1);
    QCOMPARE(result.recallBeepsMode, 4);

    translation.reset(); // back to the built-in texts; the entries keep the language they were made in
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(shown(), (QStringList{"Sound volume: 37 %", "Headset volume: 87 %", texts[2], texts[3]}));
    QCOMPARE(result.recallBeepsMode, 4);
}

int main(int argc, char **argv)
{
    return runDialogTests<TstProjectSettingsDlg>(argc, argv);
}

#include "tst_projectsettingsdlg.moc"
