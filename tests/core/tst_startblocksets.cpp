#include <memory>

#include <QTest>

#include "apptestenvironment.h"
#include "core/projectsettings.h"
#include "core/quellorapp.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"

namespace
{

struct Entry {
    int lane;
    QString mac;
};

QuellorApp &app()
{
    return *QuellorApp::Instance();
}

// writes one set in the stored layout: entry k as "set i.block k.lane" and "set i.block k.mac"
void storeSet(int index, const QString &name, const QList<Entry> &entries)
{
    const QString group = QStringLiteral("sets");
    AppTestEnvironment::storeValue(group, QStringLiteral("set %1.name").arg(index), name);
    AppTestEnvironment::storeValue(group, QStringLiteral("set %1.blocks").arg(index), int(entries.size()));
    for (int k = 0; k < entries.size(); ++k) {
        AppTestEnvironment::storeValue(group, QStringLiteral("set %1.block %2.lane").arg(index).arg(k),
                                       entries.at(k).lane);
        AppTestEnvironment::storeValue(group, QStringLiteral("set %1.block %2.mac").arg(index).arg(k),
                                       entries.at(k).mac);
    }
}

void storeSetCount(int count)
{
    AppTestEnvironment::storeValue(QStringLiteral("sets"), QStringLiteral("sets.count"), count);
}

// "lane mac" of each block, in the group's order
QStringList blocksOf(const StartBlockSetGroup &set)
{
    QStringList blocks;
    for (const auto &block : set.blocks)
        blocks.append(QStringLiteral("%1 %2").arg(block->lane()).arg(block->GetMacAddress()));
    return blocks;
}

std::unique_ptr<StartBlockSetGroup> makeSet(const QString &name, const QString &coordinatorMac,
                                            const QList<Entry> &blocks)
{
    auto set = std::make_unique<StartBlockSetGroup>();
    if (!coordinatorMac.isEmpty()) {
        set->coordinator = std::make_unique<CCoordinator>();
        set->coordinator->SetMacAddress(coordinatorMac);
        set->coordinator->setStartBlockSetName(name);
    }
    for (const Entry &entry : blocks) {
        auto block = std::make_unique<CStartBlock>();
        block->setLane(quint8(entry.lane));
        block->SetMacAddress(entry.mac);
        block->setStartBlockSetName(name);
        set->blocks.push_back(std::move(block));
    }
    return set;
}

void chooseSet(const QString &name)
{
    ProjectSettings general = app().projectSettings();
    general.lastSet = name;
    app().setProjectSettings(general);
}

} // namespace

class TstStartBlockSetLoading : public QObject
{
    Q_OBJECT

private slots:
    void init() { AppTestEnvironment::clearStore(); }
    void starredEntryIsTheCoordinator();
    void sameNamedSetsLoadAsOne();
    void nameMustMatchExactly_data();
    void nameMustMatchExactly();
    void uncheckedEntriesStillGiveBlocks();
    void countsAreBoundedByTheStoredKeys();
};

void TstStartBlockSetLoading::starredEntryIsTheCoordinator()
{
    storeSetCount(1);
    storeSet(0, "A", {{0, "00:11:22:33:44:55*"}, {2, "00:11:22:33:44:66"}, {1, "00:11:22:33:44:55"}});
    const auto set = app().LoadStartBlockSet("A");
    QVERIFY(set->coordinator);
    QCOMPARE(set->coordinator->GetMacAddress(), QStringLiteral("00:11:22:33:44:55"));
    QCOMPARE(set->coordinator->startBlockSetName(), QStringLiteral("A"));
    QVERIFY(!set->coordinator->parent());
    // the same MAC text without the star is a block; blocks come sorted by lane
    QCOMPARE(blocksOf(*set), (QStringList{"1 00:11:22:33:44:55", "2 00:11:22:33:44:66"}));
    for (const auto &block : set->blocks) {
        QCOMPARE(block->startBlockSetName(), QStringLiteral("A"));
        QVERIFY(!block->parent());
    }
}

void TstStartBlockSetLoading::sameNamedSetsLoadAsOne()
{
    storeSetCount(3);
    storeSet(0, "A", {{3, "aa:00:00:00:00:03"}, {1, "aa:00:00:00:00:01"}});
    storeSet(1, "B", {{2, "bb:00:00:00:00:02"}});
    storeSet(2, "A", {{0, "AA:00:00:00:00:99*"}, {2, "AA:00:00:00:00:02"}});
    QCOMPARE(app().GetStartBlockSetNames(), (QStringList{"A", "B", "A"}));
    const auto set = app().LoadStartBlockSet("A");
    QVERIFY(set->coordinator);
    QCOMPARE(set->coordinator->GetMacAddress(), QStringLiteral("aa:00:00:00:00:99"));
    QCOMPARE(blocksOf(*set),
             (QStringList{"1 aa:00:00:00:00:01", "2 aa:00:00:00:00:02", "3 aa:00:00:00:00:03"}));
}

