// A saved race opened again as a read-only tab: the file written by the writer comes back with the rows,
// texts and order the live view had; a damaged file opens nothing and says why.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "devices/ccoordinator.h"
#include "graphrace.h"
#include "views/laneorder.h"
#include "views/opentabwidget.h"
#include "views/startblockmeasurementwidget.h"
#include "views/startblockslayoutwidget.h"

namespace
{

using Row = StartBlockMeasurementWidget;
using LaneOrder::Place;
constexpr quint16 kNone = CStartBlockMeasurement::kReactionNone;

// A block in the lane with a graph whose reaction (item 6) and status reaction time are ms, peaking
// 10 x lane above its baseline; participation as given.
LaneReport lane(int number, quint16 ms, int participation = ParticipationActive, bool sound = false)
{
    GraphItems::Reaction graph;
    graph.reaction = ms;
    graph.values = GraphItems::flat(30, graph.offset, 12, graph.offset + 10 * number);
    GraphItems::Sound soundGraph;
    soundGraph.values = GraphItems::flat(20, 50);
    LaneReport report;
    report.block.lane = quint8(number);
    report.block.participation = participation;
    report.block.graphItems = GraphItems::reaction(graph);
    report.block.soundItems = sound ? GraphItems::sound(soundGraph) : QByteArray();
    report.reactionTime = ms;
    report.name = QStringLiteral("Athlete %1").arg(number);
    return report;
}

LaneReport withoutData(int number)
{
    LaneReport report;
    report.block.lane = quint8(number);
    report.name = QStringLiteral("Athlete %1").arg(number);
    return report;
}

// Ten lanes: a false start in 2, DNS in 4, no block in 6, no data in 7, no reaction in 8.
QList<LaneReport> tenLanes()
{
    return {lane(1, 190), lane(2, 85),    lane(3, 170),   lane(4, 140, ParticipationDns),
            lane(5, 150), withoutData(7), lane(8, kNone), lane(9, 110, ParticipationActive, true),
            lane(10, 100)};
}

RaceHeader header(const QString &comment)
{
    return RaceHeader{QStringLiteral("12"), 1, 2, QStringLiteral("Starter 1"), 100, comment};
}

// "lane|participation|reaction|signal|athlete" of each row top to bottom.
QStringList rowTexts(const OpenTabWidget &tab)
{
    QStringList texts;
    for (const Row *row : tab.displayedRows()) {
        texts << QStringList{row->findChild<QLabel *>("lblLane")->text(),
                             row->participationStatusCombo()->currentData().toString(),
                             row->findChild<QLabel *>("lblReactionTime")->text(),
                             row->findChild<QLabel *>("lblSignal")->text(),
                             row->findChild<QLabel *>("lblAthleteName")->text()}
                     .join('|');
    }
    return texts;
}

QStringList lanesShown(const OpenTabWidget &tab)
{
    QStringList lanes;
    for (const QString &row : rowTexts(tab))
        lanes << row.section('|', 0, 0);
    return lanes;
}

} // namespace

Q_DECLARE_METATYPE(LaneReport)
Q_DECLARE_METATYPE(LaneOrder::Place)

class TstOpenTab : public QObject
{
    Q_OBJECT

private slots:
    void sortedOrders_data();
    void sortedOrders();
    void savedRaceOpensAsTab_data();
    void savedRaceOpensAsTab();
    void tabSortsAndFollowsTheMode();
    void damagedFileOpensNothing_data();
    void damagedFileOpensNothing();

private:
    QString saved(const QByteArray &bytes, const QString &name = QStringLiteral("race_12_h1_s2.vq1"))
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName()
                                                                                    : QString();
    }

    QTemporaryDir dir;
};

void TstOpenTab::sortedOrders_data()
{
    QTest::addColumn<QList<Place>>("sorted");
    QTest::addColumn<QList<Place>>("expected");
    // a lane taken twice takes the place of the next one
    QTest::newRow("by lane, gaps filled")
        << LaneOrder::byLane({5, 3, 3, 7})
        << QList<Place>{{-1, 1}, {-1, 2}, {1, 0}, {2, 0}, {0, 0}, {-1, 6}, {3, 0}};
    const QList<LaneOrder::RowKey> rows = {{1, true, qint16(0x7FFF)},
                                           {2, false, std::nullopt},
                                           {3, true, qint16(-20)},
                                           {4, true, std::nullopt},
                                           {6, true, qint16(120)}};
    // the former view held lanes 1..6, read from the bottom up
    QTest::newRow("by reaction") << LaneOrder::byReactionTime(rows, {6, 5, 4, 3, 2, 1})
                                 << QList<Place>{{2, 0}, {4, 0}, {0, 0}, {3, 0}, {1, 0}, {-1, 5}};
}

void TstOpenTab::sortedOrders()
{
    QFETCH(QList<Place>, sorted);
    QFETCH(QList<Place>, expected);
    QCOMPARE(sorted, expected);
}

