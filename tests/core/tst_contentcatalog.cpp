#include "core/contentcatalog.h"

#include <QTest>

using namespace ContentCatalog;

class TestContentCatalog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void groupCodes_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("code");
        QTest::newRow("year") << "1955" << "55";
        QTest::newRow("year with blank") << "1955 " << "55";
        QTest::newRow("1966") << "1966" << "66";
        QTest::newRow("2002") << "2002" << "A2";
        QTest::newRow("category") << "Vireon Coin " << "ZY";
        QTest::newRow("category without its blank is not one") << "Vireon Coin" << "re";
        QTest::newRow("slide-show category") << "The Vostrel Vireon " << "CW";
        QTest::newRow("first-run caption") << "panYear" << "nY";
        QTest::newRow("short label") << "A" << "";
    }
    void groupCodes()
    {
        QFETCH(QString, label);
        QFETCH(QString, code);
        QCOMPARE(GroupCodeOf(label), code);
    }

    void theCategoriesAreTheDesignedOnes()
    {
        const QList<QPair<QString, QString>> designed{
            { "Danbury Mint Die Cast Models ", "TD" }, { "Franklin Mint Die Cast Models ", "TF" },
            { "Vireon Coin ", "ZY" },                  { "Vireon Cookies ", "VC" },
            { "Vireon Metal Signs ", "VM" },           { "Vireon Postage Stamps ", "ZZ" },
            { "The Classic Strallen ", "SB" },         { "Early Vireon Prototypes ", "PT" },
            { "Venmark Art Print ", "GB" },            { "National Vireon Museum Print ", "GH" },
            { "Osterlin Art Print ", "GL" },           { "Vireon Mach I ", "M1" },
            { "Vireon Mach III ", "M3" },              { "Vireon Super Stallion ", "MS" },
            { "Franklin Mint Collector Knives ", "TE" }, { "The Vireon Monopoly Game ", "US" },
            { "Vireon Calendars ", "TC" },             { "Franklin Mint Collector Plates ", "TP" },
            { "The Vostrel Vireon ", "CW" },
        };
        QCOMPARE(CategoryTable().size(), designed.size());
        for (int i = 0; i < designed.size(); ++i) {
            QCOMPARE(CategoryTable().at(i).title, designed.at(i).first);
            QCOMPARE(CategoryTable().at(i).groupCode, designed.at(i).second);
            QCOMPARE(GroupCodeOf(designed.at(i).first), designed.at(i).second);
        }
        const QStringList years{ "1955", "1956", "1957", "1958", "1959", "1960", "1961",
                                 "1962", "1963", "1964", "1965", "1966", "2002" };
        const QStringList codes{ "55", "56", "57", "58", "59", "60", "61", "62", "63", "64", "65", "66", "A2" };
        for (int i = 1; i <= 13; ++i) {
            QCOMPARE(yearLabel(i), years.at(i - 1));
            QCOMPARE(YearTable().at(i - 1).groupCode, codes.at(i - 1));
        }
    }

    void tablesAreComplete()
    {
        QCOMPARE(YearTable().size(), 13);
        QCOMPARE(CategoryTable().size(), 19);
        QSet<QString> codes;
        for (int i = 1; i <= 13; ++i) {
            const Year &year = YearTable().at(i - 1);
            QCOMPARE(year.buttonIndex, i);
            QCOMPARE(year.label, yearLabel(i));
            QCOMPARE(GroupCodeOf(year.label), year.groupCode);
            QCOMPARE(labelOfGroupCode(year.groupCode), year.label);
            codes << year.groupCode;
        }
        QCOMPARE(yearLabel(1), QStringLiteral("1955"));
        QCOMPARE(yearLabel(13), QStringLiteral("2002"));
        for (const Category &category : CategoryTable()) {
            QVERIFY(category.title.endsWith(u' ') && !category.title.endsWith(QStringLiteral("  ")));
            QCOMPARE(category.groupCode, category.groupCode.toUpper());
            QCOMPARE(labelOfGroupCode(category.groupCode), category.title);
            codes << category.groupCode;
        }
        QCOMPARE(codes.size(), 32); // no two groups share a code
        QVERIFY(labelOfGroupCode(QStringLiteral("QQ")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestContentCatalog)
#include "tst_contentcatalog.moc"
