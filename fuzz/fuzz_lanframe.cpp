// Feeds arbitrary bytes to the LAN frame reader, as one received frame and as a payload to frame, and
// reads the items of every frame it accepts by each request type's table.
#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QLoggingCategory>

#include "outputs/lanframe.h"

namespace
{

void readAllTables(const LanFrame &frame)
{
    qsizetype walked = 0;
    for (const LanFrame::Item &item : frame.items())
        walked += LanFrame::kItemHeaderSize + item.value.size();
    if (walked > frame.payload().size())
        __builtin_trap();
    for (const LanFrame::Item &item : frame.takeItems({{1, 2}}, "start"))
        if (item.tag != 1 || item.value.size() != 2)
            __builtin_trap();
    frame.takeItems({{1, 4}, {2, 4}, {3, 4}, {4, 4}}, "number of starts");
    frame.takeItems({{1, 1}}, "alert");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool quiet = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false")); // the reader's debug texts
        return true;
    }();
    (void)quiet;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    if (const std::optional<LanFrame> frame = LanFrame::parse(bytes)) {
        if (LanFrame::build(frame->counter(), frame->type(), frame->payload()) != bytes)
            __builtin_trap();
        readAllTables(*frame);
    }

    const QByteArray built = LanFrame::build(0x1234, 6, bytes);
    const std::optional<LanFrame> again = LanFrame::parse(built);
    if (!again || again->payload() != bytes || again->counter() != 0x1234 || again->type() != 6)
        __builtin_trap();
    readAllTables(*again);
    return 0;
}