void TstStartBlockSetLoading::nameMustMatchExactly_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("other case") << "track";
    QTest::newRow("unknown") << "Hall";
}

void TstStartBlockSetLoading::nameMustMatchExactly()
{
    QFETCH(QString, name);
    storeSetCount(1);
    storeSet(0, "Track", {{0, "00:00:00:00:00:01*"}, {1, "00:00:00:00:00:02"}});
    const auto set = app().LoadStartBlockSet(name);
    QVERIFY(!set->coordinator);
    QVERIFY(set->blocks.empty());
}

void TstStartBlockSetLoading::uncheckedEntriesStillGiveBlocks()
{
    storeSetCount(1);
    storeSet(0, "A", {{0, "00:00:00:00:00:07"}, {4, "not a mac"}, {300, "00:00:00:00:00:08"}});
    const auto set = app().LoadStartBlockSet("A");
    QVERIFY(!set->coordinator);
    QCOMPARE(set->blocks.size(), size_t(3));
    QCOMPARE(set->blocks.at(0)->GetMacAddress(), QStringLiteral("00:00:00:00:00:07"));
    QCOMPARE(set->blocks.at(2)->lane(), quint8(4));
    // a lane that is no 8-bit number reads as lane 0
    QCOMPARE(set->blocks.at(1)->lane(), quint8(0));
    QCOMPARE(set->blocks.at(1)->GetMacAddress(), QStringLiteral("00:00:00:00:00:08"));
}

void TstStartBlockSetLoading::countsAreBoundedByTheStoredKeys()
{
    storeSetCount(2000000000);
    storeSet(0, "A", {{1, "00:00:00:00:00:01"}});
    AppTestEnvironment::storeValue("sets", "set 0.blocks", 2000000000);
    const auto set = app().LoadStartBlockSet("A");
    QCOMPARE(set->blocks.size(), size_t(1));
    QCOMPARE(set->blocks.front()->GetMacAddress(), QStringLiteral("00:00:00:00:00:01"));
    QCOMPARE(app().GetStartBlockSetNames(), QStringList{"A"});
}

class TstStartBlockSetSaving : public QObject
{
    Q_OBJECT

private slots:
    void init() { AppTestEnvironment::clearStore(); }
    void entriesFollowTheStoredLayout();
    void savedSetsLoadBackIdentical();
    void nameWithoutGroupIsStoredEmpty();
};

void TstStartBlockSetSaving::entriesFollowTheStoredLayout()
{
    storeSetCount(3);
    storeSet(2, "Old", {{1, "00:00:00:00:00:01"}, {2, "00:00:00:00:00:02"}});
    const auto first =
        makeSet("A", "0A:0B:0C:0D:0E:0F", {{1, "00:00:00:00:00:01"}, {2, "00:00:00:00:00:02"}});
    const auto second = makeSet("B", {}, {{5, "00:00:00:00:00:05"}});
    app().SaveStartBlockSets({"A", "B"}, {first.get(), second.get()});
    app().SyncSettings();
    const QMap<QString, QString> expected = {
        {"sets/sets.count", "2"},
        {"sets/set 0.name", "A"},
        {"sets/set 0.blocks", "3"},
        {"sets/set 0.block 0.lane", "0"},
        {"sets/set 0.block 0.mac", "0a:0b:0c:0d:0e:0f*"},
        {"sets/set 0.block 1.lane", "1"},
        {"sets/set 0.block 1.mac", "00:00:00:00:00:01"},
        {"sets/set 0.block 2.lane", "2"},
        {"sets/set 0.block 2.mac", "00:00:00:00:00:02"},
        {"sets/set 1.name", "B"},
        {"sets/set 1.blocks", "1"},
        {"sets/set 1.block 0.lane", "5"},
        {"sets/set 1.block 0.mac", "00:00:00:00:00:05"},
    };
    QCOMPARE(AppTestEnvironment::fileEntries(), expected);
}

void TstStartBlockSetSaving::savedSetsLoadBackIdentical()
{
    const auto first =
        makeSet("Track (8)", "10:00:00:00:00:ff",
                {{1, "10:00:00:00:00:01"}, {2, "10:00:00:00:00:02"}, {8, "10:00:00:00:00:08"}});
    const auto second = makeSet("Hall", {}, {{4, "20:00:00:00:00:04"}});
    app().SaveStartBlockSets({"Track (8)", "Hall"}, {first.get(), second.get()});

    QCOMPARE(app().GetStartBlockSetNames(), (QStringList{"Track (8)", "Hall"}));
    const auto loaded = app().LoadStartBlockSet("Track (8)");
    QVERIFY(loaded->coordinator);
    QCOMPARE(loaded->coordinator->GetMacAddress(), QStringLiteral("10:00:00:00:00:ff"));
    QCOMPARE(blocksOf(*loaded), blocksOf(*first));
    const auto hall = app().LoadStartBlockSet("Hall");
    QVERIFY(!hall->coordinator);
    QCOMPARE(blocksOf(*hall), (QStringList{"4 20:00:00:00:00:04"}));
}

