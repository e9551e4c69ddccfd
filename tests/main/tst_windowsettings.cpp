#include "main/windowsettings.h"
#include "support/fakes.h"

#include <QTest>

class TestWindowSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsSinglePrecisionTextWithDefaults_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("left");
        QTest::newRow("absent") << QString() << 0;
        QTest::newRow("integer text") << "1500" << 1500;
        QTest::newRow("single-precision text") << "1.5e3" << 1500;
        QTest::newRow("fraction rounds") << "1499.6" << 1500;
        QTest::newRow("garbage") << "twelve" << 0;
        QTest::newRow("not a number") << "nan" << 0;
        QTest::newRow("absurd") << "1e30" << 0;
    }
    void readsSinglePrecisionTextWithDefaults()
    {
        QFETCH(QString, stored);
        QFETCH(int, left);
        MemorySettingsStore settings;
        if (!stored.isNull())
            settings.write("The Vireon Anthology", "Settings", "MainLeft", stored);
        const Twips place = WindowSettings::read(settings, QSize(12000, 9000));
        QCOMPARE(place.left, left);
        QCOMPARE(place.top, 0);
        QCOMPARE(place.width, 12000); // the screen, when absent
        QCOMPARE(place.height, 9000);
    }

    void valuesThatWouldHideTheWindowGiveTheDefaults_data()
    {
        QTest::addColumn<QStringList>("stored"); // left, top, width, height
        QTest::addColumn<QList<int>>("place");
        const QList<int> whole{ 0, 0, 12000, 9000 };
        QTest::newRow("far off to the right and below") << QStringList{ "1000000", "1000000", "9000", "6000" }
                                                       << QList<int>{ 0, 0, 9000, 6000 };
        QTest::newRow("left of the screen") << QStringList{ "-9000", "300", "9000", "6000" } << QList<int>{ 0, 300, 9000, 6000 };
        QTest::newRow("above the screen") << QStringList{ "300", "-3000", "9000", "6000" } << QList<int>{ 300, 0, 9000, 6000 };
        QTest::newRow("no size") << QStringList{ "0", "0", "0", "-15" } << whole;
        QTest::newRow("absurd size") << QStringList{ "0", "0", "900000", "900000" } << whole;
        QTest::newRow("partly off, still to be seen") << QStringList{ "-3000", "-300", "9000", "6000" }
                                                      << QList<int>{ -3000, -300, 9000, 6000 };
        QTest::newRow("a saved place that fits") << QStringList{ "1500", "750", "9000", "6000" }
                                                 << QList<int>{ 1500, 750, 9000, 6000 };
    }
    void valuesThatWouldHideTheWindowGiveTheDefaults()
    {
        QFETCH(QStringList, stored);
        QFETCH(QList<int>, place);
        MemorySettingsStore settings;
        const QStringList keys{ "MainLeft", "MainTop", "MainWidth", "MainHeight" };
        for (int i = 0; i < 4; ++i)
            settings.write("The Vireon Anthology", "Settings", keys.at(i), stored.at(i));
        const Twips read = WindowSettings::read(settings, QSize(12000, 9000));
        QCOMPARE((QList<int>{ read.left, read.top, read.width, read.height }), place);
        QCOMPARE(settings.values.value("The Vireon Anthology/Settings/MainLeft"), stored.at(0)); // the file is left as it is
    }

    void writesWhatItReads()
    {
        MemorySettingsStore settings;
        WindowSettings::write(settings, Twips{ 150, 300, 11994, 9100 });
        QCOMPARE(settings.values.value("The Vireon Anthology/Settings/MainWidth"), QStringLiteral("11994"));
        const Twips place = WindowSettings::read(settings, QSize(12000, 9100));
        QCOMPARE(place.left, 150);
        QCOMPARE(place.height, 9100);
    }
};

QTEST_GUILESS_MAIN(TestWindowSettings)
#include "tst_windowsettings.moc"
