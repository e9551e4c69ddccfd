#include "print/bookletrules.h"

#include <QTest>

using namespace BookletRules;

Q_DECLARE_METATYPE(BookletRules::Choice)

namespace {
QStringList documents(const Plan &plan)
{
    QStringList names;
    for (const Item &item : plan.items) {
        if (item.kind == Item::Kind::Document)
            names << item.path.section(u'\\', -1);
    }
    return names;
}

Choice years(const QString &from, const QString &to, bool description, bool details)
{
    Choice choice;
    choice.description = description;
    choice.details = details;
    choice.from = from;
    choice.to = to;
    return choice;
}
}

class TestBookletRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void yearValuesAndPrefixes_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("1955") << "1955" << 55 << "55";
        QTest::newRow("1957") << "1957" << 57 << "57";
        QTest::newRow("1966") << "1966" << 66 << "66";
        QTest::newRow("2002 follows 1966") << "2002" << 67 << "A2";
    }
    void yearValuesAndPrefixes()
    {
        QFETCH(QString, entry);
        QFETCH(int, value);
        QFETCH(QString, prefix);
        QCOMPARE(yearValue(entry), value);
        QCOMPARE(documentPrefix(value), prefix);
    }

    void rangeChecks()
    {
        QCOMPARE(yearValue(QString()), 0);
        QCOMPARE(rangeError(0, 57), QStringLiteral("ER034"));
        QCOMPARE(rangeError(55, 0), QStringLiteral("ER034"));
        QCOMPARE(rangeError(60, 55), QStringLiteral("ER036"));
        QCOMPARE(rangeError(57, 57), QString());
        QCOMPARE(rangeError(66, 67), QString());
    }

    void onlyTheCoverNeedsNoYears()
    {
        Choice choice;
        choice.cover = true;
        const Plan plan = BookletRules::plan(choice);
        QCOMPARE(plan.rangeError, QString());
        const QList<Item> cover {
            { Item::Kind::Picture, "\\graphics\\logoBW.jpg", QPoint(1600, 1600) },
            { Item::Kind::Picture, "\\clipart\\55clip.jpg", QPoint(2200, 4300) },
            { Item::Kind::Picture, "\\graphics\\bklettxt.jpg", QPoint(500, 8800) },
            { Item::Kind::Picture, "\\graphics\\quillon3.jpg", QPoint(2800, 12000) },
        };
        QCOMPARE(plan.items, cover);
    }

    void documentsInPrintOrder_data()
    {
        QTest::addColumn<Choice>("choice");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("descriptions 1955 to 1957")
            << years("1955", "1957", true, false) << QStringList { "55desc.rtf", "56desc.rtf", "57desc.rtf" };
        QTest::newRow("details 1966 to 2002") << years("1966", "2002", false, true)
                                              << QStringList { "66opts.rtf", "66stats.rtf", "66colors.rtf",
                                                     "A2opts.rtf", "A2stats.rtf", "A2colors.rtf" };
        QTest::newRow("description before details") << years("1957", "1957", true,
            true) << QStringList { "57desc.rtf", "57opts.rtf", "57stats.rtf", "57colors.rtf" };
        Choice introduction = years("2002", "2002", true, false);
        introduction.introduction = true;
        QTest::newRow("introduction first")
            << introduction << QStringList { "introduction.rtf", "A2desc.rtf" };
    }
    void documentsInPrintOrder()
    {
        QFETCH(Choice, choice);
        QFETCH(QStringList, names);
        const Plan plan = BookletRules::plan(choice);
        QCOMPARE(plan.rangeError, QString());
        QCOMPARE(documents(plan), names);
        for (const Item &item : plan.items)
            QVERIFY(item.path.startsWith(QStringLiteral("\\RichText\\")));
    }

    // The cover and the introduction stay in the plan ahead of a range error.
    void rangeErrorsFollowCoverAndIntroduction_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("code");
        QTest::newRow("no From year") << ""
                                      << "1957"
                                      << "ER034";
        QTest::newRow("no To year") << "1957"
                                    << ""
                                    << "ER034";
        QTest::newRow("To before From") << "1960"
                                        << "1955"
                                        << "ER036";
    }
    void rangeErrorsFollowCoverAndIntroduction()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, code);
        Choice choice = years(from, to, true, false);
        choice.cover = true;
        choice.introduction = true;
        const Plan plan = BookletRules::plan(choice);
        QCOMPARE(plan.rangeError, code);
        QCOMPARE(plan.items.size(), 5);
        QCOMPARE(documents(plan), QStringList { "introduction.rtf" });
    }
};

QTEST_GUILESS_MAIN(TestBookletRules)
#include "tst_bookletrules.moc"
