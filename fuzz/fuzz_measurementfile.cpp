// Feeds arbitrary bytes to the measurement file reader and to each record reader, and checks that
// whatever was read writes back exactly its announced size.
#include <cstddef>
#include <cstdint>
#include <memory>

#include <QBuffer>

#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "devices/measurementfile.h"
#include "quietdebug.h"

namespace
{

enum Reader : uint8_t { kWholeFile, kCoordinator, kBlock, kMeasurement, kReaderCount };
constexpr int kVersions = 7; // 0 to 5 and one unknown

template<typename Device>
void checkWritesItsSize(const Device &device)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!device.SaveToDevice(&buffer) || buffer.size() != qint64(device.GetSavedSize()))
        __builtin_trap();
}

void readWholeFile(const QByteArray &bytes)
{
    MeasurementFile file;
    if (!file.read(bytes))
        return;
    const std::unique_ptr<CCoordinator> coordinator = file.takeCoordinator();
    if (coordinator)
        checkWritesItsSize(*coordinator);
    for (const std::unique_ptr<CStartBlock> &block : file.takeBlocks())
        checkWritesItsSize(*block);
}

template<typename Device>
void readRecord(int version, const QByteArray &bytes)
{
    Device device;
    if (device.LoadFromBuffer(version, bytes.constData(), bytes.size()))
        checkWritesItsSize(device);
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
    if (size < 2)
        return 0;
    const int version = data[1] % kVersions;
    // a copy of exactly the record's size, so that any read past it is caught
    const QByteArray bytes(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    switch (data[0] % kReaderCount) {
    case kWholeFile:
        readWholeFile(bytes);
        break;
    case kCoordinator:
        readRecord<CCoordinator>(version, bytes);
        break;
    case kBlock:
        readRecord<CStartBlock>(version, bytes);
        break;
    default:
        readRecord<CStartBlockMeasurement>(version, bytes);
        break;
    }
    return 0;
}
