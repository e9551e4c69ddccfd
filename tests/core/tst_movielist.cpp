#include "core/movielist.h"
#include "core/photoindex.h"
#include "core/session.h"
#include "platform/base/mediafs.h"
#include "support/fakes.h"
#include "support/nofiledescriptors.h"
#include "support/recordingdialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
void touch(const QString &file)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile(file).open(QIODevice::WriteOnly);
}

struct Disc
{
    Disc() : fs(DriveMap({ { u'E', dir.path() } })), session(dialogs) { session.roots.MediaRoot = QStringLiteral("E:"); }
    QTemporaryDir dir;
    MediaFs fs;
    RecordingDialogs dialogs;
    Session session;
};
}

// Building the lists of the disc's movies and photographs: an empty or
// missing folder is a list of nothing, a folder that cannot be read a
// failure with Retry.
class TestMovieList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void moviesInUpperCaseWithAnEmptyEntryAfterTheLast()
    {
        Disc disc;
        touch(disc.dir.filePath(QStringLiteral("Movies/1956.avi")));
        touch(disc.dir.filePath(QStringLiteral("Movies/vireon2002.AVI")));
        touch(disc.dir.filePath(QStringLiteral("Movies/readme.txt")));
        BuildMovieList(disc.fs, disc.session);
        QCOMPARE(disc.session.MovieCount, qint16(2));
        QCOMPARE(disc.session.MovieList, QStringList({ "1956.AVI", "VIREON2002.AVI", "" }));
        QVERIFY(disc.dialogs.shown().isEmpty());
    }

    void noMoviesGivesCountZero()
    {
        Disc disc;
        BuildMovieList(disc.fs, disc.session); // no movie folder at all
        QCOMPARE(disc.session.MovieCount, qint16(0));
        QCOMPARE(disc.session.MovieList, QStringList({ "" }));
        QDir().mkpath(disc.dir.filePath(QStringLiteral("movies")));
        BuildMovieList(disc.fs, disc.session);
        QCOMPARE(disc.session.MovieCount, qint16(0));
        QVERIFY(disc.dialogs.shown().isEmpty());
    }

    void anUnreadableMovieFolderIsRetried()
    {
        Disc disc;
        touch(disc.dir.filePath(QStringLiteral("movies/1966.avi")));
        TerminationCatcher catcher;
        std::optional<NoFreeFileDescriptors> blocked;
        blocked.emplace();
        disc.dialogs.script({ Dialogs::Answer::Retry, Dialogs::Answer::Cancel });
        QVERIFY_THROWS_EXCEPTION(ProgramTerminated, BuildMovieList(disc.fs, disc.session));
        blocked.reset();
        QCOMPARE(disc.dialogs.shown().size(), 2); // Retry listed the folder again
        QVERIFY(disc.dialogs.last().text.startsWith(QStringLiteral("Error number: ER055")));
        QCOMPARE(disc.dialogs.last().buttons, Dialogs::Buttons::RetryCancel);
    }

    void aPhotoRootWithoutPhotoFolderHasNoPhotographs()
    {
        Disc disc;
        const PhotoIndex index = BuildPhotoIndex(disc.fs, QStringLiteral("E:"), disc.session.errors);
        QCOMPARE(index.Count(), 0);
        QVERIFY(disc.dialogs.shown().isEmpty());
    }

    void anUnreadablePhotoFolderIsReported()
    {
        Disc disc;
        touch(disc.dir.filePath(QStringLiteral("birds/55010.jpg")));
        TerminationCatcher catcher;
        std::optional<NoFreeFileDescriptors> blocked;
        blocked.emplace();
        disc.dialogs.script({ Dialogs::Answer::Cancel });
        QVERIFY_THROWS_EXCEPTION(ProgramTerminated, BuildPhotoIndex(disc.fs, QStringLiteral("E:"), disc.session.errors));
        blocked.reset();
        QVERIFY(disc.dialogs.last().text.startsWith(QStringLiteral("Error number: ER037")));
    }
};

QTEST_GUILESS_MAIN(TestMovieList)
#include "tst_movielist.moc"
