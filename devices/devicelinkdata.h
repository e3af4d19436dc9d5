#pragma once

#include <array>

#include <QByteArray>
#include <QList>
#include <QString>

#include "core/sharedtypes.h"

// What a start block and the coordinator hold alike about their link: the radio address, the name of
// the set the device was loaded from and the log of requests sent to it, with the link state derived
// from that log.
class RecordReader;
class RecordWriter;

class DeviceLinkData
{
public:
    static constexpr int kMacSize = 6;

    QString macText() const;
    // Takes "hh:hh:hh:hh:hh:hh" (either case); anything else leaves the address unchanged.
    bool setMacText(const QString &text);
    QByteArray macBytes() const;
    void setMacBytes(const unsigned char *bytes);

    QString setName() const { return m_setName; }
    void setSetName(const QString &name) { m_setName = name; }

    const QList<PACKET_LOG> &requestLog() const { return m_requestLog; }
    void appendRequestLog(const PACKET_LOG &entry) { m_requestLog.append(entry); }
    // Stamps the newest entry only, and only when it is the request that was answered.
    bool stampReplyTime(quint16 sequence, quint32 ms);
    void clearRequestLog() { m_requestLog.clear(); }
    int answeredRequests() const;

    // The file form of the log: byte count, then 10 bytes per entry (all little-endian).
    quint32 savedLogSize() const;
    void writeRequestLog(RecordWriter &record) const;
    // Appends the entries of a stored log; a byte count that is no multiple of 10 drops the rest.
    void readRequestLog(RecordReader &record);
    void writeMac(RecordWriter &record) const;
    void readMac(RecordReader &record);

    // Number of newest status requests among which one answer means a good link; the arithmetic is on
    // signed 8-bit values, so sixteen blocks or more give 0 (link lost).
    static qint8 linkWindow(int blockCount);
    LinkState linkState(int blockCount) const;

private:
    std::array<unsigned char, kMacSize> m_mac{};
    QString m_setName;
    QList<PACKET_LOG> m_requestLog;
};
