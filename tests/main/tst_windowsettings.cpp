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

    void writesWhatItReads()
    {
        MemorySettingsStore settings;
        WindowSettings::write(settings, Twips{ 150, 300, 11994, 9100 });
        QCOMPARE(settings.values.value("The Vireon Anthology/Settings/MainWidth"), QStringLiteral("11994"));
        const Twips place = WindowSettings::read(settings, QSize(1, 1));
        QCOMPARE(place.left, 150);
        QCOMPARE(place.height, 9100);
    }
};

QTEST_GUILESS_MAIN(TestWindowSettings)
#include "tst_windowsettings.moc"
