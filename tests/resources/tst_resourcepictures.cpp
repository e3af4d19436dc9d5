#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

// The pictures the program looks up by resource path, linked in from the static library without any
// init call.
class TstResourcePictures : public QObject
{
    Q_OBJECT

private slots:
    void pictureLoads_data();
    void pictureLoads();
    void busyFramesAllDiffer();
    void everyPackagedFlagIsThere();
    void flagsAreNamedByLowerCaseCode();

private:
    static void addRows(const char *prefix, const QStringList &names, const QSize &size);
};

void TstResourcePictures::addRows(const char *prefix, const QStringList &names, const QSize &size)
{
    for (const QString &name : names) {
        const QString path = QLatin1String(prefix) + name;
        QTest::newRow(qPrintable(path)) << path << size;
    }
}

void TstResourcePictures::pictureLoads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size"); // an empty size: any size from 16 to 64 pixels

    const QSize silk(16, 16);
    addRows(":/icons/silk/16x16/",
            {"document-open.png", "list-remove.png", "application-exit.png", "call-stop.png",
             "call-start.png", "list-add.png", "network-transmit.png", "dialog-information.png",
             "document-new.png"},
            silk);
    addRows(":/icons/silk/",
            {"eye", "disk", "help", "stop", "wand", "sound", "clock_go", "properties", "folder", "import",
             "layout", "printer", "refresh", "comment-add", "keyboard", "page_white_stack"},
            silk);
    addRows(":/customicons/",
            {"qt", "up", "down", "idle", "ready", "started", "inactive", "sound_start_red",
             "sound_start_blue", "cable", "graph", "graph.png", "sound_graph", "sync_yellow", "spectrum",
             "data_start", "pulse_start", "superman"},
            QSize());
    QStringList frames;
    for (int frame = 1; frame <= 12; ++frame)
        frames << QStringLiteral("progress_indicator_%1").arg(frame);
    addRows(":/images/", frames, QSize());
    addRows(":/images/", {"Halvexa_Logo_155_30", "Halvexa_Logo_155_30_png"}, QSize(155, 30));
    addRows(":/flags/", {"ad", "de", "gb", "us", "scotland", "england", "wales", "catalonia"}, QSize(16, 11));
}

void TstResourcePictures::pictureLoads()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    QVERIFY2(QFile::exists(path), qPrintable(path));
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    if (size.isEmpty()) {
        QVERIFY(image.width() >= 16 && image.width() <= 64);
        QCOMPARE(image.height(), image.width());
    } else {
        QCOMPARE(image.size(), size);
    }
}

void TstResourcePictures::busyFramesAllDiffer()
{
    QList<QImage> frames;
    for (int frame = 1; frame <= 12; ++frame) {
        const QImage image(QStringLiteral(":/images/progress_indicator_%1").arg(frame));
        QVERIFY(!frames.contains(image)); // an animation that repeats a frame stutters
        frames << image;
    }
}

void TstResourcePictures::everyPackagedFlagIsThere()
{
    const QFileInfoList packaged =
        QDir(QStringLiteral(QUELLOR_FLAGS_DIR)).entryInfoList({"*.png"}, QDir::Files);
    QVERIFY(packaged.size() >= 240);
    for (const QFileInfo &flag : packaged) {
        const QString path = QStringLiteral(":/flags/") + flag.completeBaseName();
        QVERIFY2(!QImage(path).isNull(), qPrintable(path));
    }
    // and English's, the language menu's only flag named by a language code
    QCOMPARE(QDir(QStringLiteral(":/flags")).count(), uint(packaged.size()) + 1);
    QCOMPARE(QImage(QStringLiteral(":/flags/en")), QImage(QStringLiteral(":/flags/gb")));
}

void TstResourcePictures::flagsAreNamedByLowerCaseCode()
{
    const QStringList flags = QDir(QStringLiteral(":/flags")).entryList();
    for (const QString &name : flags) {
        QCOMPARE(name, name.toLower());
        QVERIFY2(!name.contains(QLatin1Char('.')), qPrintable(name));
    }
}

QTEST_MAIN(TstResourcePictures)
#include "tst_resourcepictures.moc"
