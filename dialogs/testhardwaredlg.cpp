#include "dialogs/testhardwaredlg.h"

#include <QEvent>

#include "core/sharedconstants.h"
#include "ui_testhardwaredlg.h"

namespace
{
constexpr int kAllRow = 0; // "ALL" heads the lane choice
}

TestHardwareDlg::TestHardwareDlg(QWidget *parent, TestProcedureHost &host)
    : QDialog(parent), ui(std::make_unique<Ui::TestHardwareDlg>()), m_sequence(host)
{
    ui->setupUi(this);
    ui->cmbLane->setModel(&m_laneModel);
    m_sequence.setStartDelaySeconds(ui->hslStartDelay->value());
    showTexts();
    connect(&m_loopTimer, &QTimer::timeout, this, &TestHardwareDlg::OnLoopEventFired);
    connect(ui->hslStartDelay, &QSlider::valueChanged, this, &TestHardwareDlg::OnHslStartDelayValueChanged);
    connect(ui->btnTest, &QPushButton::clicked, this, &TestHardwareDlg::OnBtnTestClicked);
    connect(ui->btnCancel, &QPushButton::clicked, this, &TestHardwareDlg::OnBtnCancelClicked);
}

TestHardwareDlg::~TestHardwareDlg() = default;

void TestHardwareDlg::SetStartBlocks(const QList<CStartBlock *> &blocks)
{
    m_sequence.setStartBlocks(blocks);
    m_laneModel.setStringList(QStringList(tr("ALL")) + m_sequence.laneTexts());
}

void TestHardwareDlg::OnLoopEventFired()
{
    m_sequence.tick(isAllChosen());
    ui->lblAction->setText(m_sequence.actionText());
    if (!m_sequence.isRunning())
        m_loopTimer.stop();
    else if (m_loopTimer.interval() != m_sequence.intervalMs())
        m_loopTimer.start(m_sequence.intervalMs());
}

void TestHardwareDlg::OnHslStartDelayValueChanged(int value)
{
    m_sequence.setStartDelaySeconds(value);
    showTexts();
}

void TestHardwareDlg::OnBtnTestClicked()
{
    m_loopTimer.stop();
    if (m_sequence.start(isAllChosen(), ui->cmbLane->currentText()))
        m_loopTimer.start(m_sequence.intervalMs());
}

void TestHardwareDlg::OnBtnCancelClicked()
{
    reject();
}

void TestHardwareDlg::reject()
{
    // Escape and the close button land here too: none of them may leave a lane switched off
    if (!m_cancelled) {
        m_cancelled = true;
        m_loopTimer.stop();
        m_sequence.cancel();
    }
    QDialog::reject();
}

void TestHardwareDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        if (m_laneModel.rowCount() > kAllRow)
            m_laneModel.setData(m_laneModel.index(kAllRow), tr("ALL"));
        showTexts();
        ui->lblAction->setText(m_sequence.actionText());
    }
    QDialog::changeEvent(event);
}

void TestHardwareDlg::showTexts()
{
    setWindowTitle(QString::fromLatin1(SharedConstants::kWindowTitle) + tr(": Built in test"));
    ui->lblStartDelay->setText(tr("Start delay (%1 s)").arg(ui->hslStartDelay->value()));
}

bool TestHardwareDlg::isAllChosen() const
{
    return ui->cmbLane->currentIndex() == kAllRow;
}
