#pragma once

#include <array>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include "core/sharedtypes.h"
#include "devices/cstartblockmeasurement.h"
#include "devices/deviceimage.h"

class QIODevice;
struct DeviceItem;

// The program's image of one start block: its radio address, the settings it reports (info fields),
// the participant placed in its lane, its participation in the race and the requests sent to it.
//
// The unsigned char* of new_info_field points into the reply's payload and is valid only while the
// signal is emitted: receivers that keep the value copy it.
class CStartBlock : public QObject, public DeviceImage
{
    Q_OBJECT

public:
    explicit CStartBlock(QObject *parent = nullptr);
    ~CStartBlock() override;

    void HandlePacket(unsigned char command, unsigned short length, unsigned char *data);
    void SetInfoFields(unsigned short length, unsigned char *data);

    // Not owned: the main window (or a file reader) creates it, usually with this block as parent.
    CStartBlockMeasurement *measurement() const { return m_measurement; }
    void setMeasurement(CStartBlockMeasurement *measurement) { m_measurement = measurement; }

    int participationStatus() const { return m_participationStatus; }
    void setParticipationStatus(int status) { m_participationStatus = status; }
    bool isProbed() const { return m_probed; }
    void setProbed(bool probed) { m_probed = probed; }

    QString participantId() const { return m_participantId; }
    QString participantName() const { return m_participantName; }
    QString participantInfo() const { return m_participantInfo; }
    void SetParticipantId(const QString &id);
    void SetParticipantName(const QString &name);
    void SetParticipantInfo(const QString &info);

    // Info fields of a block alone, in host order; the common ones come with DeviceImage.
    quint8 lane() const { return m_lane; }
    void setLane(quint8 lane) { m_lane = lane; }
    std::array<quint8, 2> reservedBytes() const { return m_reserved; }
    quint16 falseStartLimit() const { return m_falseStartLimit; }
    quint16 sensitivity() const { return m_sensitivity; }
    quint16 startSensitivity() const { return m_startSensitivity; }
    quint16 infoField10() const { return m_infoField10; }
    quint8 infoField11() const { return m_infoField11; }
    quint16 infoField12() const { return m_infoField12; }
    quint16 infoField13() const { return m_infoField13; }
    quint16 stabilitySensitivity() const { return m_stabilitySensitivity; }

    // blockCount: the number of blocks in the set, which sets how many requests the check looks at.
    void CheckMeasurementsStatus(int blockCount);
    // A link state known otherwise than from the request log (the port is gone); handed to the measurement.
    void SetMeasurementsStatus(int status);
    void CountAnsweredQuestions();
    int requestsSent() const { return m_requestsSent; }
    int requestsAnswered() const { return m_requestsAnswered; }

    quint32 GetSavedSize() const;
    bool SaveToDevice(QIODevice *device) const;
    bool LoadFromBuffer(int version, const char *data, qint64 length);

signals:
    void new_info_field(unsigned char type, unsigned char length, unsigned char *data);
    void new_info_fields_set(CStartBlock *startblock);
    void participant_id_set(QString id);
    void participant_name_set(QString name);
    void participant_info_set(QString info);

private:
    void storeInfoItem(const DeviceItem &item);
    quint32 measurementSize() const;
    void ensureMeasurement();
    bool readRecord(int version, const char *data, qint64 length);

    int m_participationStatus = ParticipationActive;
    quint8 m_lane = 0;
    std::array<quint8, 2> m_reserved{}; // kept for the file, set by nothing
    quint16 m_falseStartLimit = 0;
    quint16 m_sensitivity = 0;
    quint16 m_startSensitivity = 0;
    quint16 m_infoField10 = 0;
    quint8 m_infoField11 = 0;
    quint16 m_infoField12 = 0;
    quint16 m_infoField13 = 0;
    quint16 m_stabilitySensitivity = 0;
    QPointer<CStartBlockMeasurement> m_measurement;
    QString m_participantId;
    QString m_participantName;
    QString m_participantInfo;
    int m_requestsSent = 0;
    int m_requestsAnswered = 0;
    bool m_probed = false;
};
