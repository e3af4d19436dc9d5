#include "sim/siminfofields.h"

#include "sim/simdefaults.h"
#include "sim/simframe.h"
#include "sim/simprotocol.h"

namespace
{

constexpr int kMaxWidth = 8;

QByteArray bigEndian(quint64 value, int width)
{
    QByteArray bytes(width, '\0');
    for (int i = width - 1; i >= 0; --i, value >>= 8)
        bytes[i] = char(value & 0xFF);
    return bytes;
}

} // namespace

void SimInfoFields::define(quint8 id, int width, quint64 value)
{
    m_fields.insert(id, bigEndian(value, qBound(1, width, kMaxWidth)));
}

void SimInfoFields::defineBytes(quint8 id, const QByteArray &value)
{
    m_fields.insert(id, value);
}

void SimInfoFields::defineCommon(const QByteArray &mac, bool wired)
{
    using namespace SimProtocol;
    using namespace SimDefaults;
    defineBytes(InfoMac, mac);
    define(InfoSoftwareVersion, kTwoBytes, kSoftwareVersion);
    define(InfoOperationMode, kOneByte, wired ? kOperationWired : kOperationWireless);
    define(InfoModule, kOneByte, kModule);
    define(InfoTxPower, kOneByte, kTxPower);
    define(InfoAudioChannel, kOneByte, kAudioChannel);
    define(InfoStartSoundMode, kOneByte, kStartSoundMode);
    define(InfoRecallSoundMode, kOneByte, kRecallSoundMode);
    define(InfoVolume, kOneByte, kVolume);
    define(InfoRecallBeepsMode, kOneByte, kRecallBeepsMode);
    define(InfoPanId, kTwoBytes, kPanId);
}

void SimInfoFields::set(quint8 id, const QByteArray &value)
{
    if (value.isEmpty())
        return;
    const auto known = m_fields.constFind(id);
    if (known == m_fields.constEnd() || known->size() > kMaxWidth)
        m_fields.insert(id, value.left(kMaxWidth));
    else
        m_fields.insert(id, bigEndian(simBigEndianValue(value), int(known->size())));
}

quint64 SimInfoFields::value(quint8 id) const
{
    return simBigEndianValue(m_fields.value(id));
}

QByteArray SimInfoFields::items() const
{
    QByteArray items;
    for (auto it = m_fields.constBegin(); it != m_fields.constEnd(); ++it)
        appendSimItem(items, it.key(), it.value());
    return items;
}
