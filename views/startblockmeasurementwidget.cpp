#include "views/startblockmeasurementwidget.h"

#include <algorithm>

#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/projectsettings.h"
#include "core/sharedconstants.h"
#include "devices/serialclock.h"
#include "dialogs/startblockinfodlg.h"
#include "ui_startblockmeasurementwidget.h"
#include "views/graphtheme.h"
#include "views/graphviews.h"
#include "views/loggingdlg.h"
#include "views/startblockmeasurementsstatusdlg.h"
#include "views/viewhost.h"
#include "views/widgetlook.h"

namespace
{

constexpr quint8 kLaneItem = 2;
constexpr unsigned char kMeasurementActiveItem = 11;
constexpr quint8 kLowestLinkQuality = 51;
constexpr int kLinkQualitySpan = 204;
constexpr int kFullScale = 255;
constexpr quint8 kFullBattery = 234;
constexpr double kBatterySpan = 31.0;
constexpr double kGradientEdge = 0.01;
// free room after the club name, so that it never reads as one word with the signal beside it; wider
// than a word space in the largest theme font
constexpr int kInfoSignalGap = 10;
constexpr int kInfoMinimumWidth = 60; // an empty club keeps its column

enum StatusItem : unsigned char {
    kStateItem = 1,
    kBatteryItem = 2,
    kReactionItem = 4,
    kLinkItem = 7,
    kErrorItem = 16,
    kSyncItem = 19,
};

enum ComboIndex : int { kComboActive, kComboDns, kComboDq, kComboRup, kComboInactive };

// ShowStatus index: 1..3 the device states, 4..8 a participation value plus 3.
constexpr const char *kStatusImages[] = {
    nullptr, ":/customicons/idle",     ":/customicons/ready",    ":/customicons/started",
    nullptr, ":/customicons/inactive", ":/customicons/inactive", ":/customicons/inactive",
    nullptr,
};
constexpr int kStatusImageCount = int(sizeof(kStatusImages) / sizeof(kStatusImages[0]));
constexpr int kParticipationImageOffset = 3;

constexpr char kRupComboStyle[] = "QComboBox#cmbParticipationStatus { background-color:red;} "
                                  "QComboBox#cmbParticipationStatus:on {background-color: red ; }";
constexpr char kGraphErrorStyle[] = "QPushButton#btnGraph {background-color: rgb(192, 0, 0);}";
constexpr char kMeasurementsBadStyle[] =
    "QPushButton#btnMeasurements {background-color: rgb(192, 0, 0);} QPushButton#btnMeasurements:hover "
    "{background-color: rgb(255, 0, 0);} QPushButton#btnMeasurements:pressed {background-color: rgb(128, 0, "
    "0);}";
constexpr char kMeasurementsGoodStyle[] =
    "QPushButton#btnMeasurements {background-color: qlineargradient(spread:repeat, x1: 0, y1: 0, x2: 1, y2: "
    "0, stop: 0 rgb(0, 192, 20), stop: %1 rgb(0, 192, 20), stop: %2 white, stop: 1 white);} "
    "QPushButton#btnMeasurements:hover {background-color: qlineargradient(spread:repeat, x1: 0, y1: 0, x2: "
    "1, y2: 0, stop: 0 rgb(0, 255, 20), stop: %1 rgb(0, 255, 20), stop: %2 white, stop: 1 "
    "white);}QPushButton#btnMeasurements:pressed {background-color: qlineargradient(spread:repeat, x1: 0, "
    "y1: 0, x2: 1, y2: 0, stop: 0 rgb(0, 128, 20), stop: %1 rgb(0, 128, 20), stop: %2 white, stop: 1 "
    "white);}";

// The row's own colours stay off the dialog it opens, and come back when the dialog closes.
class StyleSheetPause
{
public:
    explicit StyleSheetPause(QWidget *widget) : m_widget(widget), m_saved(widget->styleSheet())
    {
        widget->setStyleSheet(QString());
    }
    ~StyleSheetPause()
    {
        if (m_widget)
            m_widget->setStyleSheet(m_saved);
    }
    StyleSheetPause(const StyleSheetPause &) = delete;
    StyleSheetPause &operator=(const StyleSheetPause &) = delete;

private:
    QPointer<QWidget> m_widget;
    QString m_saved;
};

QString gradientStop(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

StartBlockMeasurementWidget::StartBlockMeasurementWidget(ViewHost *host, QWidget *parent, bool live)
    : QWidget(parent), ui(std::make_unique<Ui::StartBlockMeasurementWidget>()), m_host(host), m_live(live),
      m_clock(std::make_shared<SerialClock>())
{
    ui->setupUi(this);
    ui->lblAthleteInfo->setContentsMargins(0, 0, kInfoSignalGap, 0);
    ui->lblAthleteInfo->installEventFilter(this); // a new font asks for other room
    fillParticipationCombo();
    replaceInfoIcon();
    ui->lblLane->show();
    ui->btnLane->hide();
    ui->btnLane->setProperty("mismatch", false);
    SetAlarm(false);
    connectButtons();
    if (!live) {
        ui->cmbParticipationStatus->setEnabled(false);
        ui->btnMeasurements->hide();
        ui->lblStatusIcon->hide();
    }
}

StartBlockMeasurementWidget::~StartBlockMeasurementWidget() = default;

void StartBlockMeasurementWidget::setClock(std::shared_ptr<SerialClock> clock)
{
    if (clock)
        m_clock = std::move(clock);
}

void StartBlockMeasurementWidget::fillParticipationCombo()
{
    // the untranslated name rides along, so a placeholder is found in any language
    for (const QString &name : SharedConstants::participationStatusCombo())
        ui->cmbParticipationStatus->addItem(SharedConstants::translatedGlobal(name), name);
    ui->cmbParticipationStatus->setCurrentIndex(kComboActive);
}

void StartBlockMeasurementWidget::replaceInfoIcon()
{
    const QIcon icon = QIcon::fromTheme(QStringLiteral("dialog-information"));
    ui->btnInfo->setIcon(QIcon(icon.pixmap(ui->btnInfo->sizeHint())));
}

void StartBlockMeasurementWidget::connectButtons()
{
    connect(ui->btnGraph, &QPushButton::clicked, this, &StartBlockMeasurementWidget::OnBtnGraphClicked);
    connect(ui->btnInfo, &QPushButton::clicked, this, &StartBlockMeasurementWidget::OnBtnInfoClicked);
    connect(ui->btnLogging, &QPushButton::clicked, this, &StartBlockMeasurementWidget::OnBtnLogClicked);
    connect(ui->btnResync, &QPushButton::clicked, this, &StartBlockMeasurementWidget::OnBtnResyncClicked);
    connect(ui->btnSoundGraph, &QPushButton::clicked, this,
            &StartBlockMeasurementWidget::OnBtnSoundGraphClicked);
    connect(ui->btnMeasurements, &QPushButton::clicked, this,
            &StartBlockMeasurementWidget::OnBtnMeasurementsClicked);
    connect(ui->cmbParticipationStatus, qOverload<int>(&QComboBox::currentIndexChanged), this,
            qOverload<int>(&StartBlockMeasurementWidget::OnParticipationStatusIndexChanged));
    connect(ui->btnLane, &QPushButton::clicked, this, &StartBlockMeasurementWidget::OnBtnLaneClicked);
}

QComboBox *StartBlockMeasurementWidget::participationStatusCombo() const
{
    return ui->cmbParticipationStatus;
}

QPushButton *StartBlockMeasurementWidget::graphButton() const
{
    return ui->btnGraph;
}

// ---------------------------------------------------------------------------------------------------
// what the owners set

void StartBlockMeasurementWidget::SetParticipationStatus(unsigned status)
{
    const int index = status >= ParticipationActive && status <= ParticipationRup
                          ? SharedConstants::comboIndexFromParticipationStatus(int(status))
                          : kComboActive;
    ui->cmbParticipationStatus->setCurrentIndex(index);
}

void StartBlockMeasurementWidget::SetParticipationStatusEnabled(bool enabled)
{
    ui->cmbParticipationStatus->setEnabled(enabled);
}

int StartBlockMeasurementWidget::participationShown() const
{
    return SharedConstants::participationStatusFromComboIndex(ui->cmbParticipationStatus->currentIndex());
}

void StartBlockMeasurementWidget::SetAccessLevel(int level)
{
    m_accessLevel = level;
    ui->btnInfo->setVisible(level > ModeOperator);
    ui->btnLogging->setVisible(level > ModeOperator);
    ui->btnSoundGraph->setVisible(level > ModeAdministrator);
    ui->btnResync->setVisible(level > ModeAdministrator);

    const int participation = participationShown();
    const bool racing = participation != ParticipationDns && participation != ParticipationDq &&
                        participation != ParticipationInactive;
    ui->btnMeasurements->setEnabled(m_live && racing);
    ui->btnResync->setEnabled(m_live && racing);
    const bool settable = participation == ParticipationActive || participation == ParticipationRup;
    ui->btnInfo->setEnabled(level > ModeOperator && settable);
    ui->btnLogging->setEnabled(level > ModeOperator && settable);
    // the number belongs to level 2 only; it must not linger after the level drops
    showLinkQuality();
}

void StartBlockMeasurementWidget::SetLane(unsigned char lane, bool compare)
{
    const QString text = QString::number(lane);
    if (!compare) {
        ui->lblLane->setText(text);
        ui->btnLane->setText(text);
        return;
    }
    const QString setLane = ui->btnLane->isHidden() ? ui->lblLane->text() : ui->btnLane->text();
    const bool mismatch = setLane != text;
    ui->lblLane->setVisible(!mismatch);
    ui->btnLane->setVisible(mismatch);
    WidgetLook::setStyleProperty(ui->btnLane, "mismatch", mismatch);
}

int StartBlockMeasurementWidget::DisplayedLane() const
{
    return ui->lblLane->text().toInt();
}

void StartBlockMeasurementWidget::SetAthleteIdText(const QString &text)
{
    ui->lblAthleteID->setText(text);
}

void StartBlockMeasurementWidget::SetAthleteNameText(const QString &text)
{
    ui->lblAthleteName->setFullText(text);
}

void StartBlockMeasurementWidget::SetAthleteInfoText(const QString &text)
{
    ui->lblAthleteInfo->setText(text);
    fitAthleteInfo();
}

// ---------------------------------------------------------------------------------------------------
// reaction, alarm, signal, graphs

void StartBlockMeasurementWidget::UpdateReactionTime(short ms)
{
    if (!m_measurement || m_measurement->reactionIsNoValue() ||
        quint16(ms) == CStartBlockMeasurement::kReactionNoValue) {
        clearReaction();
        return;
    }
    ShowReactionTime(ms);
    if (quint16(ms) == CStartBlockMeasurement::kReactionNone)
        return;
    // the block's own limit; a negative reaction is always below it
    SetAlarm(m_startBlock && int(ms) < int(m_startBlock->falseStartLimit()));
}

void StartBlockMeasurementWidget::ShowReactionTime(short ms)
{
    const quint16 raw = quint16(ms);
    if (raw == CStartBlockMeasurement::kReactionNoValue) {
        ui->lblReactionTime->clear();
        return;
    }
    const QString value =
        raw == CStartBlockMeasurement::kReactionNone ? tr("None") : QStringLiteral("%1ms").arg(ms);
    ui->lblReactionTime->setText(tr("%1").arg(value));
}

void StartBlockMeasurementWidget::clearReaction()
{
    SetAlarm(false);
    WidgetLook::clear(ui->lblReactionTime);
}

void StartBlockMeasurementWidget::SetAlarm(bool alarm)
{
    WidgetLook::setStyleProperty(ui->lblReactionTime, "alarm", alarm);
}

void StartBlockMeasurementWidget::ShowSignal(int signal)
{
    ui->lblSignal->setText(QString::number(signal));
}

void StartBlockMeasurementWidget::ShowErrorCode()
{
    const bool error = m_measurement && m_measurement->errorCode() != 0;
    WidgetLook::setStyleSheet(ui->btnGraph, error ? QString::fromLatin1(kGraphErrorStyle) : QString());
}

void StartBlockMeasurementWidget::UpdateGraphButtons()
{
    ui->btnGraph->setEnabled(m_measurement && m_measurement->hasGraph());
    ui->btnSoundGraph->setEnabled(m_measurement && m_measurement->hasSoundGraph());
}

void StartBlockMeasurementWidget::OnMeasurementNewGraph()
{
    ui->btnGraph->setEnabled(true);
    const bool held = m_measurement && m_measurement->hasGraph();
    ShowSignal(held ? int(m_measurement->graph().peak) : 0);
}

void StartBlockMeasurementWidget::OnMeasurementGraphReset()
{
    WidgetLook::clear(ui->lblSignal);
    ui->btnGraph->setEnabled(false);
    ui->btnSoundGraph->setEnabled(false);
}

void StartBlockMeasurementWidget::OnMeasurementSoundGraphReceived()
{
    ui->btnSoundGraph->setEnabled(true);
    ShowErrorCode();
}

void StartBlockMeasurementWidget::OnAlarmReceived()
{
    SetAlarm(true);
}

// ---------------------------------------------------------------------------------------------------
// device signals

void StartBlockMeasurementWidget::OnStartBlockNewInfoField(unsigned char type, unsigned char length,
                                                           unsigned char *data)
{
    if (type == kLaneItem && length >= 1 && data)
        SetLane(data[0], true);
}

void StartBlockMeasurementWidget::OnMeasurementNewStatusField(unsigned char type, unsigned char,
                                                              unsigned char *)
{
    if (!m_measurement)
        return;
    switch (type) {
    case kStateItem:
        ShowStatus(m_measurement->state());
        break;
    case kBatteryItem:
    case kLinkItem:
        checkMeasurementsStatus();
        break;
    case kReactionItem:
        UpdateReactionTime(m_measurement->reactionTimeMs());
        break;
    case kMeasurementActiveItem:
        handleMeasurementActive();
        break;
    case kErrorItem:
        ShowErrorCode();
        break;
    case kSyncItem:
        handleSyncReport();
        break;
    default:
        break;
    }
}

void StartBlockMeasurementWidget::OnParticipantIDSet(QString id)
{
    ui->lblAthleteID->setText(id);
}

void StartBlockMeasurementWidget::OnParticipantNameSet(QString name)
{
    ui->lblAthleteName->setFullText(name);
}

void StartBlockMeasurementWidget::OnParticipantInfoSet(QString info)
{
    ui->lblAthleteInfo->setText(info);
    fitAthleteInfo();
}

void StartBlockMeasurementWidget::ShowStatus(int imageIndex)
{
    const char *image =
        imageIndex > 0 && imageIndex < kStatusImageCount ? kStatusImages[imageIndex] : nullptr;
    if (image)
        WidgetLook::setPixmap(ui->lblStatusIcon, QPixmap(QString::fromLatin1(image)));
    else
        WidgetLook::clear(ui->lblStatusIcon);
}

// The block measures only while it takes part; a block that says otherwise is corrected.
void StartBlockMeasurementWidget::handleMeasurementActive()
{
    if (!m_startBlock || !m_live)
        return;
    const int participation = m_startBlock->participationStatus();
    const bool active = m_measurement->measurementActive() != 0;
    if ((participation == ParticipationActive || participation == ParticipationRup) && !active) {
        qDebug() << "Widget Set measurement active";
        emit set_status_field_request(kMeasurementActiveItem, QVariant(true), m_startBlock);
    } else if ((participation == ParticipationDns || participation == ParticipationDq ||
                participation == ParticipationInactive) &&
               active) {
        qDebug() << "Widget Set measurement inactive";
        emit set_status_field_request(kMeasurementActiveItem, QVariant(false), m_startBlock);
    }
}

// ---------------------------------------------------------------------------------------------------
// synchronisation watchdog and the link button

void StartBlockMeasurementWidget::handleSyncReport()
{
    if (!m_measurement->hasNewSyncValue())
        m_syncWatchdogStart.reset();
    else if (!m_syncWatchdogStart)
        m_syncWatchdogStart = m_clock->steadyMs();
    checkMeasurementsStatus();
}

bool StartBlockMeasurementWidget::syncWithinTolerance()
{
    if (!m_measurement->hasNewSyncValue())
        return false;
    const qint32 offset = qint32(m_measurement->synchronisationValue());
    if (offset >= -kSyncTolerance && offset <= kSyncTolerance) {
        if (m_syncWatchdogStart)
            m_syncWatchdogStart = m_clock->steadyMs();
        return true;
    }
    if (m_syncWatchdogStart && m_clock->steadyMs() - *m_syncWatchdogStart > kSyncWatchdogMs) {
        // asked once; a new fresh report must start the watchdog again
        m_syncWatchdogStart.reset();
        m_measurement->ClearSyncFlag();
        if (m_live && m_startBlock)
            emit set_resync_request(m_startBlock);
    }
    return false;
}

void StartBlockMeasurementWidget::checkMeasurementsStatus()
{
    if (!m_measurement)
        return;
    const bool syncOk = syncWithinTolerance();
    const bool good = m_measurement->linkState() != LinkLost &&
                      m_measurement->battery() > CStartBlockMeasurement::kInitialBattery && syncOk;
    SetMeasurementsButtonStyle(!good);
}

void StartBlockMeasurementWidget::SetMeasurementsButtonStyle(bool bad)
{
    if (bad) {
        WidgetLook::setStyleSheet(ui->btnMeasurements, QString::fromLatin1(kMeasurementsBadStyle));
    } else {
        const quint8 battery =
            m_measurement ? m_measurement->battery() : CStartBlockMeasurement::kInitialBattery;
        double first = 0.0;
        double second = kGradientEdge;
        if (battery >= kFullBattery) {
            first = second = 1.0;
        } else if (battery > CStartBlockMeasurement::kInitialBattery) {
            first = (battery - CStartBlockMeasurement::kInitialBattery) / kBatterySpan;
            second = first + kGradientEdge;
        }
        WidgetLook::setStyleSheet(
            ui->btnMeasurements,
            QString::fromLatin1(kMeasurementsGoodStyle).arg(gradientStop(first), gradientStop(second)));
    }
    showLinkQuality();
}

void StartBlockMeasurementWidget::showLinkQuality()
{
    if (m_accessLevel < ModeAdministratorFull || !m_measurement) {
        ui->btnMeasurements->setText(QString());
        return;
    }
    const int quality = std::max(m_measurement->statusField6(), kLowestLinkQuality);
    ui->btnMeasurements->setText(
        QString::number((quality - kLowestLinkQuality) * kFullScale / kLinkQualitySpan));
}

// ---------------------------------------------------------------------------------------------------
// participation

void StartBlockMeasurementWidget::OnParticipationStatusIndexChanged(int index)
{
    if (!m_startBlock)
        return;
    WidgetLook::setStyleSheet(ui->cmbParticipationStatus, QString());
    const int participation = SharedConstants::participationStatusFromComboIndex(index);
    switch (index) {
    case kComboActive:
        applyParticipationToGraphs();
        break;
    case kComboDns:
        clearReaction();
        if (m_live && m_host)
            m_host->noteParticipationChosen(ParticipationDns);
        OnMeasurementGraphReset();
        break;
    case kComboDq:
        if (m_live && m_host)
            m_host->noteParticipationChosen(ParticipationDq);
        break;
    case kComboRup:
        WidgetLook::setStyleSheet(ui->cmbParticipationStatus, QString::fromLatin1(kRupComboStyle));
        applyParticipationToGraphs();
        break;
    case kComboInactive:
        clearReaction();
        OnMeasurementGraphReset();
        break;
    default:
        break;
    }
    ShowStatus(participation + kParticipationImageOffset);
    m_startBlock->setParticipationStatus(participation);
    SetAccessLevel(m_accessLevel);
    emit participation_status_changed(m_startBlock);
}

void StartBlockMeasurementWidget::applyParticipationToGraphs()
{
    if (m_measurement && m_measurement->hasGraph())
        OnMeasurementNewGraph();
    if (m_measurement && m_measurement->hasSoundGraph())
        OnMeasurementSoundGraphReceived();
}

void StartBlockMeasurementWidget::OnParticipationStatusIndexChanged(QString status)
{
    static const QStringList names = {QStringLiteral("ACTIVE"), QStringLiteral("DNS"), QStringLiteral("DQ"),
                                      QStringLiteral("RUP")};
    const qsizetype found = names.indexOf(status);
    const int index = found < 0 ? kComboInactive : int(found);
    {
        const QSignalBlocker blocker(ui->cmbParticipationStatus);
        ui->cmbParticipationStatus->setCurrentIndex(index);
    }
    OnParticipationStatusIndexChanged(index);
}

// ---------------------------------------------------------------------------------------------------
// buttons

QString StartBlockMeasurementWidget::blockMacText() const
{
    return m_startBlock ? m_startBlock->GetMacAddress() : QString();
}

void StartBlockMeasurementWidget::OnBtnLaneClicked(bool)
{
    if (!m_startBlock || !m_live)
        return;
    const QString setLane = ui->btnLane->text();
    const QString blockLane = QString::number(m_startBlock->lane());
    QMessageBox box(QMessageBox::Warning, tr("Warning"),
                    tr("Unmatching lane numbers found in set and starting block."), QMessageBox::NoButton,
                    this);
    box.setInformativeText(
        tr("Found lane %1 in startblock unit and lane %2 in set. Please select the correct number")
            .arg(blockLane, setLane));
    QPushButton *keepSetLane = box.addButton(tr("Lane") + QLatin1Char(' ') + setLane, QMessageBox::YesRole);
    QPushButton *keepBlockLane =
        box.addButton(tr("Lane") + QLatin1Char(' ') + blockLane, QMessageBox::NoRole);
    box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    box.exec();
    if (!m_startBlock)
        return;
    if (box.clickedButton() == keepSetLane) {
        emit set_info_field_request(kLaneItem, QVariant(setLane.toInt()), m_startBlock);
        if (m_startBlock) {
            m_startBlock->SetParticipantId(QString());
            m_startBlock->SetParticipantName(QString());
            m_startBlock->SetParticipantInfo(QString());
        }
    } else if (box.clickedButton() == keepBlockLane) {
        emit update_lane_in_set(blockMacText(), quint8(setLane.toUInt()), quint8(blockLane.toUInt()));
    }
}

void StartBlockMeasurementWidget::OnBtnResyncClicked()
{
    if (!m_startBlock || !m_live)
        return;
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, tr("Resync startblock"),
        tr("Are you sure you want to resynchronize starting block %1").arg(m_startBlock->lane()),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes && m_startBlock)
        emit set_resync_request(m_startBlock);
}

void StartBlockMeasurementWidget::OnBtnMeasurementsClicked()
{
    if (!m_measurement)
        return;
    const StyleSheetPause pause(this);
    StartBlockMeasurementsStatusDlg dialog(this);
    dialog.SetStartBlock(m_measurement);
    dialog.exec();
}

void StartBlockMeasurementWidget::OnBtnGraphClicked()
{
    if (!m_startBlock || !m_measurement)
        return;
    const StyleSheetPause pause(this);
    runGraphDialog();
}

void StartBlockMeasurementWidget::OnBtnSoundGraphClicked()
{
    if (!m_startBlock || !m_measurement)
        return;
    const StyleSheetPause pause(this);
    runSoundGraphDialog();
}

void StartBlockMeasurementWidget::OnBtnLogClicked()
{
    if (!m_startBlock)
        return;
    const StyleSheetPause pause(this);
    runLogDialog();
}

void StartBlockMeasurementWidget::OnBtnInfoClicked()
{
    if (!m_startBlock)
        return;
    const StyleSheetPause pause(this);
    runInfoDialog();
}

QString StartBlockMeasurementWidget::graphImageFileName() const
{
    if (!m_startBlock)
        return QString();
    const QString lane = QString::number(m_startBlock->lane());
    if (m_live) {
        if (!m_host)
            return QString();
        const QString name = m_host->raceFileName() + QStringLiteral("_lane") + lane;
        return QDir(m_host->generalSettings().resultsDir).filePath(name);
    }
    return m_fileName.isEmpty() ? QString() : QStringLiteral("%1_lane%2").arg(m_fileName, lane);
}

// The club is shown whole: when the row is short of room the athlete's name gives way, not the club.
void StartBlockMeasurementWidget::fitAthleteInfo()
{
    QLabel *info = ui->lblAthleteInfo;
    info->setMinimumWidth(qMax(kInfoMinimumWidth, info->sizeHint().width()));
}

bool StartBlockMeasurementWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lblAthleteInfo &&
        (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
        fitAthleteInfo();
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------------
// language

void StartBlockMeasurementWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        QComboBox *combo = ui->cmbParticipationStatus;
        const QSignalBlocker blocker(combo);
        const int index = combo->currentIndex();
        combo->clear();
        fillParticipationCombo();
        combo->setCurrentIndex(index);
    }
    QWidget::changeEvent(event);
}

