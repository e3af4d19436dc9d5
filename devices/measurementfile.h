#pragma once

#include <memory>
#include <vector>

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;
class CCoordinator;
class CStartBlock;
class RecordReader;

// What the main window writes in front of the device records.
struct RaceHeader {
    QString raceLabel; // custom race name, or the race number
    quint16 heat = 0;
    quint16 start = 0;
    QString starterName;
    quint16 falseStartLimit = 0; // ms
    QString comment;
};

// One race in a file: magic and version, race header, the coordinator's record and one record per
// start block. Writing goes to any QIODevice (the caller commits a QSaveFile); reading takes the whole
// file and builds new device objects that the caller then owns.
class MeasurementFile
{
public:
    static constexpr int kVersion = 5;
    static constexpr int kMaxBlocks = 99; // the block count is two decimal digits

    // The check before opening: the first four bytes are "VQDO".
    static bool hasMagic(const QByteArray &firstBytes);
    static quint32 RaceHeaderSize(const RaceHeader &header);
    // False when the device is not writable, takes less than everything, or there are more blocks
    // than two digits can count (then nothing is written).
    static bool write(QIODevice *device, const RaceHeader &header, const CCoordinator *coordinator,
                      const QList<CStartBlock *> &blocks);

    // Where a read stopped; the block entry counts from 1.
    enum class ReadError {
        None,
        NotMeasurementFile,
        UnknownVersion,
        RaceHeader,
        Coordinator,
        BlockCount,
        Block,
        MissingBlocks
    };

    MeasurementFile();
    ~MeasurementFile();
    MeasurementFile(const MeasurementFile &) = delete;
    MeasurementFile &operator=(const MeasurementFile &) = delete;

    // Parses a whole file; false (and nothing kept) for any damaged or truncated content.
    bool read(const QByteArray &bytes);

    ReadError error() const { return m_error; }
    int errorEntry() const { return m_errorEntry; }
    int version() const { return m_version; }
    const RaceHeader &raceHeader() const { return m_header; }
    bool hasCoordinator() const { return m_coordinator != nullptr; }
    int blockCount() const { return int(m_blocks.size()); }
    // Hand the device objects over; each block carries its measurement as a child.
    std::unique_ptr<CCoordinator> takeCoordinator();
    std::vector<std::unique_ptr<CStartBlock>> takeBlocks();

private:
    void clear();
    bool fail(ReadError error, int entry = 0);
    bool readCoordinator(RecordReader &file);
    bool readBlock(RecordReader &file);

    int m_version = 0;
    ReadError m_error = ReadError::None;
    int m_errorEntry = 0;
    RaceHeader m_header;
    std::unique_ptr<CCoordinator> m_coordinator;
    std::vector<std::unique_ptr<CStartBlock>> m_blocks;
};
