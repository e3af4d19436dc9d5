#include "dialogs/testsynchronisationdlg.h"

#include <QEvent>

#include "dialogs/testprocedurehost.h"
#include "ui_testsynchronisationdlg.h"

TestSynchronisationDlg::TestSynchronisationDlg(QWidget *parent, TestProcedureHost &host)
    : QDialog(parent), ui(std::make_unique<Ui::TestSynchronisationDlg>()), m_sequence(host)
{
    ui->setupUi(this);
    ui->wgtStartSoundList->setSerialComThread(host.serialComThread());
    m_loopTimer.setInterval(SynchronisationTestSequence::kLoopIntervalMs);
    m_repeatTimer.setInterval(SynchronisationTestSequence::kRepeatIntervalMs);
    connect(&m_loopTimer, &QTimer::timeout, this, &TestSynchronisationDlg::OnLoopEventFired);
    connect(&m_repeatTimer, &QTimer::timeout, this, &TestSynchronisationDlg::OnRepeatTestTimerFired);
    connect(ui->btnRepeatTest, &QPushButton::clicked, this, &TestSynchronisationDlg::on_RepeatTest_clicked);
}

TestSynchronisationDlg::~TestSynchronisationDlg() = default;

void TestSynchronisationDlg::SetCoordinator(CCoordinator *coordinator)
{
    m_sequence.setCoordinator(coordinator);
    if (coordinator)
        ui->wgtStartSoundList->SetCoordinator(coordinator);
}

void TestSynchronisationDlg::SetStartBlocks(const QList<CStartBlock *> &blocks)
{
    m_sequence.setStartBlocks(blocks);
    ui->wgtStartSoundList->SetStartBlocks(blocks);
}

StartSoundListWidget *TestSynchronisationDlg::startSoundList() const
{
    return ui->wgtStartSoundList;
}

void TestSynchronisationDlg::on_btnCancel_clicked()
{
    reject();
}

void TestSynchronisationDlg::on_RepeatTest_clicked()
{
    if (ui->btnRepeatTest->text() == tr("Stop")) {
        m_repeatTimer.stop();
        m_sequence.setRepeating(false);
        ui->btnRepeatTest->setText(tr("Repeat Test"));
        return;
    }
    m_repeatTimer.start();
    m_sequence.setRepeating(true);
    on_btnTest_clicked();
    ui->btnRepeatTest->setText(tr("Stop"));
}

void TestSynchronisationDlg::on_btnTest_clicked()
{
    m_loopTimer.start();
    m_sequence.start();
    ui->lblAction->setText(m_sequence.actionText());
}

void TestSynchronisationDlg::OnLoopEventFired()
{
    const SynchronisationTestSequence::ListStep step = m_sequence.tick();
    ui->pgbActions->setValue(m_sequence.progress());
    ui->lblAction->setText(m_sequence.actionText());
    if (step == SynchronisationTestSequence::ListStep::HideResync)
        ui->wgtStartSoundList->SetResyncEnabled(false);
    else if (step == SynchronisationTestSequence::ListStep::RefreshTimes)
        ui->wgtStartSoundList->RefreshTimes();
    if (!m_sequence.isRunning())
        m_loopTimer.stop();
}

void TestSynchronisationDlg::OnRepeatTestTimerFired()
{
    on_btnTest_clicked();
}

void TestSynchronisationDlg::reject()
{
    // Escape and the close button land here too: none of them may leave the devices armed
    if (!m_cancelled) {
        m_cancelled = true;
        m_loopTimer.stop();
        m_repeatTimer.stop();
        m_sequence.cancel();
    }
    QDialog::reject();
}

void TestSynchronisationDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ui->lblAction->setText(m_sequence.actionText());
    }
    QDialog::changeEvent(event);
}
