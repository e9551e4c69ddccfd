#include "platform/base/printer.h"
#include "platform/base/printerrules.h"

#include <QTest>

class TestPrintRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void drawingRectangleIsMeasuredFromThePaperEdges()
    {
        // Letter paper, a printer that cannot print the outer quarter inch.
        const QRect place = drawingRectangle(PageMargins{ 1440, 1440, 1440, 1440 }, QSize(12240, 15840), QPoint(360, 360));
        QCOMPARE(place.left(), 1080);
        QCOMPARE(place.top(), 1080);
        QCOMPARE(place.left() + place.width(), 12240 - 1440 - 360);
        QCOMPARE(place.top() + place.height(), 15840 - 1440 - 360);

        const QRect uneven = drawingRectangle(PageMargins{ 720, 0, 2880, 1440 }, QSize(11906, 16838), QPoint(0, 0));
        QCOMPARE(uneven, QRect(720, 0, 11906 - 720 - 2880, 16838 - 1440));
    }

    void pageSliceTakesWholeBands_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<qreal>("height");
        QTest::addColumn<qreal>("top");
        QTest::addColumn<qreal>("bottom");
        QTest::addColumn<int>("next");
        // Lines of 10 from character 0, 5, 12, 20; a page break before the
        // one at 40; a table row of 40 at 50; a last line at 60; length 70.
        QTest::newRow("from the start") << 0 << 25.0 << 0.0 << 20.0 << 12;
        QTest::newRow("exact fit") << 0 << 30.0 << 0.0 << 30.0 << 20;
        QTest::newRow("mid-line start") << 7 << 10.0 << 10.0 << 20.0 << 12;
        QTest::newRow("page break") << 12 << 100.0 << 20.0 << 40.0 << 40;
        QTest::newRow("row stays whole") << 40 << 45.0 << 40.0 << 50.0 << 50;
        QTest::newRow("row taller than the page") << 50 << 25.0 << 50.0 << 75.0 << 60;
        QTest::newRow("last band") << 60 << 100.0 << 90.0 << 100.0 << 70;
        QTest::newRow("at the end") << 70 << 100.0 << 0.0 << 0.0 << 70;
    }
    void pageSliceTakesWholeBands()
    {
        const QList<TextBand> bands{ { 0, 10, 0 },           { 10, 20, 5 }, { 20, 30, 12 }, { 30, 40, 20 },
                                     { 40, 50, 40, true },   { 50, 90, 50 }, { 90, 100, 60 } };
        QFETCH(int, first);
        QFETCH(qreal, height);
        const PageSlice slice = pageSlice(bands, first, height, 70);
        QTEST(slice.top, "top");
        QTEST(slice.bottom, "bottom");
        QTEST(slice.next, "next");
    }

    void pagesFollowOneAnother()
    {
        // Walking a document page by page visits every band once, in order.
        QList<TextBand> bands;
        for (int i = 0; i < 100; ++i)
            bands.append(TextBand{ i * 12.0, i * 12.0 + 12, i * 9 });
        int first = 0;
        int pages = 0;
        qreal covered = 0;
        while (first < 900) {
            const PageSlice slice = pageSlice(bands, first, 100, 900);
            QCOMPARE(slice.top, covered);
            QVERIFY(slice.bottom - slice.top <= 100);
            QVERIFY(slice.next > first);
            covered = slice.bottom;
            first = slice.next;
            ++pages;
        }
        QCOMPARE(covered, 1200.0);
        QCOMPARE(pages, 13); // eight lines of 12 to a page of 100
    }

    void pdfNamesComeFromTheJobAndNeverRepeat()
    {
        QCOMPARE(pdfFileName(QStringLiteral("The Vireon Anthology       Credits"), 1),
                 QStringLiteral("The Vireon Anthology Credits.pdf"));
        QCOMPARE(pdfFileName(QStringLiteral("The Vireon Anthology     Wallpaper Instructions"), 2),
                 QStringLiteral("The Vireon Anthology Wallpaper Instructions (2).pdf"));
        QCOMPARE(pdfFileName(QStringLiteral("1957: A/B \"test\" <x>?*|\\"), 1), QStringLiteral("1957 AB test x.pdf"));
        QCOMPARE(pdfFileName(QStringLiteral("  "), 3), QStringLiteral("Document (3).pdf"));
        QCOMPARE(pdfFileName(QStringLiteral(".."), 1), QStringLiteral("Document...pdf"));
    }
};

QTEST_GUILESS_MAIN(TestPrintRules)
#include "tst_printrules.moc"
