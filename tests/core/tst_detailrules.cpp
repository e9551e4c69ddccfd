#include "core/detailrules.h"

#include <QTest>

using namespace DetailRules;

namespace {
const QString Seven = QStringLiteral("The Vireon Anthology       ");
const QString Five = QStringLiteral("The Vireon Anthology     ");
}

class TestDetailRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void documents_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("caption");
        QTest::newRow("1957 description") << "desc" << "1957" << "\\richtext\\57desc.rtf" << Seven + "1957 Description";
        QTest::newRow("1957 options") << "opts" << "1957" << "\\richtext\\57opts.rtf" << Seven + "1957 Options";
        QTest::newRow("1957 colors") << "colors" << "1957" << "\\RichText\\57colors.rtf" << Seven + "1957 Colors";
        QTest::newRow("1957 nostalgia") << "nostalgia" << "1957" << "\\richtext\\nostalgia57.rtf" << Five + "Nostalgia 1957";
        QTest::newRow("2002 description") << "desc" << "2002" << "\\RichText\\a2desc.rtf" << Five + "2002 Description";
        QTest::newRow("2002 options") << "opts" << "2002" << "\\RichText\\a2OPTS.rtf" << Five + "2002 Options";
        QTest::newRow("2002 colors") << "colors" << "2002" << "\\RichText\\a2colors.rtf" << Five + "2002 Colors";
        QTest::newRow("year with blank") << "desc" << "1955 " << "\\richtext\\55desc.rtf" << Seven + "1955 Description";
        QTest::newRow("nothing selected") << "desc" << "panYear" << "\\richtext\\Introduction.rtf" << Seven + "Introduction";
        QTest::newRow("prototypes") << "desc" << "Early Vireon Prototypes " << "\\richtext\\ptdesc.rtf"
                                    << Seven + "Early Vireon Prototypes Description ";
        QTest::newRow("metal signs") << "desc" << "Vireon Metal Signs " << "\\richtext\\desperat.rtf"
                                     << Seven + "Vireon Metal Signs ";
        QTest::newRow("cookies have none") << "desc" << "Vireon Cookies " << "\\richtext\\redesc.rtf"
                                           << Seven + "19re Description";
        QTest::newRow("strallen options") << "opts" << "The Classic Strallen " << "\\RichText\\sbopts.rtf"
                                          << Seven + "The Classic Strallen  Options";
        QTest::newRow("strallen colors") << "colors" << "The Classic Strallen " << "\\RichText\\sbcolors.rtf"
                                         << Seven + "The Classic Strallen  Colors";
    }
    void documents()
    {
        QFETCH(QString, button);
        QFETCH(QString, label);
        QFETCH(QString, path);
        QFETCH(QString, caption);
        const std::optional<Document> document = button == "desc" ? description(label)
            : button == "opts"                                     ? options(label)
            : button == "colors"                                   ? colors(label)
                                                                   : nostalgia(label);
        QVERIFY(document);
        QCOMPARE(document->path, path);
        QCOMPARE(document->caption, caption);
    }

    void nothingSelectedOpensNothingButTheIntroduction()
    {
        QVERIFY(!options(QStringLiteral("panYear")));
        QVERIFY(!colors(QStringLiteral("panYear")));
        QVERIFY(!nostalgia(QStringLiteral("panYear")));
    }

    void pictures()
    {
        QCOMPARE(scriptPicture(QStringLiteral("1957")), QStringLiteral("\\scripts\\scri57.jpg"));
        QCOMPARE(scriptPicture(QStringLiteral("The Classic Strallen ")), QStringLiteral("\\SCRIPTS\\SCRISB.jpg"));
        QCOMPARE(scriptPicture(QStringLiteral("Early Vireon Prototypes ")), QStringLiteral("\\SCRIPTS\\SCRIpt.jpg"));
        QCOMPARE(emblemPicture(QStringLiteral("2002")), QStringLiteral("\\emblems\\emb02.jpg"));
        QCOMPARE(emblemPicture(QStringLiteral("The Classic Strallen ")), QStringLiteral("\\emblems\\embsb.jpg"));
        QCOMPARE(emblemPicture(QStringLiteral("Early Vireon Prototypes ")), QStringLiteral("\\emblems\\EMBpt.jpg"));
        QCOMPARE(clipArtPicture(QStringLiteral("1961"), true), QStringLiteral("\\Clipart\\61clip.jpg"));
        QCOMPARE(clipArtPicture(QStringLiteral("1961"), false), QStringLiteral("\\ClipArt\\61Clip.jpg"));
    }

    void statisticsNames_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("path");
        QTest::newRow("stamps 4") << "Vireon Postage Stamps " << 4 << "\\richtext\\zz008.rtf";
        QTest::newRow("stamps 7") << "Vireon Postage Stamps " << 7 << "\\richtext\\zz014.rtf";
        QTest::newRow("prototypes 1") << "Early Vireon Prototypes " << 1 << "\\richtext\\pt002.rtf";
        QTest::newRow("prototypes 50") << "Early Vireon Prototypes " << 50 << "\\richtext\\pt0100.rtf";
        QTest::newRow("mach I 5") << "Vireon Mach I " << 5 << "\\richtext\\m1010.rtf";
        QTest::newRow("die cast 5") << "Franklin Mint Die Cast Models " << 5 << "\\richtext\\tfm10.rtf";
        QTest::newRow("die cast 1") << "Franklin Mint Die Cast Models " << 1 << "\\richtext\\tfm02.rtf";
        QTest::newRow("knives 5") << "Franklin Mint Collector Knives " << 5 << "\\richtext\\tek010.rtf";
        QTest::newRow("art print 5") << "Osterlin Art Print " << 5 << "\\richtext\\glsj010.rtf";
        QTest::newRow("cookies 5") << "Vireon Cookies " << 5 << "\\richtext\\usa0010.rtf";
        QTest::newRow("monopoly 1") << "The Vireon Monopoly Game " << 1 << "\\richtext\\vck002.rtf";
        QTest::newRow("signs 1") << "Vireon Metal Signs " << 1 << "\\richtext\\vms02.rtf";
        QTest::newRow("danbury") << "Danbury Mint Die Cast Models " << 3 << "\\richtext\\tdm34.rtf";
    }
    void statisticsNames()
    {
        QFETCH(QString, label);
        QFETCH(int, n);
        QFETCH(QString, path);
        const Statistics stats = statistics(label, n, QStringLiteral("E:\\birds\\TD034.JPG"));
        QVERIFY(stats.perPhotograph);
        QCOMPARE(stats.document.path, path);
    }

    void yearStatistics()
    {
        Statistics stats = statistics(QStringLiteral("1957"), 1, {});
        QVERIFY(!stats.perPhotograph);
        QCOMPARE(stats.document.path, QStringLiteral("\\richtext\\57stats.rtf"));
        QCOMPARE(stats.document.caption, Seven + "1957 Statistics");
        stats = statistics(QStringLiteral("2002"), 1, {});
        QCOMPARE(stats.document.path, QStringLiteral("\\RichText\\a2stats.rtf"));
        QCOMPARE(stats.document.caption, Five + "2002 Statistics");
        // A category outside the table follows the year rule and finds nothing.
        QCOMPARE(statistics(QStringLiteral("The Classic Strallen "), 1, {}).document.path,
                 QStringLiteral("\\richtext\\e stats.rtf"));
    }
};

QTEST_GUILESS_MAIN(TestDetailRules)
#include "tst_detailrules.moc"
