// Feeds arbitrary byte streams from up to four TCP clients to the start-time service, each client with its
// own receive buffer, and checks every answer it gives. Input: chunks of [client, length, bytes...].
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/utilities.h"
#include "outputs/lanframe.h"
#include "outputs/startgatewayservice.h"
#include "quietapplication.h"

namespace
{

constexpr int kClients = 4;

HX_GPS_TIME start(quint8 id, quint8 fill)
{
    unsigned char bytes[HX_GPS_TIME::kSize];
    std::fill(bytes, bytes + HX_GPS_TIME::kSize, fill);
    bytes[0] = id;
    return HX_GPS_TIME::fromBytes(bytes);
}

void check(const QByteArray &reply)
{
    const std::optional<LanFrame> frame = LanFrame::parse(reply);
    if (!frame)
        __builtin_trap();
    const quint8 type = frame->type();
    if (type != LanFrame::InfoReply && type != LanFrame::StartReply && type != LanFrame::NumberOfStartsReply)
        __builtin_trap();
    if (type == LanFrame::StartReply && frame->items().size() != 6)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    quietApplication();
    StartGatewayService gateway(nullptr, {}, false); // nothing listens and nothing is broadcast
    gateway.setCoordinatorMac(QStringLiteral("0c:00:00:00:00:01"));
    gateway.setStarterName(QStringLiteral("Starter"));
    gateway.OnNewGpsStart(start(1, 0x11));
    gateway.OnNewGpsStart(start(2, 0x22));
    gateway.markStartsStale();
    gateway.OnNewGpsStart(start(2, 0x33));
    QObject::connect(&gateway, &StartGatewayService::new_orvane_alert, &gateway,
                     [](unsigned char type, unsigned short length, unsigned char *value) {
                         if (type != 1 || length != 1 || !value)
                             __builtin_trap();
                     });

    QByteArray pending[kClients];
    size_t pos = 0;
    while (pos + 2 <= size) {
        const int client = data[pos] % kClients;
        const size_t length = std::min<size_t>(data[pos + 1], size - pos - 2);
        const QByteArray chunk(reinterpret_cast<const char *>(data + pos + 2), qsizetype(length));
        pos += 2 + length;
        for (const QByteArray &reply : gateway.startServer().answer(pending[client], chunk))
            check(reply);
        if (pending[client].size() > kSplitBufferLimit)
            __builtin_trap();
    }
    return 0;
}
