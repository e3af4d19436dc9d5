// Notes that share one row: each gets what it needs while the row has room; when it has not, a short note
// keeps its whole text and the long ones split the rest equally, each ending in "…" with the whole note
// in its tooltip.
#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "views/notelabel.h"
#include "views/sharelayout.h"

namespace
{

const QChar kEllipsis(0x2026);
constexpr int kGap = 6;

} // namespace

class TstStatusNotes : public QObject
{
    Q_OBJECT

private slots:
    void roomIsSharedFairly_data();
    void roomIsSharedFairly();
    void aNoteLongerThanItsShareShowsItsStart();
};

void TstStatusNotes::roomIsSharedFairly_data()
{
    QTest::addColumn<QList<int>>("needs");
    QTest::addColumn<int>("room");
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("all fit") << QList<int>{200, 300} << 600 << QList<int>{200, 300};
    QTest::newRow("two long split evenly") << QList<int>{2000, 3000} << 1000 << QList<int>{500, 500};
    QTest::newRow("short one whole beside a long one")
        << QList<int>{3000, 150} << 1000 << QList<int>{850, 150};
    QTest::newRow("three, one short") << QList<int>{100, 900, 900} << 700 << QList<int>{100, 300, 300};
    QTest::newRow("odd pixel to the last") << QList<int>{900, 900} << 701 << QList<int>{350, 351};
    QTest::newRow("no room") << QList<int>{100, 900} << -20 << QList<int>{0, 0};
    QTest::newRow("none") << QList<int>{} << 500 << QList<int>{};
}

void TstStatusNotes::roomIsSharedFairly()
{
    QFETCH(QList<int>, needs);
    QFETCH(int, room);
    QFETCH(QList<int>, widths);
    QCOMPARE(ShareLayout::fairShares(needs, room), widths);
}

// Two notes in a row of 500 px: a short one whole, a long one cut where its share ends.
void TstStatusNotes::aNoteLongerThanItsShareShowsItsStart()
{
    QWidget row;
    auto *layout = new ShareLayout(&row);
    layout->setSpacing(kGap);
    auto *shortNote = new NoteLabel(&row);
    auto *longNote = new NoteLabel(&row);
    layout->addWidget(longNote);
    layout->addWidget(shortNote);
    const QString shortText("Lane 3");
    QString longText;
    for (int lane = 1; lane <= 8; ++lane)
        longText += QStringLiteral("No sound graph from lane %1: the race is saved without it   ").arg(lane);
    longText = longText.trimmed();
    shortNote->setText(shortText);
    longNote->setText(longText);
    row.resize(500, row.sizeHint().height());
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));
    QTRY_COMPARE(longNote->width() + kGap + shortNote->width(), 500);

    QCOMPARE(shortNote->shownText(), shortText);
    QVERIFY(shortNote->width() >= shortNote->fontMetrics().horizontalAdvance(shortText));
    const QString shown = longNote->shownText();
    QVERIFY2(shown.endsWith(kEllipsis) && longText.startsWith(shown.chopped(1)) && shown.size() > 10,
             qPrintable(shown));
    QVERIFY(longNote->fontMetrics().horizontalAdvance(shown) <= longNote->contentsRect().width());
    QCOMPARE(longNote->text(), longText); // the caller's text stays whole

    // the pointer over the cut note shows all of it; over the whole one, nothing
    QHelpEvent overLong(QEvent::ToolTip, QPoint(5, 5), longNote->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(longNote, &overLong);
    QTRY_COMPARE(QToolTip::text(), longText);
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    QHelpEvent overShort(QEvent::ToolTip, QPoint(5, 5), shortNote->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(shortNote, &overShort);
    QVERIFY(!QToolTip::isVisible());

    // a new text is measured anew
    longNote->setText(QStringLiteral("Lane 4"));
    QCOMPARE(longNote->shownText(), QStringLiteral("Lane 4"));
}

QTEST_MAIN(TstStatusNotes)
#include "tst_statusnotes.moc"
