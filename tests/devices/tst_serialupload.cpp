// Start-sound upload: the sample in acknowledged packets of at most 1020 bytes, each device getting all of
// it.
#include <QSignalSpy>
#include <QTest>

#include "serialtestkit.h"

using namespace SerialTest;

namespace
{
constexpr quint8 kSamplePacket = 0xEE;
constexpr quint8 kSampleAck = 0xED;
constexpr quint16 kPeriod = 125; // µs per sample byte

QByteArray sampleOf(int size)
{
    QByteArray sample(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        sample[i] = char((i * 7 + i / 256) & 0xFF);
    return sample;
}

// One sample packet taken apart by its item ids.
struct Packet {
    QByteArray mac;
    quint16 sequence = 0;
    quint16 period = 0;
    quint32 offset = 0;
    quint8 flag = 0;
    quint16 length = 0;
    quint16 total = 0;
    QList<int> chunkIds;
    QList<int> chunkSizes;
    QByteArray bytes;
};

Packet unpack(const Sent &sent)
{
    Packet packet;
    packet.mac = sent.mac;
    packet.sequence = sent.sequence;
    const QByteArray &items = sent.items;
    for (int p = 0; p + 2 <= items.size();) {
        const quint8 id = quint8(items[p]);
        const int n = quint8(items[p + 1]);
        const QByteArray value = items.mid(p + 2, n);
        quint32 number = 0;
        for (const char byte : value)
            number = (number << 8) | quint8(byte);
        switch (id) {
        case 1:
            packet.period = quint16(number);
            break;
        case 2:
            packet.offset = number;
            break;
        case 3:
            packet.flag = quint8(number);
            break;
        case 4:
            packet.length = quint16(number);
            break;
        case 5:
            packet.total = quint16(number);
            break;
        default:
            packet.chunkIds << id;
            packet.chunkSizes << n;
            packet.bytes += value;
        }
        p += 2 + n;
    }
    return packet;
}
} // namespace

class TstSerialUpload : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sampleGoesInAcknowledgedPacketsOf1020();
    void packetWithoutGoodAckIsSentAgain();
    void everyNamedBlockGetsTheWholeSample();
    void blocksGetNoSampleInWirelessOperation();
    void sampleLongerThan65534IsRefused();
    void cancelStopsTheUpload();

private:
    QList<Packet> packets() const;
    void acknowledge(bool firstCorrupt = false);

    std::unique_ptr<SerialFixture> f;
};

void TstSerialUpload::init()
{
    f = std::make_unique<SerialFixture>(2, std::make_shared<SerialClock>());
    f->open(CSerialComThread::kBaudWired);
    f->serial->SetOperationMode(OperationModeWired);
    f->serial->StopQuestionsTimer();
}

void TstSerialUpload::cleanup()
{
    f.reset();
}

QList<Packet> TstSerialUpload::packets() const
{
    QList<Packet> list;
    for (const QByteArray &bytes : f->written) {
        const Sent sent = decode(bytes);
        if (sent.valid && sent.command == kSamplePacket)
            list << unpack(sent);
    }
    return list;
}

void TstSerialUpload::acknowledge(bool firstCorrupt)
{
    auto corrupt = std::make_shared<bool>(firstCorrupt);
    f->responder = [this, corrupt](const QByteArray &bytes) {
        const Sent sent = decode(bytes);
        if (!sent.valid || sent.command != kSamplePacket)
            return;
        const QByteArray ack = frame(sent.mac, 10, kSampleAck);
        f->port->feedLater(*corrupt ? withBadCrc(ack) : ack);
        *corrupt = false;
    };
}

