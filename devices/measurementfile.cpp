#include "devices/measurementfile.h"

#include <algorithm>

#include <QFileDevice>
#include <QIODevice>

#include "core/sharedconstants.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "devices/recordreader.h"
#include "devices/recordwriter.h"

namespace
{

constexpr int kMagicCheckLength = 4;
constexpr int kMagicLength = 6;
constexpr int kVersionDigits = 2;
constexpr int kCountDigits = 2;
constexpr int kDecimal = 10;
constexpr quint32 kRaceHeaderFixedSize = 18;
constexpr char kCoordinatorPresent = '1';
constexpr char kNoCoordinator = '0';
constexpr int kFirstVersionWithRaceFields = 3;
constexpr qint64 kRecordSizeField = 4;

QByteArray magic()
{
    return QByteArray(SharedConstants::kMeasurementFileMagic);
}

QByteArray raceHeaderBytes(const RaceHeader &header)
{
    RecordWriter record;
    record.lengthPrefixedText(header.raceLabel);
    record.u16le(header.heat);
    record.u16le(header.start);
    record.lengthPrefixedText(header.starterName);
    record.u16le(header.falseStartLimit);
    record.lengthPrefixedText(header.comment);
    return record.data();
}

// Texts of the header end at their first zero byte.
QString beforeZero(const QString &text)
{
    const qsizetype zero = text.indexOf(QChar(0));
    return zero < 0 ? text : text.left(zero);
}

bool readRaceHeader(RecordReader part, int version, RaceHeader &header)
{
    if (version < kFirstVersionWithRaceFields) { // the header held only the comment
        header.comment = beforeZero(QString::fromLatin1(part.begin(), part.size()));
        return part.ok();
    }
    header.raceLabel = beforeZero(part.lengthPrefixedText());
    header.heat = part.u16le();
    header.start = part.u16le();
    header.starterName = beforeZero(part.lengthPrefixedText());
    header.falseStartLimit = part.u16le();
    header.comment = beforeZero(part.lengthPrefixedText());
    return part.ok();
}

// The two digits of the magic; anything but digits gives version 0.
int versionFromMagic(const QByteArray &bytes)
{
    bool ok = false;
    const int version = bytes.mid(kMagicCheckLength, kVersionDigits).toInt(&ok, kDecimal);
    return ok ? version : 0;
}

bool isDigits(const QByteArray &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](char c) { return c >= '0' && c <= '9'; });
}

bool flushed(QIODevice *device)
{
    auto *file = qobject_cast<QFileDevice *>(device);
    return !file || file->flush();
}

} // namespace

MeasurementFile::MeasurementFile() = default;

MeasurementFile::~MeasurementFile() = default;

bool MeasurementFile::hasMagic(const QByteArray &firstBytes)
{
    return firstBytes.left(kMagicCheckLength) == magic().left(kMagicCheckLength);
}

quint32 MeasurementFile::RaceHeaderSize(const RaceHeader &header)
{
    return kRaceHeaderFixedSize + quint32(RecordWriter::latin1(header.raceLabel).size()) +
           quint32(RecordWriter::latin1(header.starterName).size()) +
           quint32(RecordWriter::latin1(header.comment).size());
}

bool MeasurementFile::write(QIODevice *device, const RaceHeader &header, const CCoordinator *coordinator,
                            const QList<CStartBlock *> &blocks)
{
    if (!device || !device->isWritable() || blocks.size() > kMaxBlocks || blocks.contains(nullptr))
        return false;
    RecordWriter front;
    front.bytes(magic());
    front.u32le(RaceHeaderSize(header));
    front.bytes(raceHeaderBytes(header));
    front.u8(quint8(coordinator ? kCoordinatorPresent : kNoCoordinator));
    if (coordinator)
        front.u32le(coordinator->GetSavedSize());
    if (!front.writeTo(device) || (coordinator && !coordinator->SaveToDevice(device)))
        return false;
    RecordWriter count;
    count.bytes(QByteArray::number(blocks.size()).rightJustified(kCountDigits, '0'));
    if (!count.writeTo(device))
        return false;
    for (const CStartBlock *block : blocks) {
        RecordWriter size;
        size.u32le(block->GetSavedSize());
        if (!size.writeTo(device) || !block->SaveToDevice(device))
            return false;
    }
    return flushed(device);
}

void MeasurementFile::clear()
{
    m_version = 0;
    m_error = ReadError::None;
    m_errorEntry = 0;
    m_header = RaceHeader();
    m_coordinator.reset();
    m_blocks.clear();
}

bool MeasurementFile::read(const QByteArray &bytes)
{
    clear();
    RecordReader file(bytes.constData(), bytes.size());
    const QByteArray fileMagic = file.bytes(kMagicLength);
    m_version = versionFromMagic(fileMagic);
    if (!file.ok() || !hasMagic(fileMagic))
        return fail(ReadError::NotMeasurementFile);
    if (!isKnownRecordVersion(m_version))
        return fail(ReadError::UnknownVersion);
    const quint32 headerSize = file.u32le();
    if (!file.ok() || (headerSize != 0 && !readRaceHeader(file.take(headerSize), m_version, m_header)))
        return fail(ReadError::RaceHeader);
    if (!readCoordinator(file))
        return fail(ReadError::Coordinator);
    const QByteArray countText = file.bytes(kCountDigits);
    if (!file.ok() || !isDigits(countText))
        return fail(ReadError::BlockCount);
    // entries follow while a whole size field can be read
    int entries = 0;
    while (file.remaining() >= kRecordSizeField) {
        ++entries;
        if (!readBlock(file))
            return fail(ReadError::Block, entries);
    }
    // fewer entries than the count says is a file cut at a record boundary
    if (entries < countText.toInt())
        return fail(ReadError::MissingBlocks, entries + 1);
    return true;
}

bool MeasurementFile::fail(ReadError error, int entry)
{
    clear();
    m_error = error;
    m_errorEntry = entry;
    return false;
}

bool MeasurementFile::readCoordinator(RecordReader &file)
{
    // any marker but "1" means the set had no coordinator
    if (file.u8() != kCoordinatorPresent)
        return file.ok();
    const RecordReader record = file.take(file.u32le());
    if (!record.ok())
        return false;
    if (record.size() == 0) // marked present but without a record
        return true;
    m_coordinator = std::make_unique<CCoordinator>();
    return m_coordinator->LoadFromBuffer(m_version, record.begin(), record.size());
}

bool MeasurementFile::readBlock(RecordReader &file)
{
    const RecordReader record = file.take(file.u32le());
    if (!record.ok())
        return false;
    if (record.size() == 0) // an entry without a record holds no block
        return true;
    auto block = std::make_unique<CStartBlock>();
    block->setMeasurement(new CStartBlockMeasurement(block.get()));
    const bool ok = block->LoadFromBuffer(m_version, record.begin(), record.size());
    m_blocks.push_back(std::move(block));
    return ok;
}

std::unique_ptr<CCoordinator> MeasurementFile::takeCoordinator()
{
    return std::move(m_coordinator);
}

std::vector<std::unique_ptr<CStartBlock>> MeasurementFile::takeBlocks()
{
    return std::move(m_blocks);
}
