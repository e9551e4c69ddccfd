#include "util/displaycheck.h"

#include <QTest>

class TestDisplayCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theDesignedScreenIsApproved()
    {
        const Dialogs::Message box = screenResolutionMessage(QSize(12000, 9000));
        QCOMPARE(box.text, QStringLiteral("Your current screen resolution is set at 800x600.\r\n\r\n"
                                          "This is the optimum setting for the Vireon Anthology!"));
        QCOMPARE(box.icon, Dialogs::Icon::None);
        QCOMPARE(box.title, QStringLiteral("The Vireon Anthology"));
    }

    void otherScreensAreToldTheirSize_data()
    {
        QTest::addColumn<QSize>("twips");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("1024 x 768") << QSize(15360, 11520)
                                    << "Your current screen resolution is set at  1024 by 768 pixles.";
        QTest::newRow("a fraction of a pixel") << QSize(12288, 9000)
                                               << "Your current screen resolution is set at  819.2 by 600 pixles.";
    }
    void otherScreensAreToldTheirSize()
    {
        QFETCH(QSize, twips);
        QFETCH(QString, firstLine);
        const Dialogs::Message box = screenResolutionMessage(twips);
        const QStringList lines = box.text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.constFirst(), firstLine);
        QCOMPARE(box.icon, Dialogs::Icon::Exclamation);
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines.at(11), QStringLiteral("    5)  You may also want to set the Colors to the highest level allowed by your"));
        QCOMPARE(lines.at(12), QStringLiteral("         graphics card."));
        QCOMPARE(lines.at(17), QStringLiteral("You may now have to re-start your computer for the new settings to take affect."));
        QVERIFY(box.text.endsWith(QStringLiteral("affect.\r\n")));
    }
};

QTEST_GUILESS_MAIN(TestDisplayCheck)
#include "tst_displaycheck.moc"
