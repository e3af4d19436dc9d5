#include "dialogs/deviceidentificationdlg.h"

#include <QEvent>

#include "core/sharedconstants.h"
#include "dialogs/deviceinfotexts.h"
#include "ui_deviceidentificationdlg.h"

DeviceIdentificationDlg::DeviceIdentificationDlg(QWidget *parent, const DeviceIdentification::Reply &reply)
    : QDialog(parent), ui(std::make_unique<Ui::DeviceIdentificationDlg>()), m_reply(reply)
{
    ui->setupUi(this);
    connect(ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    showReply();
}

DeviceIdentificationDlg::~DeviceIdentificationDlg() = default;

void DeviceIdentificationDlg::showReply()
{
    setWindowTitle(QLatin1String(SharedConstants::kWindowTitle) + tr(": Device Identification"));
    ui->lblSerialNumber->setText(m_reply.mac);
    ui->lblPanId->setText(DeviceInfoTexts::panId(m_reply.panId));
    ui->lblLane->setText(m_reply.coordinator ? tr("CU") : QString::number(m_reply.lane));
}

void DeviceIdentificationDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        showReply();
    }
    QDialog::changeEvent(event);
}
