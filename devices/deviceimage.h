#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "core/sharedtypes.h"
#include "devices/deviceinfofields.h"
#include "devices/devicelinkdata.h"

struct DeviceItem;

// What the program keeps alike about a start block and the coordinator: the link (radio address, set
// name, request log and the link state derived from it) and the info fields both report, with their
// getters and the one rule that stores a reported item of them.
class DeviceImage
{
public:
    QString GetMacAddress() const { return m_link.macText(); }
    void SetMacAddress(const QString &text) { m_link.setMacText(text); }
    QByteArray macBytes() const { return m_link.macBytes(); }
    QString startBlockSetName() const { return m_link.setName(); }
    void setStartBlockSetName(const QString &name) { m_link.setSetName(name); }

    // Info fields, in host order.
    quint16 softwareVersion() const { return m_info.softwareVersion; }
    quint32 hardwareVersion() const { return m_info.hardwareVersion; }
    quint32 operationMode() const { return m_info.operationMode; }
    quint8 module() const { return m_info.module; }
    qint8 transmitPower() const { return qint8(m_info.transmitPower); } // dBm
    quint8 audioChannel() const { return m_info.audioChannel; }
    quint32 startSoundMode() const { return m_info.startSoundMode; }
    quint32 recallSoundMode() const { return m_info.recallSoundMode; }
    quint8 audioVolume() const { return m_info.audioVolume; }
    quint32 recallBeepsMode() const { return m_info.recallBeepsMode; }
    quint16 panId() const { return m_info.panId; }
    quint16 productVersion() const { return m_info.productVersion; }

    const QList<PACKET_LOG> &requestLog() const { return m_link.requestLog(); }
    void appendRequestLog(const PACKET_LOG &entry) { m_link.appendRequestLog(entry); }
    bool stampReplyTime(quint16 sequence, quint32 ms) { return m_link.stampReplyTime(sequence, ms); }
    void ClearQuestionLog() { m_link.clearRequestLog(); }
    int linkState() const { return m_linkState; }

protected:
    DeviceImage() = default;
    ~DeviceImage() = default; // never deleted through this type

    // Stores the MAC or a common info field; false for any other id, which the device stores itself.
    bool storeCommonInfoItem(const DeviceItem &item);

    DeviceLinkData m_link;
    DeviceInfoFields m_info;
    int m_linkState = LinkUnknown;
};
