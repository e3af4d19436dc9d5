#pragma once

#include <optional>

#include <QByteArray>
#include <QtGlobal>

// What a block recorded around one start, as it describes it in its graph replies.
struct SimRaceRecord {
    quint8 lane = 1;
    bool wired = false;
    std::optional<int> reactionMs;   // none: the athlete never left the block
    quint32 startClockMs = 0;        // the coordinator's clock at the gun
    std::optional<int> soundDelayMs; // none: the sound reaches outer lanes a little later
};

// Items of the graph reply (0x08): header items 1-8 and the force samples in chunks 16-24.
QByteArray simReactionGraphItems(const SimRaceRecord &record);

// Items of the sound-graph reply (0x0A): items 1, 2, 3, 5, 7-10 and the microphone samples in chunks.
QByteArray simSoundGraphItems(const SimRaceRecord &record);

// The force samples alone (count x width bytes, big-endian), for checking the curve.
QByteArray simReactionSamples(const SimRaceRecord &record);
