// A saved race opened again as a read-only tab: the file written by the writer comes back with the rows,
// texts and order the live view had; a damaged file opens nothing and says why.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "devices/ccoordinator.h"
#include "graphrace.h"
#include "views/opentabwidget.h"
#include "views/startblockmeasurementwidget.h"
#include "views/startblockslayoutwidget.h"

namespace
{

using namespace GraphItems;

RaceHeader header(const QString &comment)
{
    return RaceHeader{QStringLiteral("12"), 1, 2, QStringLiteral("Starter 1"), 100, comment};
}

// "lane|participation|reaction|signal|athlete" of each row top to bottom.
QStringList rowTexts(const OpenTabWidget &tab)
{
    QStringList texts;
    for (const StartBlockMeasurementWidget *row : tab.displayedRows()) {
        QStringList parts{row->participationStatusCombo()->currentData().toString()};
        for (const char *label : {"lblReactionTime", "lblSignal", "lblAthleteName"})
            parts << row->findChild<QLabel *>(label)->text();
        texts << QString::number(row->DisplayedLane()) + '|' + parts.join('|');
    }
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(LaneReport)

class TstOpenTab : public QObject
{
    Q_OBJECT

private slots:
    void savedRaceOpensAsTab_data();
    void savedRaceOpensAsTab();
    void tabSortsHighlightsAndFollowsTheMode();
    void damagedFileOpensNothing_data();
    void damagedFileOpensNothing();

private:
    QTemporaryDir dir;
};

void TstOpenTab::savedRaceOpensAsTab_data()
{
    QTest::addColumn<QList<LaneReport>>("lanes");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("allSounds");

    QTest::newRow("1 lane") << QList<LaneReport>{racedLane(1, 142, ParticipationActive, true)} << QString()
                            << QStringList{"1|ACTIVE|142ms|10|Athlete 1"} << true;
    QList<LaneReport> eight;
    for (int lane = 3; lane <= 8; ++lane)
        eight << racedLane(lane, quint16(127 + lane));
    // rows "lane|participation|reaction|signal|athlete", separated by ";"
    QTest::newRow("8 lanes, first block in lane 3")
        << eight << QString("Wind +0.4")
        << QString("1|INACTIVE|||;2|INACTIVE|||;3|ACTIVE|130ms|30|Athlete 3;4|ACTIVE|131ms|40|Athlete 4;"
                   "5|ACTIVE|132ms|50|Athlete 5;6|ACTIVE|133ms|60|Athlete 6;7|ACTIVE|134ms|70|Athlete 7;"
                   "8|ACTIVE|135ms|80|Athlete 8")
               .split(';')
        << false;
    // the saved time is shown unmarked, also below the limit; DNS shows no time
    QTest::newRow("10 lanes")
        << tenLaneRace() << QString()
        << QString("1|ACTIVE|190ms|10|Athlete 1;2|ACTIVE|85ms|20|Athlete 2;"
                   "3|ACTIVE|170ms|30|Athlete 3;4|DNS|||Athlete 4;5|ACTIVE|150ms|50|Athlete 5;"
                   "6|INACTIVE|||;7|ACTIVE|None|0|Athlete 7;8|ACTIVE|None|80|Athlete 8;"
                   "9|ACTIVE|110ms|90|Athlete 9;10|ACTIVE|100ms|100|Athlete 10")
               .split(';')
        << true;
}

void TstOpenTab::savedRaceOpensAsTab()
{
    QFETCH(QList<LaneReport>, lanes);
    QFETCH(QString, comment);
    QFETCH(QStringList, rows);
    QFETCH(bool, allSounds);

    // a coordinator in the files with a comment
    CCoordinator unit;
    const QByteArray bytes = raceFile(lanes, header(comment), comment.isEmpty() ? nullptr : &unit);
    QString reason;
    const std::unique_ptr<OpenTabWidget> tab(OpenTabWidget::open(
        nullptr, nullptr, savedFile(dir, "race_12_h1_s2.vq1", bytes), ModeAdministratorFull, reason));
    QVERIFY2(tab, qPrintable(reason));

    QCOMPARE(rowTexts(*tab), rows);
    QCOMPARE(tab->baseName(), QString("race_12_h1_s2"));
    QCOMPARE(tab->raceHeader().starterName, QString("Starter 1"));
    const QLabel *commentLabel = tab->findChild<QLabel *>("lblComment");
    QCOMPARE(commentLabel->isVisibleTo(tab.get()) ? commentLabel->text() : QString(),
             comment.isEmpty() ? QString() : "Comment: " + comment);
    QCOMPARE(tab->coordinatorRow() != nullptr, !comment.isEmpty());
    QCOMPARE(tab->laneLayout()->allSoundsButton()->isEnabled(), allSounds);
    QCOMPARE(tab->laneRows().size(), lanes.size());
    // a lane's graph picture is named after the file
    QCOMPARE(tab->laneRows().constLast()->graphImageFileName(),
             dir.filePath("race_12_h1_s2_lane%1").arg(lanes.constLast().block.lane));
}

void TstOpenTab::tabSortsHighlightsAndFollowsTheMode()
{
    QString reason;
    const std::unique_ptr<OpenTabWidget> tab(OpenTabWidget::open(
        nullptr, nullptr, savedFile(dir, "race.vq1", raceFile(tenLaneRace())), ModeOperator, reason));
    QVERIFY(tab);
    const auto lanesShown = [&tab] {
        QList<int> lanes;
        for (const StartBlockMeasurementWidget *row : tab->displayedRows())
            lanes << row->DisplayedLane();
        return lanes;
    };

    // times first, then the no-reaction marker, the lane without a graph, DNS, and the empty lane last
    tab->laneLayout()->reactionTimeHeaderButton()->click();
    QCOMPARE(lanesShown(), QList<int>({2, 10, 9, 5, 3, 1, 8, 7, 4, 6}));
    QCOMPARE(tab->CountActiveLanes(), 8);
    tab->laneLayout()->laneHeaderButton()->click();
    QCOMPARE(lanesShown(), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    // only a row with a measurement wears the highlight
    for (const quint8 selected : {quint8(1), quint8(3)}) {
        tab->setSelectedLane(selected);
        tab->ApplyColourTheme();
        for (int position = 0; position < 10; ++position)
            QCOMPARE(!tab->displayedRows().at(position)->styleSheet().isEmpty(),
                     position == 1 && selected == 1);
    }

    tab->OnToggleApplicationModeWidgets(ModeAdministratorFull);
    QVERIFY(!tab->laneRows().constFirst()->findChild<QPushButton *>("btnSoundGraph")->isHidden());
}

void TstOpenTab::damagedFileOpensNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray good = raceFile(tenLaneRace(), header(QString()));
    // the first block's size follows the magic, the header and its size, the marker "0" and the count
    QByteArray hugeHeader = good;
    hugeHeader.replace(6, 4, QByteArray::fromHex("f0ffffff"));
    QByteArray hugeBlock = good;
    hugeBlock.replace(6 + 4 + int(MeasurementFile::RaceHeaderSize(header(QString()))) + 1 + 2, 4,
                      QByteArray::fromHex("ffffff7f"));

    QTest::newRow("cut in the last block")
        << good.chopped(5) << "the record of start block 9 is cut short or damaged";
    QTest::newRow("huge header length") << hugeHeader << "the race header is cut short or damaged";
    QTest::newRow("huge block length") << hugeBlock << "the record of start block 1 is cut short or damaged";
}

void TstOpenTab::damagedFileOpensNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QWidget parent;
    QString why;
    QVERIFY(!OpenTabWidget::open(nullptr, &parent, savedFile(dir, "race.vq1", bytes), ModeOperator, why));
    QCOMPARE(why, reason);
    QVERIFY(parent.children().isEmpty());
}

QTEST_MAIN(TstOpenTab)
#include "tst_opentab.moc"
