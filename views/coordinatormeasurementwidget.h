#pragma once

#include <memory>

#include <QPointer>
#include <QVariant>
#include <QWidget>

#include "core/sharedtypes.h"
#include "devices/ccoordinator.h"

class QEvent;
class QLabel;
class QPaintEvent;
class ViewHost;
struct CoordinatorCommonSettings;

namespace Ui
{
class CoordinatorMeasurementWidget;
}

// The one-line row of the coordinator above the lanes: its state, a link button filled green with its
// battery, the photo-finish and start-system ready marks, the number of starts it holds with a "*" for a
// new start not yet looked at, and the time of its last GPS fix. A live row belongs to the main window,
// a read-only row to an opened file, which shows neither state, link button nor ready mark.
class CoordinatorMeasurementWidget : public QWidget
{
    Q_OBJECT

public:
    // host: the window whose serial protocol object the start-time list asks; may be null.
    CoordinatorMeasurementWidget(ViewHost *host, QWidget *parent, bool live);
    ~CoordinatorMeasurementWidget() override;

    // Called by the owner in this order after construction.
    void setCoordinator(CCoordinator *coordinator);
    void setApplicationMode(int mode) { m_mode = mode; }
    // The project's expected coordinator settings, kept by the owner; may be null.
    void setCoordinatorSettings(CoordinatorCommonSettings *settings);
    void UpdateApplicationMode();

    void SetApplicationMode(int mode);
    void SetLabelStyle(const QString &css);
    QLabel *statusIconLabel() const;
    CCoordinator *coordinator() const { return m_coordinator; }
    bool isLive() const { return m_live; }
    // What the spectrum dialog gets: the coordinator's spectrum, 16 zeros before its first spectrum reply.
    QByteArray spectrumLevels() const;

signals:
    void set_info_field_request_coordinator(unsigned char type, QVariant data, CCoordinator *coordinator);

public slots:
    void OnCoordinatorNewStatusField(unsigned char type, unsigned char length, unsigned char *data);
    void checkMeasurementsStatus();
    void OnCoordinatorNewStartTimeField(HX_GPS_TIME time);
    void OnBtnLogClicked();
    void OnBtnInfoClicked();
    void OnBtnMeasurementsStatusClicked();
    void OnBtnNrStartsClicked();
    void on_btnSpectrum_clicked(bool checked);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showState();
    void showReadyMark(QLabel *label, quint8 flag);
    void showStartCount();
    void showGpsTime();
    void SetMeasurementsButtonStyle(bool bad);
    bool holdsDatedStart() const;

    // The dialogs each button opens; they come with the dialogs themselves.
    void runLogDialog();
    void runSpectrumDialog();
    void runInfoDialog();
    bool runStartTimesDialog();

    std::unique_ptr<Ui::CoordinatorMeasurementWidget> ui;
    ViewHost *m_host;
    QPointer<CCoordinator> m_coordinator;
    CoordinatorCommonSettings *m_settings = nullptr;
    int m_mode = ModeOperator;
    bool m_live;
};
