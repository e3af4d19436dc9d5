// Feeds arbitrary coordinator status items (type, length, value) to the start gateway, now and then a start
// record or a link check, and checks the status payload and the start-time requests that follow.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "devices/ccoordinator.h"
#include "outputs/lanframe.h"
#include "outputs/startgatewayservice.h"
#include "quietapplication.h"

namespace
{

constexpr uint8_t kStartRecordType = 0xF0; // an input item of this type is a start record
constexpr uint8_t kLinkCheckType = 0xF1;
constexpr int kMaxStartId = 255;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    quietApplication();
    StartGatewayService gateway(nullptr, {}, false);
    int requests = 0;
    QObject::connect(&gateway, &StartGatewayService::send_starttime_request, &gateway,
                     [&requests](unsigned char type, const QVariant &id, CCoordinator *coordinator) {
                         if (type != 1 || !coordinator || id.toInt() < 1 || id.toInt() > kMaxStartId)
                             __builtin_trap();
                         ++requests;
                     });

    size_t pos = 0;
    while (pos + 2 <= size) {
        const uint8_t type = data[pos];
        const size_t length = std::min<size_t>(data[pos + 1], size - pos - 2);
        // a buffer of exactly the item's length, so reading past it is caught
        std::vector<unsigned char> value(data + pos + 2, data + pos + 2 + length);
        pos += 2 + length;
        requests = 0;
        if (type == kStartRecordType && value.size() >= size_t(HX_GPS_TIME::kSize)) {
            if (gateway.gpsState() != StartGatewayService::kGpsValid) // a valid GPS would broadcast
                gateway.OnNewGpsStart(HX_GPS_TIME::fromBytes(value.data()));
        } else if (type == kLinkCheckType) {
            gateway.OnConnectionLostTimeout();
        } else {
            gateway.OnCoordinatorNewStatusField(type, uint8_t(length),
                                                value.empty() ? nullptr : value.data());
        }
        if (requests > kMaxStartId || gateway.activeStartCount() > gateway.startCount())
            __builtin_trap();
        const std::optional<LanFrame> status = LanFrame::parse(
            LanFrame::build(gateway.frameCounter(), LanFrame::Status, gateway.buildStatusPayload()));
        if (!status || status->items().size() != 7 || status->payload().size() != 52)
            __builtin_trap();
    }
    return 0;
}
