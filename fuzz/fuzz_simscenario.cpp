// Feeds arbitrary text to the simulator's scenario reader; an accepted scenario must be one it can run.
#include <cstddef>
#include <cstdint>

#include <QByteArray>

#include "sim/simscenario.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const std::optional<SimScenario> scenario = parseSimScenario(json, &error);
    if (scenario && (!scenario->validate().isEmpty() || scenario->lanes.size() > SimScenario::kMaxBlocks))
        __builtin_trap();
    if (!scenario && error.isEmpty())
        __builtin_trap();
    return 0;
}
