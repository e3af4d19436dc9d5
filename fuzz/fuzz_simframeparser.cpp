// Feeds arbitrary bytes, in pieces, to the simulator's frame parser and checks every frame it returns.
#include <cstddef>
#include <cstdint>

#include <QByteArray>

#include "core/utilities.h"
#include "sim/simframeparser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    SimFrameParser parser;
    size_t pos = 0;
    while (pos < size) {
        // the first byte of each piece says how long it is
        const size_t chunk = std::min<size_t>(size - pos - 1, data[pos]);
        const QByteArray piece(reinterpret_cast<const char *>(data + pos + 1), qsizetype(chunk));
        pos += chunk + 1;
        for (const SimFrameParser::Event &event : parser.feed(piece)) {
            if (event.kind != SimFrameParser::Event::Frame)
                continue;
            if (event.frame.mac.size() != SimFrame::kMacLength || event.frame.items.size() > 2033)
                __builtin_trap();
            if (encodeSimFrame(event.frame).size() != event.frame.items.size() + SimFrame::kOverhead)
                __builtin_trap();
            parseSimItems(event.frame.items);
        }
        if (parser.bufferedBytes() > SimFrameParser::kBufferLimit)
            __builtin_trap();
    }
    return 0;
}
