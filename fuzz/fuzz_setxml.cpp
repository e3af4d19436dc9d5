// Feeds arbitrary bytes to the start-block set file reader and checks what it returns: every set's devices
// belong to it, and no set holds more blocks than the reader admits.
#include <cstddef>
#include <cstdint>

#include <QBuffer>

#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "dialogs/setxmlreader.h"
#include "quietdebug.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool quiet = (silenceDebugOutput(), true);
    (void)quiet;
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    const SetList sets = readSetsFromXml(buffer);
    for (const auto &set : sets) {
        if (set->blocks.size() > kMaxBlocksPerSet ||
            (set->coordinator && set->coordinator->parent() != set.get()))
            __builtin_trap();
        for (const CStartBlock *block : set->blocks) {
            if (block->parent() != set.get() || block->GetMacAddress().size() != 17)
                __builtin_trap();
        }
    }
    return 0;
}
