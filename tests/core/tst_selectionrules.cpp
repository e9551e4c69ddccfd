#include "core/contentcatalog.h"
#include "core/selectionrules.h"

#include <QTest>

using namespace SelectionRules;

namespace {
// The enabled detail buttons as letters, in the order of the button row:
// Desc, Options, Stats, Colors, Script, Emblem, ClipArt, Ad, Brochure, Nostalgia.
QString enabledOf(const DetailButtons &b)
{
    QString s;
    for (bool on : { b.cmdDesc, b.cmdOptions, b.cmdStats, b.cmdColors, b.cmdScript, b.cmdEmblem, b.cmdClipArt,
                     b.cmdAd, b.cmdBrochure, b.cmdNostalgia })
        s += on ? u'x' : u'.';
    return s;
}
}

class TestSelectionRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void detailButtons_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("a year") << "1957" << "xxxxxxxxxx";
        QTest::newRow("2002 has no nostalgia") << "2002" << "xxxxxxxxx.";
        QTest::newRow("prototypes") << "Early Vireon Prototypes " << "..x.......";
        QTest::newRow("cookies") << "Vireon Cookies " << "..........";
        QTest::newRow("metal signs") << "Vireon Metal Signs " << "x.x.......";
        QTest::newRow("danbury") << "Danbury Mint Die Cast Models " << "x.x.......";
        QTest::newRow("coin") << "Vireon Coin " << "x.........";
        QTest::newRow("knives") << "Franklin Mint Collector Knives " << "x.........";
        QTest::newRow("a category not in the table") << "The Vostrel Vireon " << "xxxxxxxxxx";
        QTest::newRow("coin without its blank") << "Vireon Coin" << "xxxxxxxxxx";
    }
    void detailButtons()
    {
        QFETCH(QString, label);
        QFETCH(QString, enabled);
        QCOMPARE(enabledOf(detailButtonsFor(label)), enabled);
    }

    void clickCycleRunsThroughYearsAndCollectables()
    {
        QString label = QStringLiteral("panYear");
        qint16 index = 0;
        QStringList labels;
        QList<qint16> indexes;
        for (int click = 0; click < 21; ++click) {
            const Advance next = nextInClickCycle(label, index);
            label = next.label;
            index = next.yearButtonIndex;
            labels << label;
            indexes << index;
        }
        QCOMPARE(labels.mid(0, 13), QStringList({ "1955", "1956", "1957", "1958", "1959", "1960", "1961", "1962",
                                                  "1963", "1964", "1965", "1966", "2002" }));
        QCOMPARE(labels.mid(13), QStringList({ "Danbury Mint Die Cast Models ", "Franklin Mint Die Cast Models ",
                                               "Vireon Metal Signs ", "Vireon Coin ", "Vireon Cookies ",
                                               "Vireon Postage Stamps ", "1955 ", "1956" }));
        QCOMPARE(indexes.at(12), qint16(13));
        QCOMPARE(indexes.at(13), qint16(0));
        QCOMPARE(indexes.at(19), qint16(1)); // "1955 " is button 1 again
        QVERIFY(nextInClickCycle(QStringLiteral("Danbury Mint Die Cast Models "), 0).viaShowCategory);
        QVERIFY(!nextInClickCycle(QStringLiteral("Vireon Metal Signs "), 0).viaShowCategory);
        QVERIFY(nextInClickCycle(QStringLiteral("Vireon Postage Stamps "), 0).resetsStatsCaption);
        // A category of the slide show continues with button 1.
        QCOMPARE(nextInClickCycle(QStringLiteral("Vireon Mach I "), 0).label, QStringLiteral("1955"));
    }

    void smallRules()
    {
        QCOMPARE(yearButtonAfterStep(QStringLiteral("55")), 2);
        QCOMPARE(yearButtonAfterStep(QStringLiteral("66")), 13);
        QCOMPARE(yearButtonAfterStep(QStringLiteral("A2")), 1);
        QCOMPARE(yearButtonAfterStep(QStringLiteral("ZY")), 1);
        QVERIFY(isNumericLabel(QStringLiteral("1955 ")));
        QVERIFY(isNumericLabel(QStringLiteral("0")));
        QVERIFY(!isNumericLabel(QStringLiteral("Vireon Coin ")));
        QVERIFY(!isNumericLabel(QStringLiteral("panYear")));
        QCOMPARE(stuffLabel(3), QStringLiteral("Vireon Cookies "));
        for (int i = 0; i < 6; ++i)
            QVERIFY(ContentCatalog::categoryByTitle(stuffLabel(i)));
        QVERIFY(usesDetailsCaption(QStringLiteral("The Classic Strallen ")));
        QVERIFY(!usesDetailsCaption(QStringLiteral("Vireon Coin ")));
        QVERIFY(hidesOverlayPictures(QStringLiteral("Vireon Coin ")));
        QVERIFY(!hidesOverlayPictures(QStringLiteral("1957")));
    }
};

QTEST_GUILESS_MAIN(TestSelectionRules)
#include "tst_selectionrules.moc"
