#pragma once

#include <array>

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include "core/sharedtypes.h"
#include "devices/deviceimage.h"
#include "devices/devicestatusfields.h"

class QIODevice;
struct DeviceItem;

// The program's image of the coordinator (central unit): its radio address, info and status fields,
// the radio spectrum it measured, the start times it reported and the requests sent to it.
//
// The unsigned char* of the item signals points into the reply's payload and is valid only while the
// signal is emitted: receivers that keep the value copy it.
class CCoordinator : public QObject, public DeviceImage
{
    Q_OBJECT

public:
    static constexpr quint8 kInitialBattery = DeviceStatusFields::kInitialBattery;
    static constexpr int kSpectrumChannels = 16; // radio channels 11 to 26
    static constexpr qint32 kSecondsPerDay = 86400;

    explicit CCoordinator(QObject *parent = nullptr);
    ~CCoordinator() override;

    void HandlePacket(unsigned char command, unsigned short length, unsigned char *data);
    void SetInfoFields(unsigned short length, unsigned char *data);
    void SetStatusFields(unsigned short length, unsigned char *data);
    void SetSetStatusFields(unsigned short length, unsigned char *data);
    void SetStartIndication(unsigned short length, unsigned char *data);
    void SetSpectrum(unsigned short length, unsigned char *data);
    void SetNewStart(unsigned short length, unsigned char *data);

    // Info fields of the coordinator alone, in host order; the common ones come with DeviceImage.
    quint8 headsetVolume() const { return m_headsetVolume; }
    quint32 photoFinishDevice() const { return m_photoFinishDevice; }
    quint32 infoField26() const { return m_infoField26; }
    float calibration() const; // info field 26 read as an IEEE-754 single

    // Status fields, in host order.
    quint8 state() const { return m_status.state; }
    quint8 battery() const { return m_status.battery; }
    quint8 statusField3() const { return m_status.statusField3; }
    quint16 statusField7() const { return m_statusField7; }
    quint8 statusField8() const { return m_statusField8; }
    quint8 statusField9() const { return m_statusField9; }
    quint8 statusField10() const { return m_statusField10; }
    quint8 statusField12() const { return m_statusField12; }
    quint32 statusField13() const { return m_statusField13; }
    quint32 previousStatusField13() const { return m_previousStatusField13; }
    quint16 statusField14() const { return m_status.statusField14; }
    quint16 statusField15() const { return m_status.statusField15; }
    quint16 errorCode() const { return m_errorCode; }
    quint32 statusField17() const { return m_status.statusField17; }
    quint64 statusField18() const { return m_status.statusField18; }
    quint8 statusField20() const { return m_statusField20; }
    quint8 statusField21() const { return m_statusField21; }
    quint16 statusField22() const { return m_statusFields22To27[0]; }
    quint16 statusField23() const { return m_statusFields22To27[1]; }
    quint16 statusField24() const { return m_statusFields22To27[2]; }
    quint16 statusField25() const { return m_statusFields22To27[3]; }
    quint16 statusField26() const { return m_statusFields22To27[4]; }
    quint16 statusField27() const { return m_statusFields22To27[5]; }
    // Ready is repeated only while the counter (field 18, ms) is below the limit (field 17, s).
    bool isTimeWindowOpen() const;

    bool hasSpectrum() const { return !m_spectrum.isNull(); }
    QByteArray spectrum() const { return m_spectrum; } // null before the first spectrum reply
    quint8 spectrumCurrentChannel() const { return m_spectrumCurrentChannel; }

    const QList<HX_GPS_TIME> &startTimes() const { return m_startTimes; }
    bool HasTimeOfDayOverflow() const;
    bool isPowerDownAcknowledged() const { return m_powerDownAcknowledged; }

    // blockCount: the number of blocks in the set, which sets how many requests the check looks at.
    void CheckMeasurementsStatus(int blockCount);
    void SetMeasurementsStatus(int status);

    quint32 GetSavedSize() const;
    bool SaveToDevice(QIODevice *device) const;
    bool LoadFromBuffer(int version, const char *data, qint64 length);

signals:
    void new_info_field(unsigned char type, unsigned char length, unsigned char *data); // never emitted
    void new_info_fields_set(CCoordinator *coordinator);
    void new_status_field(unsigned char type, unsigned char length, unsigned char *data);
    void new_set_status_field(unsigned char type, unsigned char length, unsigned char *data);
    void new_start_indication();
    void new_spectrum();
    void check_measurements_status();
    void new_start_time(HX_GPS_TIME time);
    void set_all_devices_power_down();

private:
    void storeInfoItem(const DeviceItem &item);
    void storeStatusItem(quint8 id, quint8 length, unsigned char *value);
    void storePhotoFinishReady(quint8 length, unsigned char *value);
    void storeErrorCode(quint8 length, unsigned char *value);
    void storeClock(quint8 length, unsigned char *value);
    void appendSpectrumBytes(quint8 length, const unsigned char *value, int &filled);
    void addStartIfNew(const HX_GPS_TIME &start);
    bool readRecord(int version, const char *data, qint64 length);

    DeviceStatusFields m_status;
    quint8 m_headsetVolume = 0;
    quint32 m_photoFinishDevice = 0;
    quint32 m_infoField26 = 0;
    quint16 m_statusField7 = 0;
    quint8 m_statusField8 = 0;
    quint8 m_statusField9 = 0;
    quint8 m_statusField10 = 0;
    quint8 m_statusField12 = 0;
    quint32 m_statusField13 = 0;
    quint32 m_previousStatusField13 = 0;
    quint16 m_errorCode = 0;
    quint8 m_statusField20 = 0;
    quint8 m_statusField21 = 0;
    std::array<quint16, 6> m_statusFields22To27{};

    QList<HX_GPS_TIME> m_startTimes;
    QByteArray m_spectrum;
    quint8 m_spectrumCurrentChannel = 0;
    bool m_powerDownAcknowledged = false;
};
