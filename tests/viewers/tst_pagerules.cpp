#include "viewers/pagerules.h"

#include <QSet>
#include <QTest>

namespace {
// Turns one page the way the window does, over a disc holding the given page numbers.
std::optional<int> turn(const QList<int> &candidates, const QSet<int> &onDisc, QList<int> *tried = nullptr)
{
    return acceptedPage(candidates, [&](int page) {
        if (tried)
            *tried << page;
        return onDisc.contains(page);
    });
}

QSet<int> pages(int first, int last)
{
    QSet<int> set;
    for (int page = first; page <= last; ++page)
        set << page;
    return set;
}
}

class TestPageRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void namesAndCodes()
    {
        QCOMPARE(pageCodeOfLabel(QStringLiteral("1957")), QStringLiteral("57"));
        QCOMPARE(pageCodeOfLabel(QStringLiteral("2002")), QStringLiteral("02"));
        QCOMPARE(pageCodeOfSelection(QStringLiteral("A2")), QStringLiteral("02"));
        QCOMPARE(pageCodeOfSelection(QStringLiteral("02")), QStringLiteral("02"));
        QCOMPARE(pageCodeOfSelection(QStringLiteral("57")), QStringLiteral("57"));
        QCOMPARE(pagePath("E:", PageKind::Brochure, "57", 2), QStringLiteral("E:\\Brochures\\57brch02.jpg"));
        QCOMPARE(pagePath("E:", PageKind::Brochure, "57", 10), QStringLiteral("E:\\Brochures\\57brch10.jpg"));
        QCOMPARE(pagePath("E:", PageKind::Advertisement, "02", 40), QStringLiteral("E:\\ads\\02foth40.jpg"));
        QCOMPARE(firstPagePath("E:", PageKind::Brochure, "57"), QStringLiteral("E:\\Brochures\\57BRCH00.jpg"));
        QCOMPARE(firstPagePath("E:", PageKind::Advertisement, "02"), QStringLiteral("E:\\ads\\02FOTH00.jpg"));
        QCOMPARE(counterText(2, 12), QStringLiteral("3 of 12"));
        QCOMPARE(viewerCaption("1957", PageKind::Brochure), QStringLiteral("The Vireon Anthology    1957 Showroom Brochure"));
        QCOMPARE(viewerCaption("2002", PageKind::Advertisement), QStringLiteral("The Vireon Anthology    2002 Advertisement"));
    }

    void countingSeeksOnlyTheHighestPage()
    {
        QList<int> asked;
        const auto count = [&](const QSet<int> &onDisc) {
            asked.clear();
            return countPages([&](int page) {
                asked << page;
                return onDisc.contains(page);
            });
        };
        QCOMPARE(count({ 0, 1, 3 }), 4);
        QCOMPARE(asked.first(), 40);
        QCOMPARE(asked.last(), 3);
        QCOMPARE(count(pages(0, 5)), 6);
        QCOMPARE(count({ 0, 40 }), 41);
        QCOMPARE(count({}), 0);
        QCOMPARE(asked.size(), 41);
    }

    void turningWrapsAndSkipsMissingPages()
    {
        // Pages 00 to 05: forward from the last shows the first, backward from the first the last.
        QCOMPARE(turn(spinUpCandidates(5, 6), pages(0, 5)), 0);
        QCOMPARE(turn(spinDownCandidates(0), pages(0, 5)), 5);
        // 02 missing: never shown either way.
        QCOMPARE(turn(spinUpCandidates(1, 4), { 0, 1, 3 }), 3);
        QCOMPARE(turn(spinDownCandidates(3), { 0, 1, 3 }), 1);
        // Page 40: reached forward from 39; backward from the first starts at 39;
        // forward from 40 goes to page 1, not page 0.
        const QSet<int> full = pages(0, 40);
        QCOMPARE(turn(spinUpCandidates(39, 41), full), 40);
        QCOMPARE(turn(spinDownCandidates(0), full), 39);
        QCOMPARE(turn(spinUpCandidates(40, 41), full), 1);
        // A single page: nothing to turn to either way.
        QCOMPARE(turn(spinUpCandidates(0, 1), { 0 }), std::nullopt);
        QCOMPARE(turn(spinDownCandidates(0), { 0 }), std::nullopt);
        // The first page is a place to be even when its file has gone.
        QCOMPARE(turn(spinDownCandidates(1), { 1 }), 0);
        QCOMPARE(turn(spinUpCandidates(3, 4), { 3 }), 0);
        // Each candidate is tried once, in order.
        QList<int> tried;
        QCOMPARE(turn(spinUpCandidates(1, 6), { 0, 1, 5 }, &tried), 5);
        QCOMPARE(tried, QList<int>({ 2, 3, 4, 5 }));
    }

    void scrollAxis_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("viewport");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("largeStep"); // 0: the bar keeps its step

        QTest::newRow("layout, twice as wide") << 2000 << 783 << 6 << 1217 << true << 101;
        QTest::newRow("page turn, no sixth") << 1200 << 583 << 1 << 617 << true << 308;
        QTest::newRow("fits") << 500 << 783 << 6 << 0 << false << 0;
        QTest::newRow("step below 1") << 788 << 783 << 6 << 5 << true << 0;
        QTest::newRow("16-bit range") << 40000 << 783 << 6 << 32767 << true << 107;
        QTest::newRow("no viewport") << 300 << 0 << 6 << 300 << true << 0;
    }

    void scrollAxis()
    {
        QFETCH(int, page);
        QFETCH(int, viewport);
        QFETCH(int, divisor);
        const ScrollAxis axis = ::scrollAxis(page, viewport, divisor);
        QTEST(axis.maximum, "maximum");
        QTEST(axis.enabled, "enabled");
        QTEST(axis.largeStep.value_or(0), "largeStep");
    }

    void fitViewIsCentredOnTheScreen()
    {
        QCOMPARE(fitViewBox(0, 600, 800), QRect(169, 0, 462, 600));
        QCOMPARE(fitViewBox(0, 583, 800), QRect(176, 0, 449, 583));
    }
};

QTEST_GUILESS_MAIN(TestPageRules)
#include "tst_pagerules.moc"
