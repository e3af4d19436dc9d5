// Feeds arbitrary replies to the dispatch of a start block (with its measurement) and of a coordinator,
// several per input so that state carries over, and checks that the stored graphs keep their shape.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "quietdebug.h"

namespace
{

void checkShape(const CStartBlockMeasurement &measurement, const CCoordinator &coordinator)
{
    const ReactionGraph &graph = measurement.graph();
    const SoundGraph &sound = measurement.soundGraph();
    if (measurement.hasGraph() && graph.samples.size() != qsizetype(graph.sampleWidth) * graph.sampleCount)
        __builtin_trap();
    if (measurement.hasSoundGraph() &&
        sound.samples.size() != qsizetype(sound.sampleWidth) * sound.sampleCount)
        __builtin_trap();
    if (coordinator.hasSpectrum() && coordinator.spectrum().size() != CCoordinator::kSpectrumChannels)
        __builtin_trap();
}

} // namespace

// libFuzzer calls this once, before the first input.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    silenceDebugOutput();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CStartBlock block;
    CStartBlockMeasurement measurement;
    block.setMeasurement(&measurement);
    measurement.setReactionAccepted(size % 2 == 0);
    CCoordinator coordinator;
    size_t pos = 0;
    // each packet: command, payload length (one byte), payload
    while (pos + 2 <= size) {
        const unsigned char command = data[pos];
        const size_t length = std::min<size_t>(data[pos + 1], size - pos - 2);
        // a buffer of exactly the payload's size, so that any read past it is caught
        std::vector<unsigned char> payload(data + pos + 2, data + pos + 2 + length);
        block.HandlePacket(command, static_cast<unsigned short>(length), payload.data());
        coordinator.HandlePacket(command, static_cast<unsigned short>(length), payload.data());
        checkShape(measurement, coordinator);
        pos += 2 + length;
    }
    block.CheckMeasurementsStatus(int(size % 300));
    measurement.ComputeGraphPeak();
    coordinator.HasTimeOfDayOverflow();
    return 0;
}
