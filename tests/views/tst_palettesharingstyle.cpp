// The program's style under an application style sheet: painting a widget again and again in one state
// hands Fusion one palette, so its cached picture is found again and the pixmap cache stays as it was.
#define Q_TEST_QPIXMAPCACHE // QPixmapCache::totalUsed(), the cache's footprint in KiB
#include <QPixmapCache>

#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QSet>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>
#include <QTimeZone>

#include "views/palettesharingstyle.h"

namespace
{

constexpr int kPaints = 300;
// as the main window composes it: every widget coloured, combo boxes lit on hover
constexpr char kStyleSheet[] =
    "* {font-family: Arial; font-size: 15px; font-weight: 50; color: rgb(255, 255, "
    "255); background-color : rgb(40, 40, 40);} QComboBox:hover, QComboBox:on { "
    "background-color: rgb(90, 90, 255);}";

// Fusion, noting the palette of every complex control it draws.
class PaletteRecorder : public QProxyStyle
{
public:
    PaletteRecorder() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        keys.insert(option->palette.cacheKey());
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    mutable QSet<qint64> keys;
};

} // namespace

class TstPaletteSharingStyle : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void repeatedPaintsKeepTheCacheFlat_data();
    void repeatedPaintsKeepTheCacheFlat();
    void equalColoursShareOnePaletteDifferentOnesDoNot();
    void thePaletteListStaysBounded();
    void aPaletteInUseOutlivesNewOnes();

private:
    PaletteRecorder *recorder = nullptr;  // owned by the sharing style
    PaletteSharingStyle *style = nullptr; // owned by the application
};

void TstPaletteSharingStyle::init()
{
    recorder = new PaletteRecorder;
    style = new PaletteSharingStyle(recorder);
    QApplication::setStyle(style);
    qApp->setStyleSheet(QString::fromLatin1(kStyleSheet));
    QPixmapCache::clear();
}

void TstPaletteSharingStyle::cleanup()
{
    qApp->setStyleSheet(QString());
}

void TstPaletteSharingStyle::repeatedPaintsKeepTheCacheFlat_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("participation combo box") << "combo";
    QTest::newRow("GPS date-time field") << "datetime";
}

void TstPaletteSharingStyle::repeatedPaintsKeepTheCacheFlat()
{
    QFETCH(QString, kind);
    std::unique_ptr<QWidget> widget;
    if (kind == "combo") {
        auto combo = std::make_unique<QComboBox>();
        combo->addItems({"ACTIVE", "DNS", "DQ"});
        combo->resize(110, 30);
        widget = std::move(combo);
    } else {
        widget =
            std::make_unique<QDateTimeEdit>(QDateTime(QDate(2024, 6, 1), QTime(12, 0), QTimeZone::utc()));
    }
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    widget->grab();
    const int usedAfterFirst = QPixmapCache::totalUsed();
    recorder->keys.clear();
    for (int i = 0; i < kPaints; ++i)
        widget->grab();
    QCOMPARE(QPixmapCache::totalUsed(), usedAfterFirst);
    QCOMPARE(recorder->keys.size(), 1);
}

void TstPaletteSharingStyle::equalColoursShareOnePaletteDifferentOnesDoNot()
{
    QPalette red(Qt::red);
    QPalette alsoRed(Qt::red);
    alsoRed.setCurrentColorGroup(QPalette::Inactive);
    const QPalette blue(Qt::blue);
    const QPalette sharedRed = style->shared(red);
    const QPalette sharedAlsoRed = style->shared(alsoRed);
    QCOMPARE(sharedAlsoRed.cacheKey(), sharedRed.cacheKey());
    QCOMPARE(sharedAlsoRed.currentColorGroup(), QPalette::Inactive); // the painted widget's own state
    QCOMPARE(sharedRed.currentColorGroup(), QPalette::Active);
    QVERIFY(style->shared(blue).cacheKey() != sharedRed.cacheKey());
    QCOMPARE(style->shared(blue).color(QPalette::Button), blue.color(QPalette::Button));
}

void TstPaletteSharingStyle::thePaletteListStaysBounded()
{
    for (int i = 0; i < 3 * PaletteSharingStyle::kMaxPalettes; ++i)
        style->shared(QPalette(QColor(i, 0, 0)));
    QCOMPARE(style->keptPalettes(), PaletteSharingStyle::kMaxPalettes);
}

// Colours painted all the time keep their palette, and with it Fusion's cached pictures, while more sets
// of colours than the list holds come and go.
void TstPaletteSharingStyle::aPaletteInUseOutlivesNewOnes()
{
    // each paint brings a palette of its own, as under a style sheet
    const auto inUse = [] { return QPalette(QColor(0, 0, 255)); };
    const qint64 key = style->shared(inUse()).cacheKey();
    for (int i = 0; i < 3 * PaletteSharingStyle::kMaxPalettes; ++i) {
        style->shared(QPalette(QColor(i, 0, 0)));
        QCOMPARE(style->shared(inUse()).cacheKey(), key);
    }
    QCOMPARE(style->keptPalettes(), PaletteSharingStyle::kMaxPalettes);
}

QTEST_MAIN(TstPaletteSharingStyle)

#include "tst_palettesharingstyle.moc"
