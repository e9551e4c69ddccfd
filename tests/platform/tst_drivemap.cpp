#include "platform/base/drivemap.h"

#include <QTest>

namespace {
// "D=/x;E=/y", the same form VIREON_DRIVES uses, so expectations read like input.
QString describe(const DriveMap &drives)
{
    QStringList items;
    const auto folders = drives.folders();
    for (auto it = folders.cbegin(); it != folders.cend(); ++it)
        items.append(QString(it.key()) + u'=' + it.value());
    return items.join(u';');
}

DriveMap::Mount mount(const QString &mountPoint, const QString &type = QStringLiteral("ext4"))
{
    return { mountPoint, type };
}
}

class TestDriveMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fromSpec_data()
    {
        QTest::addColumn<QString>("spec");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two drives") << "E=/media/cdrom;G=/srv/x" << "E=/media/cdrom;G=/srv/x";
        QTest::newRow("lower-case letters") << "e=/media/cdrom;z=/z" << "E=/media/cdrom;Z=/z";
        QTest::newRow("trailing separators") << "E=/media/cdrom//;F=/" << "E=/media/cdrom;F=/";
        QTest::newRow("blanks in the folder") << "E=/media/My Disc ;F=/x" << "E=/media/My Disc ;F=/x";
        QTest::newRow("A to C never") << "A=/a;B=/b;C=/c;D=/d" << "D=/d";
        QTest::newRow("malformed items") << "E;=/x;EE=/x;1=/x;F=;G=relative;;H=/h" << "H=/h";
    }

    void fromSpec()
    {
        QFETCH(QString, spec);
        QFETCH(QString, expected);
        QCOMPARE(describe(DriveMap::fromSpec(spec)), expected);
    }

    void folderOfEitherCase()
    {
        const DriveMap drives = DriveMap::fromSpec(QStringLiteral("E=/media/cdrom"));
        QCOMPARE(drives.folderOf(u'E'), QStringLiteral("/media/cdrom"));
        QCOMPARE(drives.folderOf(u'e'), QStringLiteral("/media/cdrom"));
        QVERIFY(!drives.folderOf(u'F'));
    }

    void fromMountsKeepsOpticalAndRemovableInMountPointOrder()
    {
        const QList<DriveMap::Mount> mounts {
            mount(QStringLiteral("/")),
            mount(QStringLiteral("/run/media/ann/STICK"), QStringLiteral("vfat")),
            mount(QStringLiteral("/proc"), QStringLiteral("proc")),
            mount(QStringLiteral("/srv/images/anthology"), QStringLiteral("iso9660")),
            mount(QStringLiteral("/mediafiles")),
            mount(QStringLiteral("/media/ann/VIREON DISC"), QStringLiteral("udf")),
            mount(QStringLiteral("/cdrom"), QStringLiteral("iso9660")),
            mount(QStringLiteral("/mnt/usb")),
            mount(QStringLiteral("/home")),
            mount(QStringLiteral("/mnt/usb")),
        };
        QCOMPARE(describe(DriveMap::fromMounts(mounts)),
                 QStringLiteral("D=/cdrom;E=/media/ann/VIREON DISC;F=/mnt/usb;G=/run/media/ann/STICK;"
                                "H=/srv/images/anthology"));
    }

    void fromMountsStopsAtZ()
    {
        QList<DriveMap::Mount> mounts;
        for (int i = 10; i < 40; ++i)
            mounts.append(mount(QStringLiteral("/media/disc%1").arg(i)));
        const DriveMap drives = DriveMap::fromMounts(mounts);
        QCOMPARE(drives.folders().size(), 23);
        QCOMPARE(drives.folderOf(u'D'), QStringLiteral("/media/disc10"));
        QCOMPARE(drives.folderOf(u'Z'), QStringLiteral("/media/disc32"));
    }

    void parseMountsDecodesEscapes()
    {
        const QByteArray table = "proc /proc proc rw,nosuid 0 0\n"
                                 "/dev/sr0 /media/ann/VIREON\\040DISC iso9660 ro 0 0\n"
                                 "garbage\n"
                                 "/dev/sdb1 /mnt/a\\134b\\011c vfat rw 0 0\n"
                                 "/dev/sdc1 /mnt/caf\xc3\xa9\\0 ext4 rw 0 0";
        const QList<DriveMap::Mount> mounts = DriveMap::parseMounts(table);
        QCOMPARE(mounts.size(), 4);
        QCOMPARE(mounts[0].mountPoint, QStringLiteral("/proc"));
        QCOMPARE(mounts[1].mountPoint, QStringLiteral("/media/ann/VIREON DISC"));
        QCOMPARE(mounts[1].fileSystemType, QStringLiteral("iso9660"));
        QCOMPARE(mounts[2].mountPoint, QStringLiteral("/mnt/a\\b\tc"));
        // An incomplete escape stays as it is.
        QCOMPARE(mounts[3].mountPoint, QStringLiteral("/mnt/caf\u00e9\\0"));
    }

    void addTakesTheFirstFreeLetterFromD()
    {
        DriveMap drives = DriveMap::fromSpec(QStringLiteral("D=/cdrom;F=/media/stick"));
        QCOMPARE(drives.add(QStringLiteral("/srv/anthology.iso")), QChar(u'E'));
        QCOMPARE(drives.add(QStringLiteral("/srv/copy/")), QChar(u'G'));
        // A place mapped already keeps its letter.
        QCOMPARE(drives.add(QStringLiteral("/srv/anthology.iso")), QChar(u'E'));
        QCOMPARE(describe(drives), QStringLiteral("D=/cdrom;E=/srv/anthology.iso;F=/media/stick;G=/srv/copy"));

        QList<DriveMap::Mount> mounts;
        for (int i = 0; i < 23; ++i)
            mounts.append(mount(QStringLiteral("/media/disc%1").arg(i, 2, 10, QLatin1Char('0'))));
        DriveMap full = DriveMap::fromMounts(mounts);
        QVERIFY(!full.add(QStringLiteral("/srv/anthology.iso")));
        QCOMPARE(full.folders().size(), 23);
    }

    void fromEnvironmentPrefersVireonDrives()
    {
        qputenv("VIREON_DRIVES", "f=/srv/anthology/");
        QCOMPARE(describe(DriveMap::fromEnvironment()), QStringLiteral("F=/srv/anthology"));
        // The drives it names are all there is: a chosen disc waits for a start without it.
        QCOMPARE(describe(DriveMap::fromEnvironment(QStringLiteral("/srv/chosen.iso"))),
                 QStringLiteral("F=/srv/anthology"));
        // Set but empty means no explicit map: the mounted volumes count.
        qputenv("VIREON_DRIVES", "");
        QCOMPARE(describe(DriveMap::fromEnvironment()),
                 describe(DriveMap::fromMounts(DriveMap::currentMounts())));
        DriveMap mounted = DriveMap::fromMounts(DriveMap::currentMounts());
        QVERIFY(mounted.add(QStringLiteral("/srv/chosen.iso")));
        QCOMPARE(describe(DriveMap::fromEnvironment(QStringLiteral("/srv/chosen.iso"))), describe(mounted));
        qunsetenv("VIREON_DRIVES");
    }
};

QTEST_GUILESS_MAIN(TestDriveMap)
#include "tst_drivemap.moc"