void TstSerialUpload::sampleGoesInAcknowledgedPacketsOf1020()
{
    acknowledge();
    QByteArray sample = sampleOf(2500);
    const QByteArray original = sample;
    const quint16 sequence = f->serial->sequenceCounter();
    f->serial->OnSetDemoSampleRequest(kPeriod, &sample, {f->blocks[0]->GetMacAddress()});

    const QList<Packet> sent = packets();
    QCOMPARE(sent.size(), 3);
    const QList<quint32> offsets = {0, 1020, 2040};
    const QList<quint16> lengths = {1020, 1020, 460};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(sent[i].mac, f->blocks[0]->macBytes());
        QCOMPARE(sent[i].sequence, quint16(10));
        QCOMPARE(sent[i].period, kPeriod);
        QCOMPARE(sent[i].offset, offsets[i]);
        QCOMPARE(sent[i].flag, quint8(1));
        QCOMPARE(sent[i].length, lengths[i]);
        QCOMPARE(sent[i].total, quint16(2500));
        QCOMPARE(sent[i].bytes, original.mid(int(offsets[i]), lengths[i]));
    }
    QCOMPARE(sent[0].chunkIds, QList<int>({6, 7, 8, 9}));
    QCOMPARE(sent[0].chunkSizes, QList<int>({255, 255, 255, 255}));
    QCOMPARE(sent[2].chunkIds, QList<int>({6, 7}));
    QCOMPARE(sent[2].chunkSizes, QList<int>({255, 205}));
    QCOMPARE(f->serial->sequenceCounter(), sequence);
    QCOMPARE(f->serial->progressLabels, QStringList({"Loading samples to 0b:00:00:00:00:01"}));
    QCOMPARE(f->serial->progressValues, QList<int>({0, 1020, 2040, 2500}));
    QCOMPARE(sample, original);
    QVERIFY(f->serial->isPolling());
    QCOMPARE(f->serial->warnings, 0);
}

void TstSerialUpload::packetWithoutGoodAckIsSentAgain()
{
    acknowledge(true);
    const QByteArray sample = sampleOf(1100);
    QVERIFY(f->serial->LoadSamples(f->blocks[1]->macBytes(), kPeriod, sample));
    QList<quint32> offsets;
    for (const Packet &packet : packets())
        offsets << packet.offset;
    QCOMPARE(offsets, QList<quint32>({0, 0, 1020}));
    QCOMPARE(f->serial->progressValues, QList<int>({0, 1020, 1100}));
}

void TstSerialUpload::everyNamedBlockGetsTheWholeSample()
{
    acknowledge();
    QByteArray sample = sampleOf(300);
    f->serial->OnSetDemoSampleRequest(
        kPeriod, &sample, {f->blocks[1]->GetMacAddress(), f->blocks[0]->GetMacAddress().toUpper()});
    const QList<Packet> sent = packets();
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent[0].mac, f->blocks[1]->macBytes());
    QCOMPARE(sent[1].mac, f->blocks[0]->macBytes());
    QCOMPARE(sent[0].bytes, sample);
    QCOMPARE(sent[1].bytes, sample);
}

void TstSerialUpload::blocksGetNoSampleInWirelessOperation()
{
    f->serial->SetOperationMode(OperationModeWireless);
    f->serial->StopQuestionsTimer();
    acknowledge();
    QByteArray sample = sampleOf(200);
    f->serial->OnSetDemoSampleRequest(kPeriod, &sample,
                                      {f->blocks[0]->GetMacAddress(), f->coordinator->GetMacAddress()});
    const QList<Packet> sent = packets();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent[0].mac, f->coordinator->macBytes());
    QCOMPARE(sent[0].bytes, sample);
    QCOMPARE(f->serial->warnings, 1);

    f->serial->OnSetDemoSampleRequest(kPeriod, &sample, {f->coordinator->GetMacAddress()});
    QCOMPARE(f->serial->warnings, 1);
}

void TstSerialUpload::sampleLongerThan65534IsRefused()
{
    acknowledge();
    QByteArray sample = sampleOf(65535);
    f->serial->OnSetDemoSampleRequest(kPeriod, &sample, {f->blocks[0]->GetMacAddress()});
    QVERIFY(!f->serial->LoadSamples(f->blocks[0]->macBytes(), kPeriod, sample));
    QVERIFY(packets().isEmpty());
    QVERIFY(f->serial->progressLabels.isEmpty());
}

void TstSerialUpload::cancelStopsTheUpload()
{
    f->responder = [this](const QByteArray &bytes) {
        if (decode(bytes).command == kSamplePacket)
            f->serial->cancelNow = true; // the operator gives up while the first packet waits for its ack
    };
    QVERIFY(!f->serial->LoadSamples(f->blocks[0]->macBytes(), kPeriod, sampleOf(3000)));
    QCOMPARE(packets().size(), 1);
    QCOMPARE(f->serial->progressValues, QList<int>());
}

QTEST_MAIN(TstSerialUpload)
#include "tst_serialupload.moc"