void TstOpenTab::savedRaceOpensAsTab_data()
{
    QTest::addColumn<QList<LaneReport>>("lanes");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<bool>("coordinator");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("allSounds");

    QTest::newRow("1 lane") << QList<LaneReport>{lane(1, 142, ParticipationActive, true)} << QString()
                            << false << QStringList{"1|ACTIVE|142ms|10|Athlete 1"} << true;
    QTest::newRow("8 lanes, first block in lane 3")
        << QList<LaneReport>{lane(3, 130), lane(4, 131), lane(5, 132),
                             lane(6, 133), lane(7, 134), lane(8, 135)}
        << QString("Wind +0.4") << true
        << QStringList{"1|INACTIVE|||",
                       "2|INACTIVE|||",
                       "3|ACTIVE|130ms|30|Athlete 3",
                       "4|ACTIVE|131ms|40|Athlete 4",
                       "5|ACTIVE|132ms|50|Athlete 5",
                       "6|ACTIVE|133ms|60|Athlete 6",
                       "7|ACTIVE|134ms|70|Athlete 7",
                       "8|ACTIVE|135ms|80|Athlete 8"}
        << false;
    // the saved time is shown unmarked, also below the limit; DNS shows no time
    QTest::newRow("10 lanes") << tenLanes() << QString() << true
                              << QStringList{"1|ACTIVE|190ms|10|Athlete 1", "2|ACTIVE|85ms|20|Athlete 2",
                                             "3|ACTIVE|170ms|30|Athlete 3", "4|DNS|||Athlete 4",
                                             "5|ACTIVE|150ms|50|Athlete 5", "6|INACTIVE|||",
                                             "7|ACTIVE|None|0|Athlete 7",   "8|ACTIVE|None|80|Athlete 8",
                                             "9|ACTIVE|110ms|90|Athlete 9", "10|ACTIVE|100ms|100|Athlete 10"}
                              << true;
}

void TstOpenTab::savedRaceOpensAsTab()
{
    QFETCH(QList<LaneReport>, lanes);
    QFETCH(QString, comment);
    QFETCH(bool, coordinator);
    QFETCH(QStringList, rows);
    QFETCH(bool, allSounds);

    CCoordinator unit;
    const QString path = saved(GraphItems::raceFile(lanes, header(comment), coordinator ? &unit : nullptr));
    QString reason;
    const std::unique_ptr<OpenTabWidget> tab(
        OpenTabWidget::open(nullptr, nullptr, path, ModeAdministratorFull, reason));
    QVERIFY2(tab, qPrintable(reason));

    QCOMPARE(rowTexts(*tab), rows);
    QCOMPARE(tab->baseName(), QString("race_12_h1_s2"));
    QCOMPARE(tab->raceHeader().starterName, QString("Starter 1"));
    auto *commentLabel = tab->findChild<QLabel *>("lblComment");
    QCOMPARE(commentLabel->isVisibleTo(tab.get()), !comment.isEmpty());
    if (!comment.isEmpty())
        QCOMPARE(commentLabel->text(), "Comment: " + comment);
    QCOMPARE(tab->coordinatorRow() != nullptr, coordinator);
    QCOMPARE(tab->laneLayout()->allSoundsButton()->isEnabled(), allSounds);
    QCOMPARE(tab->laneRows().size(), lanes.size());
    // a lane's graph picture is named after the file
    QCOMPARE(tab->laneRows().constLast()->graphImageFileName(),
             dir.filePath("race_12_h1_s2_lane%1").arg(lanes.constLast().block.lane));
}

void TstOpenTab::tabSortsAndFollowsTheMode()
{
    QString reason;
    const std::unique_ptr<OpenTabWidget> tab(
        OpenTabWidget::open(nullptr, nullptr, saved(GraphItems::raceFile(tenLanes())), ModeOperator, reason));
    QVERIFY(tab);
    const QStringList byLane = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};

    // times first, then the no-reaction marker, the lane without a graph, DNS, and the empty lane last
    tab->laneLayout()->reactionTimeHeaderButton()->click();
    QCOMPARE(lanesShown(*tab), QStringList({"2", "10", "9", "5", "3", "1", "8", "7", "4", "6"}));
    QCOMPARE(tab->CountActiveLanes(), 8);
    tab->laneLayout()->laneHeaderButton()->click();
    QCOMPARE(lanesShown(*tab), byLane);

    // only a row with a measurement wears the highlight
    for (const quint8 selected : {quint8(1), quint8(3)}) {
        tab->setSelectedLane(selected);
        tab->ApplyColourTheme();
        for (int position = 0; position < 10; ++position) {
            const bool highlighted = !tab->displayedRows().at(position)->styleSheet().isEmpty();
            QCOMPARE(highlighted, position == 1 && selected == 1);
        }
    }

    auto *soundButton = tab->laneRows().constFirst()->findChild<QPushButton *>("btnSoundGraph");
    QVERIFY(soundButton->isHidden());
    tab->OnToggleApplicationModeWidgets(ModeAdministratorFull);
    QVERIFY(!soundButton->isHidden());
    QVERIFY(!tab->laneLayout()->allSoundsButton()->isHidden());
}

void TstOpenTab::damagedFileOpensNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray good = GraphItems::raceFile(tenLanes(), header(QString()));
    // magic, header size, header, coordinator marker "0", block count: then the first block's size
    const int firstBlock = 6 + 4 + int(MeasurementFile::RaceHeaderSize(header(QString()))) + 1 + 2;
    QByteArray hugeHeader = good;
    hugeHeader.replace(6, 4, QByteArray::fromHex("f0ffffff"));
    QByteArray hugeBlock = good;
    hugeBlock.replace(firstBlock, 4, QByteArray::fromHex("ffffff7f"));

    QTest::newRow("cut in the last block")
        << good.chopped(5) << "the record of start block 9 is cut short or damaged";
    QTest::newRow("cut after a block") << good.left(firstBlock) << "the file ends before start block 1";
    QTest::newRow("huge header length") << hugeHeader << "the race header is cut short or damaged";
    QTest::newRow("huge block length") << hugeBlock << "the record of start block 1 is cut short or damaged";
}

void TstOpenTab::damagedFileOpensNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QWidget parent;
    QString why;
    QVERIFY(!OpenTabWidget::open(nullptr, &parent, saved(bytes), ModeOperator, why));
    QCOMPARE(why, reason);
    QVERIFY(parent.children().isEmpty());
}

QTEST_MAIN(TstOpenTab)
#include "tst_opentab.moc"
