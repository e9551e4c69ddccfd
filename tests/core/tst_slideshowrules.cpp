#include "core/photoindex.h"
#include "core/photonavigator.h"
#include "core/slideshow.h"
#include "core/slideshowrules.h"

#include <QTest>

using namespace SlideShowRules;

namespace {
// An index of count photographs named 55001.JPG, 55002.JPG, ...
PhotoIndex indexOf(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << QStringLiteral("55%1.jpg").arg(i, 3, 10, QLatin1Char('0'));
    return PhotoIndex(QStringLiteral("E:"), names);
}

// The positions that a run of timer ticks shows; 0 for a tick that shows nothing.
QList<int> ticks(SlideShow &show, int count, bool random = false)
{
    QList<int> shown;
    for (int i = 0; i < count; ++i) {
        const int k = show.nextTimedSlide(random);
        if (k)
            show.timedSlideShown();
        shown << k;
    }
    return shown;
}

struct Show
{
    explicit Show(int count, SlideShow::RandomSource random = FixedSeedRandom())
        : index(indexOf(count)), show(index, navigator, delay, std::move(random))
    {
    }
    PhotoIndex index;
    PhotoNavigator navigator{ index };
    qint32 delay = 0;
    SlideShow show;
};
}

class TestSlideShowRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void handSteps_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        const int n = 250;
        QTest::newRow("Fwd at N wraps to 1") << "Fwd" << n << 1;
        QTest::newRow("Fwd") << "Fwd" << 7 << 8;
        QTest::newRow("Bkwd at 1 wraps to N") << "Bkwd" << 1 << n;
        QTest::newRow("Bkwd from before the first") << "Bkwd" << 0 << n;
        QTest::newRow("Bkwd") << "Bkwd" << 8 << 7;
        QTest::newRow("Jump Fwd onto N wraps to 1") << "Jump Fwd" << n - 10 << 1;
        QTest::newRow("Jump Fwd onto N - 1") << "Jump Fwd" << n - 11 << n - 1;
        QTest::newRow("Jump Bkwd from 11 lands on 1") << "Jump Bkwd" << 11 << 1;
        QTest::newRow("Jump Bkwd from 10 wraps to N") << "Jump Bkwd" << 10 << n;
    }
    void handSteps()
    {
        QFETCH(QString, button);
        QFETCH(int, from);
        QFETCH(int, to);
        Show s(250);
        s.navigator.PhotoCursor = from;
        const int shown = button == u"Fwd" ? s.show.Fwd()
            : button == u"Bkwd"            ? s.show.Bkwd()
            : button == u"Jump Fwd"        ? s.show.JumpFwd()
                                           : s.show.JumpBkwd();
        QCOMPARE(shown, to);
        QCOMPARE(s.navigator.PhotoCursor, to);
    }

    void middleHalvesToEven()
    {
        QCOMPARE(middlePosition(250), 125);
        QCOMPARE(middlePosition(7), 4);
        QCOMPARE(middlePosition(5), 2);
        QCOMPARE(middlePosition(1), 0);
        Show s(9);
        QCOMPARE(s.show.Middle(), 4);
        QCOMPARE(s.navigator.PhotoCursor, 4);
    }

    void delayCycleBothWays()
    {
        const QList<qint32> cycle{ 1000, 2000, 3000, 4000, 5000, 10000, 15000, 20000, 25000, 30000,
                                   35000, 40000, 45000, 50000, 55000, 60000 };
        for (int i = 0; i < cycle.size(); ++i) {
            QCOMPARE(delayAfterSpinUp(cycle.at(i)), cycle.at((i + 1) % cycle.size()));
            QCOMPARE(delayAfterSpinDown(cycle.at((i + 1) % cycle.size())), cycle.at(i));
        }
        QCOMPARE(FirstDelayText, QStringLiteral(" 1 second"));
        QCOMPARE(delayText(1000), QStringLiteral("1 seconds"));
        QCOMPARE(delayText(45000), QStringLiteral("45 seconds"));
        QCOMPARE(counterText(12, 250), QStringLiteral("12 of 250"));
    }

    void captions_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("caption");
        QTest::newRow("2002") << "A2010.JPG" << "2002";
        QTest::newRow("model year keeps its blank") << "62001.JPG" << "1962 ";
        QTest::newRow("1955") << "55080.JPG" << "1955 ";
        QTest::newRow("category") << "TD001.JPG" << "Danbury Mint Die Cast Models ";
        QTest::newRow("slide-show-only category") << "CW004.JPG" << "The Vostrel Vireon ";
        QTest::newRow("art print") << "GL001.JPG" << "Osterlin Art Print ";
        QTest::newRow("unknown code") << "QQ001.JPG" << "";
        QTest::newRow("the empty entry") << "" << "";
    }
    void captions()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, caption);
        QCOMPARE(slideCaption(fileName), caption);
    }

    void middleCaptionHasNoBlank()
    {
        QCOMPARE(middleCaption(QStringLiteral("62001.JPG")), QStringLiteral("1962"));
        QCOMPARE(middleCaption(QStringLiteral("TD001.JPG")), QStringLiteral("19TD"));
    }

    void clockTexts()
    {
        QCOMPARE(clockTime(QTime(13, 5, 9)), QStringLiteral("01:05:09 pm"));
        QCOMPARE(clockTime(QTime(0, 0, 0)), QStringLiteral("12:00:00 am"));
        QCOMPARE(clockTime(QTime(12, 30, 0)), QStringLiteral("12:30:00 pm"));
        QCOMPARE(clockDate(QDate(2026, 3, 9)), QStringLiteral("03/09/26"));
        QCOMPARE(clockDay(QDate(2026, 12, 9)), QStringLiteral("Wednesday"));
    }

    void handBackTable_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("stats");
        QTest::addColumn<bool>("desc");
        QTest::addColumn<bool>("restricted");
        QTest::addColumn<int>("focus");
        QTest::addColumn<int>("yearIndex");
        QTest::addColumn<QString>("code");
        QTest::newRow("model year") << "1962 " << "Engines" << false << false << 9 << 8 << "62";
        QTest::newRow("1966") << "1966 " << "Engines" << false << false << 13 << 12 << "66";
        QTest::newRow("Beginning's 1955") << "1955" << "Engines" << false << false << 2 << 1 << "55";
        QTest::newRow("2002") << "2002" << "Engines" << false << false << 1 << 0 << "A2";
        QTest::newRow("details only") << "Vireon Cookies " << "Details" << false << true << 1 << 0 << "VC";
        QTest::newRow("details and description") << "Vireon Mach III " << "Details" << true << true << 1 << 0 << "M3";
        QTest::newRow("knives") << "Franklin Mint Collector Knives " << "Details" << true << true << 1 << 0 << "TE";
        // Categories that none of the groups lists are not years.
        QTest::newRow("unlisted category") << "The Vostrel Vireon " << "Engines" << false << false << 1 << 0 << "CW";
        QTest::newRow("coin") << "Vireon Coin " << "Engines" << false << false << 1 << 0 << "ZY";
        QTest::newRow("art print") << "National Vireon Museum Print " << "Engines" << false << false << 1 << 0 << "GH";
        QTest::newRow("Middle's caption of a category") << "19TD" << "Engines" << false << false << 1 << 0 << "TD";
    }
    void handBackTable()
    {
        QFETCH(QString, caption);
        const HandBack rule = handBack(caption);
        QTEST(rule.statsCaption, "stats");
        QTEST(rule.enablesDesc, "desc");
        QFETCH(bool, restricted);
        using enum SelectionRules::DetailButton;
        const QList<SelectionRules::DetailButton> yearOnly{ cmdOptions, cmdColors, cmdScript, cmdEmblem, cmdAd, cmdNostalgia };
        QCOMPARE(rule.disabledButtons, restricted ? yearOnly : QList<SelectionRules::DetailButton>());
        QTEST(rule.focusButton, "focus");
        QTEST(int(rule.yearButtonIndex), "yearIndex");
        QTEST(rule.selectionCode, "code");
    }

    void compactLayoutFor640x480()
    {
        const QHash<QString, Twips> design{
            { "Image1", { 120, 120, 11700, 7500 } },       { "panYear", { 120, 7680, 2850, 375 } },
            { "SSCommand1", { 4560, 7620, 1815, 255 } },   { "SSCommand2", { 6360, 7620, 1815, 255 } },
            { "mmSlide", { 4560, 7860, 3600, 330 } },      { "panInterval", { 9720, 7680, 1290, 375 } },
            { "SpinInterval", { 11040, 7680, 735, 405 } }, { "PnlCoStar", { 120, 8220, 4335, 375 } },
            { "StatusDay", { 4440, 8220, 1935, 375 } },    { "StatusDate", { 6360, 8220, 1935, 375 } },
            { "StatusTime", { 8280, 8220, 1935, 375 } },   { "cmdExit", { 10200, 8220, 1695, 375 } },
            { "optSeq(0)", { 3120, 7680, 1335, 255 } },
        };
        const QHash<QString, Twips> compact = compactLayout(design, 640 * 15);
        auto place = [&](const char *name) {
            const Twips t = compact.value(QLatin1String(name));
            return QList<int>{ t.left, t.top, t.width, t.height };
        };
        QCOMPARE(place("Image1"), QList<int>({ 120, 120, 9302, 5850 }));
        QCOMPARE(place("SSCommand1"), QList<int>({ 4160, 5900, 1377, 255 }));
        QCOMPARE(place("SSCommand2"), QList<int>({ 5537, 5900, 1377, 255 }));
        QCOMPARE(place("mmSlide"), QList<int>({ 4160, 6140, 2736, 330 }));
        QCOMPARE(place("PnlCoStar"), QList<int>({ 120, 6500, 3500, 375 }));
        QCOMPARE(place("StatusDate"), QList<int>({ 3620, 6500, 1500, 375 }));
        QCOMPARE(place("StatusDay"), QList<int>({ 5120, 6500, 1500, 375 }));
        QCOMPARE(place("StatusTime"), QList<int>({ 6620, 6500, 1500, 375 }));
        QCOMPARE(place("cmdExit"), QList<int>({ 8120, 6500, 1400, 375 }));
        QCOMPARE(place("panInterval"), QList<int>({ 8170, 5900, 1290, 375 }));
        QCOMPARE(place("SpinInterval"), QList<int>({ 7435, 5900, 735, 243 }));
        QVERIFY(!compact.contains(QStringLiteral("optSeq(0)")));
    }

    void sequentialTicksRewindAfterTheLast()
    {
        Show s(20);
        s.navigator.PhotoCursor = 19; // photograph N - 1 on screen
        s.show.Play();
        QCOMPARE(ticks(s.show, 4), QList<int>({ 20, 0, 1, 2 }));
        s.show.Pause();
        QCOMPARE(s.navigator.PhotoCursor, 2); // the photograph on screen
        // Pausing before the first photograph goes round to the last.
        s.navigator.PhotoCursor = 0;
        s.show.Pause();
        QCOMPARE(s.navigator.PhotoCursor, 20);
    }

    void handBackIsThePhotographOnScreen()
    {
        Show s(20);
        s.navigator.PhotoCursor = 4;
        s.show.Play();
        ticks(s.show, 2); // 5 and 6
        QCOMPARE(s.show.handBackPosition(), 6);
        QVERIFY(s.show.playing());
        s.show.handedBack();
        QVERIFY(!s.show.SkipExitPrompt);
        s.show.Play(); // a later "Play" continues with the photograph handed back
        QCOMPARE(ticks(s.show, 1), QList<int>({ 6 }));

        s.show.Pause();
        QCOMPARE(s.show.handBackPosition(), 6);
        s.navigator.PhotoCursor = 0;
        QCOMPARE(s.show.handBackPosition(), 1);
        s.show.start();
        QVERIFY(s.show.SkipExitPrompt);
        QCOMPARE(s.show.PhotoDelay, 1000);
    }

    void randomShowRepeatsItsSequence()
    {
        QList<int> runs[2];
        for (QList<int> &run : runs) {
            Show s(250);
            s.show.Play();
            for (int k : ticks(s.show, 40, true)) {
                if (k) // a draw of N is followed by a tick that only rewinds
                    run << k;
            }
        }
        QCOMPARE(runs[0], runs[1]);
        QVERIFY(runs[0].size() >= 39);
        QVERIFY(std::all_of(runs[0].cbegin(), runs[0].cend(), [](int k) { return k >= 1 && k <= 250; }));
        QVERIFY(QSet<int>(runs[0].cbegin(), runs[0].cend()).size() > 30);
    }

    void randomFormulaInSinglePrecision()
    {
        QCOMPARE(randomPosition(250, 0.0f), 1);
        QCOMPARE(randomPosition(250, 0.5f), 126);
        const float highest = 1.0f - 1.0f / 16777216.0f;
        QCOMPARE(randomPosition(250, highest), 250);
        // For a power of two, N x highest + 1 rounds up to N + 1 in single precision: kept at N.
        QCOMPARE(randomPosition(256, highest), 256);
        QCOMPARE(randomPosition(1, highest), 1);

        QList<float> draws{ highest, 0.0f };
        Show s(10, [&] { return draws.takeFirst(); });
        s.show.Play();
        QCOMPARE(ticks(s.show, 3, true), QList<int>({ 10, 0, 1 }));
    }

    void failedTimedSlideIsReportedOnceThenPassed()
    {
        Show s(20);
        s.navigator.PhotoCursor = 6;
        s.show.Play();
        QCOMPARE(s.show.nextTimedSlide(false), 7);
        QVERIFY(s.show.timedSlideFailed());
        QCOMPARE(s.navigator.PhotoCursor, 7); // retried on the next tick
        QCOMPARE(s.show.nextTimedSlide(false), 7);
        QVERIFY(!s.show.timedSlideFailed());
        QCOMPARE(s.navigator.PhotoCursor, 8);
        QCOMPARE(ticks(s.show, 1), QList<int>({ 8 }));
        // A later failure of the same photograph is a new one.
        s.navigator.PhotoCursor = 7;
        QCOMPARE(s.show.nextTimedSlide(false), 7);
        QVERIFY(s.show.timedSlideFailed());
    }
};

QTEST_GUILESS_MAIN(TestSlideShowRules)
#include "tst_slideshowrules.moc"
