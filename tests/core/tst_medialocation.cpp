#include "core/medialocator.h"
#include "core/errorreporter.h"
#include "core/photoindex.h"
#include "platform/base/mediafs.h"
#include "support/fakes.h"
#include "support/recordingdialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A folder that holds "\birds\<name>" files, as a disc or a photo copy does.
QString makePhotoTree(const QString &folder, const QStringList &names = { QStringLiteral("55001.jpg") })
{
    QDir().mkpath(folder + QStringLiteral("/birds"));
    for (const QString &name : names) {
        QFile file(folder + QStringLiteral("/birds/") + name);
        file.open(QIODevice::WriteOnly);
    }
    return folder;
}
}

class TestMediaLocation : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void lowestDriveWinsAndProgramCopyTakesThePhotos()
    {
        const QString program = makePhotoTree(path(QStringLiteral("copy/program")));
        MediaFs fs(DriveMap({ { u'G', makePhotoTree(path(QStringLiteral("copy/g"))) },
                              { u'E', makePhotoTree(path(QStringLiteral("copy/e"))) },
                              { u'D', path(QStringLiteral("copy/empty-d")) } }));
        Roots roots{ program, {}, {} };
        QVERIFY(locateMediaOnce(fs, roots));
        QCOMPARE(roots.MediaRoot, QStringLiteral("E:"));
        QCOMPARE(roots.PhotoRoot, program);
    }

    void photosOnTheDiscWhenTheProgramFolderHasNone()
    {
        MediaFs fs(DriveMap({ { u'Z', makePhotoTree(path(QStringLiteral("disc/z")), { QStringLiteral("A2001.JPG") }) } }));
        Roots roots{ path(QStringLiteral("disc/program")), {}, {} };
        QVERIFY(locateMediaOnce(fs, roots));
        QCOMPARE(roots.MediaRoot, QStringLiteral("Z:"));
        QCOMPARE(roots.PhotoRoot, QStringLiteral("Z:"));
    }

    void driveCIsNeverSearchedAndCancelEndsTheProgram()
    {
        MediaFs fs(DriveMap({ { u'C', makePhotoTree(path(QStringLiteral("c"))) } }));
        RecordingDialogs dialogs;
        ErrorReporter errors(dialogs);
        Roots roots{ path(QStringLiteral("c-program")), {}, {} };
        int splashClosed = 0;
        dialogs.script({ Dialogs::Answer::Cancel });
        TerminationCatcher catcher;
        QVERIFY_THROWS_EXCEPTION(ProgramTerminated, LocateMedia(fs, roots, errors, [&] { ++splashClosed; }));
        QCOMPARE(splashClosed, 1);
        QCOMPARE(dialogs.shown().size(), 1);
        QVERIFY(dialogs.last().text.contains(QStringLiteral(" Unable to detect the Vireon Anthology CDROM.")));
        QCOMPARE(dialogs.last().buttons, Dialogs::Buttons::RetryCancel);
    }

    void retryFindsTheDiscInsertedMeanwhile()
    {
        const QString disc = path(QStringLiteral("later/f"));
        MediaFs fs(DriveMap({ { u'F', disc } }));
        RecordingDialogs dialogs;
        ErrorReporter errors(dialogs);
        Roots roots{ path(QStringLiteral("later/program")), {}, {} };
        dialogs.script({ Dialogs::Answer::Retry });
        // The user inserts the disc while the box is up.
        const bool reported = LocateMedia(fs, roots, errors, [&] { makePhotoTree(disc); });
        QVERIFY(reported);
        QCOMPARE(dialogs.shown().size(), 1);
        QCOMPARE(roots.MediaRoot, QStringLiteral("F:"));
        QCOMPARE(roots.PhotoRoot, QStringLiteral("F:"));
    }

    void programFolderModeIsExact_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("programFolderMode");
        QTest::newRow("HWI") << QStringList{ "HWI" } << true;
        QTest::newRow("lower case") << QStringList{ "hwi" } << false;
        QTest::newRow("more text") << QStringList{ "HWI", "x" } << false;
        QTest::newRow("longer word") << QStringList{ "HWIX" } << false;
        QTest::newRow("nothing") << QStringList{} << false;
    }
    void programFolderModeIsExact()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, programFolderMode);
        QCOMPARE(isProgramFolderMode(arguments), programFolderMode);
    }

    void screenSizeTestIsExact()
    {
        QVERIFY(ScreenIs(QSize(12000, 9000), 800, 600));
        QVERIFY(!ScreenIs(QSize(12015, 9000), 800, 600)); // 801 x 600
        QVERIFY(!ScreenIs(QSize(15360, 11520), 800, 600));
        QVERIFY(!ScreenIs(QSize(12000, 9000), 0x7fffffff, 600)); // overflow never matches
    }

    void photoIndexOrdersByCharacterCodeAndNumbersGroups()
    {
        const QString root = makePhotoTree(path(QStringLiteral("index")),
                                           { "56001.jpg", "55002.JPG", "a2001.jpg", "zy001.jpg", "55001.jpg", "notes.txt" });
        MediaFs fs;
        RecordingDialogs dialogs;
        ErrorReporter errors(dialogs);
        const PhotoIndex index = BuildPhotoIndex(fs, root, errors);
        QCOMPARE(index.Count(), 5);
        QStringList names, numbers;
        for (int p = 1; p <= index.Count(); ++p) {
            names << index.fileNameAt(p);
            numbers << index.numberAt(p);
        }
        QCOMPARE(names, QStringList({ "55001.JPG", "55002.JPG", "56001.JPG", "A2001.JPG", "ZY001.JPG" }));
        QCOMPARE(numbers, QStringList({ "1", "2", "1", "1", "1" }));
        QCOMPARE(index.pathAt(4), root + QStringLiteral("\\birds\\A2001.JPG"));
        QVERIFY(index.pathAt(6).isEmpty());
        QVERIFY(index.groupCodeAt(6).isEmpty());
        QVERIFY(dialogs.shown().isEmpty());
    }

    void unreadablePhotoFolderIsReportedWithRetry()
    {
        MediaFs fs;
        RecordingDialogs dialogs;
        ErrorReporter errors(dialogs);
        TerminationCatcher catcher;
        dialogs.script({ Dialogs::Answer::Retry, Dialogs::Answer::Cancel });
        QVERIFY_THROWS_EXCEPTION(ProgramTerminated, BuildPhotoIndex(fs, path(QStringLiteral("nowhere")), errors));
        QCOMPARE(dialogs.shown().size(), 2);
        QVERIFY(dialogs.last().text.startsWith(QStringLiteral("Error number: ER037")));
    }
};

QTEST_GUILESS_MAIN(TestMediaLocation)
#include "tst_medialocation.moc"