// ---------------------------------------------------------------------------------------------------
// the dialogs the row opens

GraphTheme StartBlockMeasurementWidget::graphTheme() const
{
    return m_host ? graphThemeOf(m_host->currentStyle()) : GraphTheme();
}

void StartBlockMeasurementWidget::runGraphDialog()
{
    GraphViews::runLaneGraphDialog(this, m_startBlock, m_measurement, m_accessLevel, graphImageFileName(),
                                   graphTheme());
}

void StartBlockMeasurementWidget::runSoundGraphDialog()
{
    GraphViews::runLaneSoundGraphDialog(this, m_startBlock, m_measurement, graphTheme());
}

void StartBlockMeasurementWidget::runLogDialog()
{
    LoggingDlg dialog(this);
    dialog.setStartBlock(m_startBlock);
    dialog.fill();
    dialog.exec();
}

void StartBlockMeasurementWidget::runInfoDialog()
{
    const StartBlockCommonSettings expected =
        m_host ? m_host->startBlockSettings() : StartBlockCommonSettings();
    StartBlockInfoDlg dialog(this, m_live, expected);
    dialog.Fill(m_startBlock, m_accessLevel);
    if (dialog.exec() != QDialog::Accepted || !m_live || !m_startBlock)
        return;
    // the dialog asks before it lists what changed; the block may have gone while it asked
    const QList<InfoFieldRequest> changes = dialog.ConfirmChanges(this, *m_startBlock);
    for (const InfoFieldRequest &change : changes) {
        if (m_startBlock)
            emit set_info_field_request(change.type, change.value, m_startBlock);
    }
}
