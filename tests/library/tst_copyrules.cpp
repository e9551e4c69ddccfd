#include "library/copyrules.h"
#include "library/mediacopy.h"
#include "library/photoexportrules.h"
#include "library/screensaverrules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace CopyRules;

class TestCopyRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void chunks_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<qint64>("chunks");
        QTest::addColumn<qint64>("rest");
        QTest::newRow("two chunks, no rest") << qint64(50000) << qint64(2) << qint64(0);
        QTest::newRow("two chunks and a rest") << qint64(60000) << qint64(2) << qint64(10000);
        QTest::newRow("only a rest") << qint64(24999) << qint64(0) << qint64(24999);
        QTest::newRow("empty") << qint64(0) << qint64(0) << qint64(0);
        // 900 MB: more chunks than a 16-bit count holds.
        QTest::newRow("above 819 MB") << qint64(900000001) << qint64(36000) << qint64(1);
    }
    void chunks()
    {
        QFETCH(qint64, size);
        QFETCH(qint64, chunks);
        QFETCH(qint64, rest);
        QCOMPARE(chunkPlan(size, MediaChunk), (ChunkPlan{ chunks, rest }));
    }

    void gauges()
    {
        QCOMPARE(fileGaugePercent(MediaChunk, 1, 60000), 41);
        QCOMPARE(fileGaugePercent(MediaChunk, 2, 50000), 100);
        QCOMPARE(fileGaugePercent(GaugeChunk, 1, 3000), 33);
        QCOMPARE(jobGaugePercent(42000000, 42000000), 0);
        QCOMPARE(jobGaugePercent(21000000, 42000000), 50);
        QCOMPARE(jobGaugePercent(0, 586000000), 100);
        // More copied than the fixed total: the gauge stays full.
        QCOMPARE(jobGaugePercent(-25000, 42000000), 100);
    }

    void thousands_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero is empty") << qint64(0) << QString();
        QTest::newRow("one") << qint64(1) << QStringLiteral("1");
        QTest::newRow("hundreds") << qint64(999) << QStringLiteral("999");
        QTest::newRow("thousands") << qint64(1000) << QStringLiteral("1,000");
        QTest::newRow("millions") << qint64(42000000) << QStringLiteral("42,000,000");
        QTest::newRow("beyond the pattern") << qint64(4321000000) << QStringLiteral("4,321,000,000");
    }
    void thousands()
    {
        QFETCH(qint64, value);
        QFETCH(QString, text);
        QCOMPARE(formatThousands(value), text);
    }

    void refusal()
    {
        const QString oneShort = refusalMessage(41999999, 42000000);
        QCOMPARE(oneShort,
                 QStringLiteral("Not enough available hard disk space to copy photos.\r\n\r\nFree some up and try again.\r\n\r\n"
                                "You have:  41,999,999 bytes\r\n\r\nYou need:   1 bytes more\r\n\r\n"
                                "For a total of:   42,000,000 bytes free.\r\n"));
        // A failed query leaves nothing between the label and " bytes".
        QVERIFY(refusalMessage(0, 432000000).contains(QStringLiteral("\r\nYou have:   bytes\r\n")));
        QCOMPARE(availableFromFree(2048), qint64(2000));
        QCOMPARE(availableFromFree(1023), qint64(0));
    }

    void plainFileNames()
    {
        for (const char *good : { "55010.JPG", "a b.avi", "x..y.jpg" })
            QVERIFY2(isPlainFileName(QLatin1String(good)), good);
        for (const char *bad : { "", ".", "..", "..\\55010.jpg", "../x.jpg", "/etc/passwd", "C:x.jpg", "a\\b.jpg" })
            QVERIFY2(!isPlainFileName(QLatin1String(bad)), bad);
    }

    void screenSaverTexts()
    {
        QCOMPARE(ScreenSaverRules::intervalText(5000), QStringLiteral("5 Seconds"));
        QCOMPARE(ScreenSaverRules::intervalText(1000), QStringLiteral("1 Seconds"));
        QCOMPARE(ScreenSaverRules::intervalSetting(60000), QStringLiteral("60"));
        QCOMPARE(ScreenSaverRules::photoFileName(QStringLiteral("/opt/program\\birds\\55010.JPG")), QStringLiteral("55010.JPG"));
        QCOMPARE(ScreenSaverRules::photoFileName(QStringLiteral("E:\\Birds\\A2010.JPG")), QStringLiteral("A2010.JPG"));
        QVERIFY(ScreenSaverRules::nothingSelected(QStringLiteral("panYear")));
        QVERIFY(!ScreenSaverRules::nothingSelected(QStringLiteral("1957")));
        const QStringList installed = ScreenSaverRules::installedMessage().split(QStringLiteral("\r\n"));
        QCOMPARE(installed.size(), 14);
        QCOMPARE(installed.at(7), QStringLiteral("    2) Click the Settings button                    "));
        QCOMPARE(installed.at(13), QStringLiteral("    8) Click OK                            "));
    }

    void saveRefusals()
    {
        using namespace PhotoExportRules;
        QTemporaryDir dir;
        const QString birds = dir.filePath(QStringLiteral("disc/birds"));
        QDir().mkpath(birds);
        QFile(birds + QStringLiteral("/55010.jpg")).open(QIODevice::WriteOnly);
        const QString source = birds + QStringLiteral("/55010.jpg");
        // The source in another letter case is the source, not just the folder.
        QCOMPARE(refusalOf(birds + QStringLiteral("/55010.JPG"), source, birds), Refusal::SameAsSource);
        QCOMPARE(refusalOf(dir.filePath(QStringLiteral("disc/BIRDS/./55010.jpg")), source, birds), Refusal::SameAsSource);
        QCOMPARE(refusalOf(birds + QStringLiteral("/other.jpg"), source, birds), Refusal::InPhotoFolder);
        QCOMPARE(refusalOf(dir.filePath(QStringLiteral("disc/Birds/sub/x.jpg")), source, birds), Refusal::InPhotoFolder);
        QCOMPARE(refusalOf(dir.filePath(QStringLiteral("disc/birds2/x.jpg")), source, birds), Refusal::None);
        QCOMPARE(refusalOf(dir.filePath(QStringLiteral("pictures/55010.jpg")), source, birds), Refusal::None);
    }

    void printedPage()
    {
        using namespace PhotoExportRules;
        const QStringList window = printedLines(PrintHeading::PhotoWindow, QStringLiteral("1957"));
        const QStringList menu = printedLines(PrintHeading::Menu, QStringLiteral("1957"));
        QCOMPARE(window.size(), 12);
        QCOMPARE(window.at(8), QStringLiteral("            The Vireon Anthology 2002"));
        QCOMPARE(menu.at(8), QStringLiteral("            The Vireon Anthology"));
        QCOMPARE(window.at(10), QStringLiteral("            1957"));
        for (int i : { 0, 7, 9, 11 })
            QCOMPARE(window.at(i), QStringLiteral(" "));
        QCOMPARE(window.mid(0, 8), menu.mid(0, 8));
        QCOMPARE(window.mid(9), menu.mid(9));

        QCOMPARE(picturePlace(QSize(400, 300), QSize(11600, 16500)), QRect(1460, 3000, 6000, 4500));
        // Wider than the paper: smaller, in its own shape.
        const QRect wide = picturePlace(QSize(776, 496), QSize(11600, 16500));
        QCOMPARE(wide.topLeft(), QPoint(1460, 3000));
        QCOMPARE(wide.width(), 11600 - 1460);
        QVERIFY(qAbs(wide.height() - (11600 - 1460) * 496 / 776) <= 1);
    }
};

QTEST_GUILESS_MAIN(TestCopyRules)
#include "tst_copyrules.moc"
