#pragma once

#include <memory>
#include <optional>

#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>

#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"

class QComboBox;
class QEvent;
class QPushButton;
class SerialClock;
class ViewHost;
struct GraphTheme;

namespace Ui
{
class StartBlockMeasurementWidget;
}

// One lane of the measurement view: the athlete's participation, the lane, the reaction time (white on
// red below the block's false-start limit), the block's state, its link and battery, the athlete and the
// buttons of the block's graphs, settings, packet log and resynchronisation. A live row follows its
// block and measurement through their signals; a read-only row (an opened file) is filled once by its
// tab and never sends anything nor touches the running race. Every device request leaves as a signal.
class StartBlockMeasurementWidget : public QWidget
{
    Q_OBJECT

public:
    // Out of tolerance for longer than this, the block is asked to resynchronise.
    static constexpr qint64 kSyncWatchdogMs = 29999;
    static constexpr qint32 kSyncTolerance = 1000;

    // host: the window whose race and settings the row reads; may be null for a read-only row.
    StartBlockMeasurementWidget(ViewHost *host, QWidget *parent, bool live);
    ~StartBlockMeasurementWidget() override;

    // Assigned by the owner after construction; neither is owned, both may go away first.
    void setStartBlock(CStartBlock *startBlock) { m_startBlock = startBlock; }
    CStartBlock *startBlock() const { return m_startBlock; }
    void setMeasurement(CStartBlockMeasurement *measurement) { m_measurement = measurement; }
    CStartBlockMeasurement *measurement() const { return m_measurement; }
    bool isLive() const { return m_live; }
    int accessLevel() const { return m_accessLevel; }
    // The synchronisation watchdog's time source; a test sets one it moves by hand.
    void setClock(std::shared_ptr<SerialClock> clock);
    bool isSyncWatchdogRunning() const { return m_syncWatchdogStart.has_value(); }
    // A read-only row names its graph picture after the file its tab shows.
    void setFileName(const QString &fileName) { m_fileName = fileName; }

    QComboBox *participationStatusCombo() const;
    QPushButton *graphButton() const;

    void SetParticipationStatus(unsigned status);
    void SetParticipationStatusEnabled(bool enabled);
    void SetAccessLevel(int level);
    void SetLane(unsigned char lane, bool compare);
    int DisplayedLane() const;
    void UpdateReactionTime(short ms);
    void ShowReactionTime(short ms);
    void SetAlarm(bool alarm);
    void ShowSignal(int signal);
    void ShowErrorCode();
    void UpdateGraphButtons();
    void SetAthleteIdText(const QString &text);
    void SetAthleteNameText(const QString &text);
    void SetAthleteInfoText(const QString &text);
    // "<results folder>/<race file name>_lane<L>" for a live row, "<file>_lane<L>" for a read-only one.
    QString graphImageFileName() const;

signals:
    void set_info_field_request(unsigned char type, QVariant data, CStartBlock *startBlock);
    void set_status_field_request(unsigned char type, QVariant data, CStartBlock *startBlock);
    void participation_status_changed(CStartBlock *startBlock);
    void update_lane_in_set(QString mac, unsigned char oldLane, unsigned char newLane);
    void set_resync_request(CStartBlock *startBlock);

public slots:
    void OnStartBlockNewInfoField(unsigned char type, unsigned char length, unsigned char *data);
    void OnMeasurementNewStatusField(unsigned char type, unsigned char length, unsigned char *data);
    void OnParticipantIDSet(QString id);
    void OnParticipantNameSet(QString name);
    void OnParticipantInfoSet(QString info);
    void OnMeasurementNewGraph();
    void OnMeasurementGraphReset();
    void OnMeasurementSoundGraphReceived();
    void OnAlarmReceived();
    void OnBtnGraphClicked();
    void OnBtnInfoClicked();
    void OnBtnLogClicked();
    void OnBtnResyncClicked();
    void OnBtnSoundGraphClicked();
    void OnBtnMeasurementsClicked();
    void checkMeasurementsStatus();
    void OnParticipationStatusIndexChanged(int index);
    void OnParticipationStatusIndexChanged(QString status);
    void OnBtnLaneClicked(bool clicked);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillParticipationCombo();
    void fitAthleteInfo();
    void replaceInfoIcon();
    void connectButtons();
    void ShowStatus(int imageIndex);
    int participationShown() const;
    void applyParticipationToGraphs();
    void clearReaction();
    void handleMeasurementActive();
    void handleSyncReport();
    bool syncWithinTolerance();
    void SetMeasurementsButtonStyle(bool bad);
    void showLinkQuality();
    QString blockMacText() const;

    // The dialogs each button opens; they come with the dialogs themselves.
    GraphTheme graphTheme() const;
    void runGraphDialog();
    void runSoundGraphDialog();
    void runLogDialog();
    void runInfoDialog();

    std::unique_ptr<Ui::StartBlockMeasurementWidget> ui;
    ViewHost *m_host;
    QPointer<CStartBlock> m_startBlock;
    QPointer<CStartBlockMeasurement> m_measurement;
    bool m_live;
    int m_accessLevel = 0;
    std::optional<qint64> m_syncWatchdogStart; // running while a fresh synchronisation report holds
    std::shared_ptr<SerialClock> m_clock;
    QString m_fileName;
};
