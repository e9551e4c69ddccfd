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
