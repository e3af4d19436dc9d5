#include "dialogs/deviceidentification.h"

#include "devices/cserialcomthread.h"
#include "devices/cstartblock.h"
#include "dialogs/devicesettingsinputs.h"
#include "dialogs/projectsettingsvalues.h"

namespace
{

// the maker's address block: only a real reply fills the stand-in's MAC with it
const QByteArray kMakerPrefix = QByteArrayLiteral("\x15\x8d\x00");

} // namespace

DeviceIdentification::DeviceIdentification() = default;

DeviceIdentification::~DeviceIdentification() = default;

void DeviceIdentification::begin(CSerialComThread &serial, const QString &portText, bool fast)
{
    serial.StopQuestionsTimer();
    m_baudRate = serial.baudRate();
    serial.OpenPort(portText, fast ? kIdentifyBaudRate : kPlainBaudRate);
    // opening starts polling again, which would talk over the reply
    serial.StopQuestionsTimer();
    m_target = std::make_unique<CStartBlock>();
    serial.setIdentifyStartBlock(m_target.get());
}

DeviceIdentification::Outcome DeviceIdentification::collect(CSerialComThread &serial, Reply *reply)
{
    serial.clearIdentifyStartBlock();
    if (m_target && m_target->macBytes().startsWith(kMakerPrefix)) {
        // a later identification gets its four attempts again
        m_failedAttempts = 0;
        if (reply) {
            reply->mac = m_target->GetMacAddress();
            reply->panId = m_target->panId();
            reply->lane = m_target->lane();
            reply->coordinator = kCoordinatorVersions.productEntry(m_target->productVersion()) >= 0;
        }
        return Outcome::Identified;
    }
    if (++m_failedAttempts < kMaxAttempts)
        return Outcome::RetryDue;
    m_failedAttempts = 0;
    return Outcome::GaveUp;
}

void DeviceIdentification::restore(CSerialComThread &serial, const QString &portText)
{
    serial.OpenPort(portText, ProjectSettingsValues::reopenBaudRate(m_baudRate));
    serial.setCycleCounter(0);
    serial.ResumeQuestions();
    m_target.reset();
}
