#include "sim/simgraphs.h"

#include <cmath>

#include <QtEndian>

#include "sim/simdefaults.h"
#include "sim/simframe.h"
#include "sim/simprotocol.h"

namespace
{

using namespace SimDefaults;
using namespace SimProtocol;

constexpr int kSensorMax = 4095;
constexpr int kByteMax = 255;
constexpr quint8 kSourcePulse = 1;
constexpr quint8 kSourceWirelessData = 2;
constexpr quint32 kNoiseMultiplier = 1103515245u;
constexpr quint32 kNoiseIncrement = 12345u;
constexpr int kNoiseShift = 16;
constexpr quint32 kNoiseSeedPerLane = 7919u;

// Small deterministic sensor noise, the same for the same lane in every race.
class Noise
{
public:
    explicit Noise(quint32 seed) : m_state(seed) {}
    int next(int peakToPeak)
    {
        m_state = m_state * kNoiseMultiplier + kNoiseIncrement;
        return int((m_state >> kNoiseShift) % quint32(peakToPeak + 1)) - peakToPeak / 2;
    }

private:
    quint32 m_state;
};

int forceAt(int index, int crossing, Noise &noise)
{
    const int onset = crossing - kGraphTrigger / kGraphRiseSlope;
    const int plateau = onset + kGraphPushAmplitude / kGraphRiseSlope;
    double push = 0.0;
    if (index >= onset && index < plateau)
        push = double(kGraphRiseSlope) * (index - onset);
    else if (index >= plateau)
        push = kGraphPushAmplitude * std::exp(-double(index - plateau) / kGraphDecayMs);
    return qBound(0, kGraphBaseline + int(push) + noise.next(kGraphNoise), kSensorMax);
}

int soundAt(int index, int soundIndex, Noise &noise)
{
    const int t = index - soundIndex;
    double wave = 0.0;
    if (t >= 0)
        wave = kSoundAmplitude * std::exp(-double(t) / kSoundDecayMs) *
               std::sin(2.0 * M_PI * t / kSoundPeriodMs + M_PI / 2.0);
    return qBound(0, kSoundCentre + int(wave) + noise.next(2), kByteMax);
}

void appendChunks(QByteArray &items, const QByteArray &samples)
{
    quint8 id = kFirstChunkId;
    for (qsizetype pos = 0; pos < samples.size() && id <= kLastChunkId; pos += kMaxChunkBytes, ++id)
        appendSimItem(items, id, samples.mid(pos, kMaxChunkBytes));
}

int soundDelayMs(const SimRaceRecord &record)
{
    return record.soundDelayMs.value_or(kSoundDelayPerLaneMs * record.lane);
}

QByteArray soundSamples(const SimRaceRecord &record)
{
    Noise noise(kNoiseSeedPerLane * record.lane + 1);
    QByteArray samples(kSoundSamples * kSoundWidth, Qt::Uninitialized);
    const int soundIndex = kSoundStartIndex + soundDelayMs(record);
    for (int i = 0; i < kSoundSamples; ++i)
        samples[i] = char(soundAt(i, soundIndex, noise));
    return samples;
}

} // namespace

QByteArray simReactionSamples(const SimRaceRecord &record)
{
    Noise noise(kNoiseSeedPerLane * record.lane);
    QByteArray samples(kGraphSamples * kGraphWidth, Qt::Uninitialized);
    // without a reaction the push never comes inside the record
    const int crossing = record.reactionMs ? kGraphStartIndex + *record.reactionMs : kGraphSamples * 2;
    for (int i = 0; i < kGraphSamples; ++i)
        qToBigEndian(quint16(forceAt(i, crossing, noise)), samples.data() + i * kGraphWidth);
    return samples;
}

QByteArray simReactionGraphItems(const SimRaceRecord &record)
{
    const quint16 reaction = record.reactionMs ? quint16(qint16(*record.reactionMs)) : kNoReaction;
    QByteArray items;
    appendSimItem8(items, GraphWidth, kGraphWidth);
    appendSimItem16(items, GraphStartIndex, kGraphStartIndex);
    appendSimItem16(items, GraphCount, kGraphSamples);
    appendSimItem16(items, GraphOffset, kGraphBaseline);
    appendSimItem16(items, GraphSensitivity, kGraphTrigger);
    appendSimItem16(items, GraphReaction, reaction);
    appendSimItem8(items, GraphSource, record.wired ? kSourcePulse : kSourceWirelessData);
    appendSimItem16(items, GraphRawReaction, reaction);
    appendChunks(items, simReactionSamples(record));
    return items;
}

QByteArray simSoundGraphItems(const SimRaceRecord &record)
{
    const quint32 start = record.startClockMs;
    QByteArray items;
    appendSimItem8(items, GraphWidth, kSoundWidth);
    appendSimItem16(items, GraphStartIndex, kSoundStartIndex);
    appendSimItem16(items, GraphCount, kSoundSamples);
    appendSimItem16(items, SoundLevel, kSoundLevel);
    appendSimItem32(items, SoundStartTime, start);
    appendSimItem32(items, SoundStartSoundTime, start + quint32(soundDelayMs(record)));
    appendSimItem32(items, SoundWirelessTime, record.wired ? 0 : start + kWirelessLatencyMs);
    appendSimItem32(items, SoundPulseTime, record.wired ? start : 0);
    appendChunks(items, soundSamples(record));
    return items;
}
