// What the project settings and the test procedures ask of race control and the live device events, which
// are built beside them: the race commands as far as the devices hear them, and the waiting status after a
// settings change. Each is only the part of that work that the devices or the store see, kept here in one
// place so that race control and the live device events take it over whole.
#include <QDebug>

#include "mainwindow/mainwindow.h"

namespace
{
constexpr unsigned char kStateField = 1; // status field 1: the device's state
} // namespace

void MainWindow::OnBroadcastReadyClicked()
{
    qDebug() << "OnBroadcastReadyClicked";
    emit set_status_field_request(kStateField, QVariant(int(DeviceReady)), &m_broadcast);
}

void MainWindow::OnBroadcastStartClicked()
{
    emit set_status_field_request(kStateField, QVariant(int(DeviceStarted)), &m_broadcast);
}

void MainWindow::OnBroadcastIdleClicked()
{
    // the race phase of every measurement returns to idle with race control
    emit set_status_field_request(kStateField, QVariant(int(DeviceIdle)), &m_broadcast);
}

void MainWindow::awaitDeviceSettings()
{
    // with the live device events: both confirmations are due again, and when the set has a device the
    // waiting status is shown until they arrive
}

void MainWindow::forgetPendingLane(quint8)
{
    // with the live device events: the lane leaves the list of devices still waited on
}

void MainWindow::refreshRaceInfo()
{
    // with race control: race, heat and start numbers shown again
}

qint32 MainWindow::currentRaceNumber() const
{
    return m_settings.raceNumber;
}