void TstStartBlockSetSaving::nameWithoutGroupIsStoredEmpty()
{
    const auto set = makeSet("A", {}, {{1, "00:00:00:00:00:01"}});
    app().SaveStartBlockSets({"A", "B"}, {set.get()});
    QCOMPARE(app().GetStartBlockSetNames(), (QStringList{"A", "B"}));
    QCOMPARE(app().GetSetting("sets", "set 1.blocks").toInt(), 0);
    QCOMPARE(app().LoadStartBlockSet("A")->blocks.size(), size_t(1));
}

class TstStartBlockLaneChange : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void unknownBlockLeavesEverySetUnchanged_data();
    void unknownBlockLeavesEverySetUnchanged();
    void laneChangesOnlyInTheChosenSets();
    void sameNamedSetsAreNotDoubled();

private:
    QMap<QString, QString> m_before;
};

void TstStartBlockLaneChange::init()
{
    AppTestEnvironment::clearStore();
    storeSetCount(3);
    storeSet(0, "A", {{0, "aa:00:00:00:00:ff*"}, {1, "aa:00:00:00:00:01"}, {2, "AA:00:00:00:00:02"}});
    storeSet(1, "B", {{1, "aa:00:00:00:00:01"}, {3, "bb:00:00:00:00:03"}});
    storeSet(2, "A", {{4, "aa:00:00:00:00:04"}, {0, "aa:00:00:00:00:ff"}});
    chooseSet("A");
    app().SyncSettings();
    m_before = AppTestEnvironment::fileEntries();
}

void TstStartBlockLaneChange::unknownBlockLeavesEverySetUnchanged_data()
{
    QTest::addColumn<QString>("mac");
    QTest::addColumn<int>("oldLane");
    QTest::newRow("MAC not in the set") << "de:ad:be:ef:00:01" << 1;
    QTest::newRow("block of another set") << "bb:00:00:00:00:03" << 3;
    QTest::newRow("other lane") << "aa:00:00:00:00:01" << 2;
    QTest::newRow("coordinator") << "aa:00:00:00:00:ff" << 1;
}

void TstStartBlockLaneChange::unknownBlockLeavesEverySetUnchanged()
{
    QFETCH(QString, mac);
    QFETCH(int, oldLane);
    app().ChangeStartBlockLane(mac, quint8(oldLane), 7);
    QCOMPARE(AppTestEnvironment::fileEntries(), m_before);
}

void TstStartBlockLaneChange::laneChangesOnlyInTheChosenSets()
{
    app().ChangeStartBlockLane("aa:00:00:00:00:01", 1, 6);
    QMap<QString, QString> expected = m_before;
    expected["sets/set 0.block 1.lane"] = "6";
    QCOMPARE(AppTestEnvironment::fileEntries(), expected);

    // stored upper-case digits still name the block
    app().ChangeStartBlockLane("aa:00:00:00:00:02", 2, 5);
    expected["sets/set 0.block 2.lane"] = "5";
    QCOMPARE(AppTestEnvironment::fileEntries(), expected);
}

void TstStartBlockLaneChange::sameNamedSetsAreNotDoubled()
{
    app().ChangeStartBlockLane("aa:00:00:00:00:04", 4, 8);
    QMap<QString, QString> expected = m_before;
    expected["sets/set 2.block 0.lane"] = "8";
    QCOMPARE(AppTestEnvironment::fileEntries(), expected);

    const auto set = app().LoadStartBlockSet("A");
    QCOMPARE(set->coordinator->GetMacAddress(), QStringLiteral("aa:00:00:00:00:ff"));
    QCOMPARE(blocksOf(*set), (QStringList{"0 aa:00:00:00:00:ff", "1 aa:00:00:00:00:01", "2 aa:00:00:00:00:02",
                                          "8 aa:00:00:00:00:04"}));
}

int main(int argc, char **argv)
{
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    int failed = 0;
    TstStartBlockSetLoading loading;
    failed += QTest::qExec(&loading, argc, argv);
    TstStartBlockSetSaving saving;
    failed += QTest::qExec(&saving, argc, argv);
    TstStartBlockLaneChange laneChange;
    failed += QTest::qExec(&laneChange, argc, argv);
    return failed;
}

#include "tst_startblocksets.moc"
