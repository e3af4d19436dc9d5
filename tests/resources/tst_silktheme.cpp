#include <QIcon>
#include <QTest>

// The "silk" icon theme in the resources that start-up falls back to.
class TstSilkTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void resourcesHoldTheThemeDescription();
    void themeHasIcon_data();
    void themeHasIcon();
};

void TstSilkTheme::initTestCase()
{
    QVERIFY(QIcon::themeSearchPaths().contains(QStringLiteral(":/icons")));
    QIcon::setThemeName(QStringLiteral("silk"));
}

void TstSilkTheme::resourcesHoldTheThemeDescription()
{
    QFile theme(QStringLiteral(":/icons/silk/index.theme"));
    QVERIFY(theme.open(QIODevice::ReadOnly));
    QVERIFY(theme.readAll().startsWith("[Icon Theme]"));
}

void TstSilkTheme::themeHasIcon_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"document-open", "list-remove", "application-exit", "call-stop", "call-start",
                             "list-add", "network-transmit", "dialog-information", "document-new"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TstSilkTheme::themeHasIcon()
{
    QFETCH(QString, name);

    QVERIFY(QIcon::hasThemeIcon(name));
    const QIcon icon = QIcon::fromTheme(name);
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.pixmap(QSize(16, 16)).size(), QSize(16, 16));
}

QTEST_MAIN(TstSilkTheme)
#include "tst_silktheme.moc"
