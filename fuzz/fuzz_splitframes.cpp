// Feeds arbitrary TCP chunks to the LAN frame splitter, a few chunks per input, and checks what it returns.
#include <cstddef>
#include <cstdint>

#include <QByteArray>

#include "core/utilities.h"
#include "quietdebug.h"

// libFuzzer calls this once, before the first input.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    silenceDebugOutput();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray buffer;
    size_t pos = 0;
    while (pos < size) {
        // the first byte of each piece says how long the chunk is
        const size_t chunk = std::min<size_t>(size - pos - 1, data[pos]);
        const QByteArray received(reinterpret_cast<const char *>(data + pos + 1), qsizetype(chunk));
        pos += chunk + 1;
        for (const QByteArray &frame : splitFrames(received, buffer)) {
            const auto *bytes = reinterpret_cast<const unsigned char *>(frame.constData());
            const qsizetype length = frame.size();
            if (length < 8 || bytes[0] != 0xAA || bytes[length - 1] != 0x55 ||
                (bytes[length - 3] | (bytes[length - 2] << 8)) != length - 8 ||
                crc8(bytes + 4, length - 8) != bytes[length - 4])
                __builtin_trap();
        }
        if (buffer.size() > kSplitBufferLimit)
            __builtin_trap();
    }
    return 0;
}
