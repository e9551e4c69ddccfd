#include "platform/ui/qtmediacontrol.h"

#include <sys/stat.h>

#include <QBuffer>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>
#include <QtEndian>
#include <QtTest>

#include "support/riffbytes.h"
#include "support/timelimit.h"

using namespace Qt::StringLiterals;

namespace {

// How long a test waits for the player to do what it was told.
constexpr int PlayerWait = int(timeLimit(5000));

// A wave file of one format chunk and one data chunk.
QByteArray wave(const QByteArray &format, const QByteArray &samples)
{
    const QByteArray chunks = riffChunk("fmt ", format) + riffChunk("data", samples);
    return "RIFF" + le32(int(4 + chunks.size())) + "WAVE" + chunks;
}

// 0.2 s of 8-bit sound at 11025 Hz: an odd length, ending on its pad byte.
QByteArray shortSound()
{
    QByteArray samples;
    for (int i = 0; i < 2205; ++i)
        samples += char(128 + (i % 25 < 12 ? 40 : -40));
    return wave(le16(1) + le16(1) + le32(11025) + le32(11025) + le16(1) + le16(8), samples);
}

// Half a second of mu-law sound at 8000 Hz (format tag 7), or of another
// encoding's tag over the same bytes.
QByteArray encodedSound(int formatTag = 7)
{
    QByteArray samples;
    for (int i = 0; i < 4000; ++i)
        samples += char(i % 20 < 10 ? 0x20 : 0xA0);
    return wave(le16(formatTag) + le16(1) + le32(8000) + le32(8000) + le16(1) + le16(8) + le16(0), samples);
}

// A movie of five 32 x 24 pictures at 25 a second, each picture a JPEG
// (labelled with another FourCC, it is a movie of an unknown coding).
QByteArray shortMovie(const QByteArray &fourCc = "MJPG")
{
    const int width = 32, height = 24, frames = 5, rate = 25;
    QByteArray movi = "movi";
    QByteArray index;
    for (int i = 0; i < frames; ++i) {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(i * 60, 255, 255));
        QBuffer jpeg;
        jpeg.open(QIODevice::WriteOnly);
        picture.save(&jpeg, "JPEG");
        index += "00dc" + le32(0x10) + le32(int(movi.size())) + le32(int(jpeg.data().size()));
        movi += riffChunk("00dc", jpeg.data());
    }
    const QByteArray avih = le32(1000000 / rate) + le32(0) + le32(0) + le32(0x10) + le32(frames) + le32(0)
        + le32(1) + le32(0) + le32(width) + le32(height) + QByteArray(16, '\0');
    const QByteArray strh = "vids" + fourCc + le32(0) + le32(0) + le32(0) + le32(1) + le32(rate) + le32(0)
        + le32(frames) + le32(0) + le32(-1) + le32(0) + le16(0) + le16(0) + le16(width) + le16(height);
    const QByteArray strf = le32(40) + le32(width) + le32(height) + le16(1) + le16(24) + fourCc
        + le32(width * height * 3) + QByteArray(16, '\0');
    const QByteArray hdrl
        = "hdrl" + riffChunk("avih", avih) + riffChunk("LIST", "strl" + riffChunk("strh", strh) + riffChunk("strf", strf));
    const QByteArray chunks = riffChunk("LIST", hdrl) + riffChunk("LIST", movi) + riffChunk("idx1", index);
    return "RIFF" + le32(int(4 + chunks.size())) + "AVI " + chunks;
}

} // namespace

class TestQtMediaControl : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &contents)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // A named pipe that nobody writes to: opening it for reading would wait for ever.
    QString pipe(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        if (mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
            qFatal("cannot make %s", qPrintable(path));
        return path;
    }

    static std::unique_ptr<MediaControl> control(const QString &deviceType, const QString &fileName)
    {
        auto media = qtMediaControls()();
        media->command(u"close"_s);
        media->setDeviceType(deviceType);
        media->setFileName(fileName);
        return media;
    }

private Q_SLOTS:
    void soundPlaysToItsEndAndAgain()
    {
        auto media = control(u"WaveAudio"_s, write(u"passby.wav"_s, shortSound()));
        int done = 0;
        media->setOnDone([&done] { ++done; });
        QVERIFY(media->command(u"open"_s));
        QCOMPARE(media->mode(), MediaControl::Mode::Open);
        QVERIFY(media->command(u"play"_s));
        QCOMPARE(media->mode(), MediaControl::Mode::Playing);
        QTRY_COMPARE_WITH_TIMEOUT(done, 1, PlayerWait);
        QCOMPARE(media->mode(), MediaControl::Mode::Stopped);

        QVERIFY(media->command(u"play"_s));
        QTRY_COMPARE_WITH_TIMEOUT(done, 2, PlayerWait);
        QVERIFY(media->command(u"close"_s));
        QCOMPARE(media->mode(), MediaControl::Mode::NotOpen);
    }

    // An encoding the program's own decoder does not read goes to the
    // system's decoders, and plays for as long as it lasts.
    void soundInAnotherEncodingPlaysWhole()
    {
        auto media = control(u"WaveAudio"_s, write(u"mulaw.wav"_s, encodedSound()));
        int done = 0;
        media->setOnDone([&done] { ++done; });
        QVERIFY(media->command(u"open"_s));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(media->command(u"play"_s));
        QTRY_COMPARE_WITH_TIMEOUT(done, 1, PlayerWait);
        QCOMPARE_GE(clock.elapsed(), 450);
    }

    void openFails_data()
    {
        QTest::addColumn<QString>("deviceType");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("missing sound") << u"WaveAudio"_s << m_dir.filePath(u"nothere.wav"_s);
        QTest::newRow("undecodable sound") << u"WaveAudio"_s << write(u"text.wav"_s, "not a sound at all");
        QTest::newRow("sound that is a movie") << u"WaveAudio"_s << write(u"movie.wav"_s, shortMovie());
        QTest::newRow("missing movie") << u"AVIVideo"_s << m_dir.filePath(u"nothere.avi"_s);
        QTest::newRow("movie that is a sound") << u"AVIVideo"_s << write(u"sound.avi"_s, shortSound());
        QTest::newRow("movie cut within its header") << u"AVIVideo"_s << write(u"cut.avi"_s, shortMovie().first(200));
        QTest::newRow("garbage movie") << u"AVIVideo"_s << write(u"garbage.avi"_s, "RIFF" "\xff\xff\xff\xff" "AVI " + QByteArray(3000, '\x5a'));
        QTest::newRow("sound in an encoding nothing here decodes")
            << u"WaveAudio"_s << write(u"wma.wav"_s, encodedSound(0x161));
        QTest::newRow("unknown device") << u"CDAudio"_s << write(u"ok.wav"_s, shortSound());
        QTest::newRow("sound that is a named pipe") << u"WaveAudio"_s << pipe(u"pipe.wav"_s);
        QTest::newRow("movie that is a named pipe") << u"AVIVideo"_s << pipe(u"pipe.avi"_s);
    }
    void openFails()
    {
        QFETCH(QString, deviceType);
        QFETCH(QString, fileName);
        auto media = control(deviceType, fileName);
        media->setWait(true); // as the movie window does: a movie that fails to load fails to open
        QVERIFY(!media->command(u"open"_s));
        QCOMPARE(media->mode(), MediaControl::Mode::NotOpen);
        QVERIFY(!media->command(u"play"_s));
    }

    void commandsWithoutAFile()
    {
        auto media = qtMediaControls()();
        QVERIFY(media->command(u"close"_s));
        for (const QString &command : { u"play"_s, u"stop"_s, u"prev"_s, u"back"_s, u"next"_s, u"eject"_s })
            QVERIFY2(!media->command(command), qPrintable(command));
        QCOMPARE(media->mode(), MediaControl::Mode::NotOpen);

        media->setDeviceType(u"WaveAudio"_s);
        media->setFileName(write(u"steps.wav"_s, shortSound()));
        QVERIFY(media->command(u"open"_s));
        QVERIFY(!media->command(u"eject"_s));
        for (const QString &command : { u"next"_s, u"back"_s, u"prev"_s, u"stop"_s })
            QVERIFY2(media->command(command), qPrintable(command));
        QCOMPARE(media->mode(), MediaControl::Mode::Stopped);
    }

    void movieFillsItsWindowAndPlays()
    {
        QWidget window;
        window.setObjectName(u"PicMovie"_s);
        window.resize(305, 201);
        window.show();
        auto media = control(u"AVIVideo"_s, write(u"1956.avi"_s, shortMovie()));
        int done = 0;
        media->setOnDone([&done] { ++done; });
        // The movie window opens the movie first and names its display window after.
        QVERIFY(media->command(u"open"_s));
        media->setDisplayWindow(&window);
        auto *video = window.findChild<QVideoWidget *>();
        QVERIFY(video);
        QVERIFY(video->isVisible());
        QCOMPARE(video->geometry(), window.rect());
        window.resize(200, 150);
        QCOMPARE(video->geometry(), window.rect());

        QSignalSpy frames(video->videoSink(), &QVideoSink::videoFrameChanged);
        QVERIFY(media->command(u"play"_s));
        QTRY_COMPARE_WITH_TIMEOUT(done, 1, PlayerWait);
        QVERIFY(frames.count() > 0);
        QVERIFY(media->command(u"prev"_s));
        QVERIFY(media->command(u"close"_s));
        QVERIFY(!video->isVisible()); // the picture goes with the movie
    }

    // The movie window waits for the open, then names its display window:
    // the first picture is on show before anything plays.
    void openedMovieShowsItsFirstPicture()
    {
        QWidget window;
        window.resize(305, 201);
        window.show();
        auto media = control(u"AVIVideo"_s, write(u"first.avi"_s, shortMovie()));
        media->setWait(true);
        QVERIFY(media->command(u"open"_s));
        media->setDisplayWindow(&window);
        auto *video = window.findChild<QVideoWidget *>();
        QVERIFY(video);
        QTRY_VERIFY_WITH_TIMEOUT(video->videoSink()->videoFrame().isValid(), PlayerWait);
        QCOMPARE(media->mode(), MediaControl::Mode::Open);
    }

    // A movie whose picture has no decoder here does not open, and the log
    // says which decoder is missing.
    void unknownCodingIsNamed()
    {
        auto media = control(u"AVIVideo"_s, write(u"xvid.avi"_s, shortMovie("XVID")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"xvid\\.avi: no decoder known for video 'XVID'"_s));
        QVERIFY(!media->command(u"open"_s));
        QCOMPARE(media->mode(), MediaControl::Mode::NotOpen);
    }

    // Pause keeps the place and Play goes on from there; after the end,
    // "prev" shows the first picture, "step" the next one and "next" the last.
    void movieStandsWhereItIsSent()
    {
        QWidget window;
        window.resize(160, 120);
        window.show();
        auto media = control(u"AVIVideo"_s, write(u"places.avi"_s, shortMovie()));
        media->setDisplayWindow(&window);
        media->setWait(true);
        int done = 0;
        media->setOnDone([&done] { ++done; });
        QVERIFY(media->command(u"open"_s));
        QVideoSink *sink = window.findChild<QVideoWidget *>()->videoSink();
        // Picture k of the movie is on show (a picture sought into is stamped with the place sought).
        const auto shows = [sink](int k) {
            const qint64 start = sink->videoFrame().startTime();
            return sink->videoFrame().isValid() && start >= k * 40000 && start < (k + 1) * 40000;
        };
        QTRY_VERIFY_WITH_TIMEOUT(shows(0), PlayerWait);

        QVERIFY(media->command(u"play"_s));
        QTRY_VERIFY_WITH_TIMEOUT(sink->videoFrame().startTime() >= 80000, PlayerWait);
        QVERIFY(media->command(u"pause"_s));
        QCOMPARE(media->mode(), MediaControl::Mode::Paused);
        QCoreApplication::processEvents();
        const qint64 paused = sink->videoFrame().startTime();
        QSignalSpy pictures(sink, &QVideoSink::videoFrameChanged);
        QVERIFY(media->command(u"play"_s));
        QTRY_COMPARE_WITH_TIMEOUT(done, 1, PlayerWait);
        for (const QList<QVariant> &picture : pictures) {
            const QVideoFrame frame = picture.at(0).value<QVideoFrame>();
            QVERIFY2(!frame.isValid() || frame.startTime() >= paused - 40000, "played again from the start");
        }

        QVERIFY(media->command(u"prev"_s));
        QTRY_VERIFY_WITH_TIMEOUT(shows(0), PlayerWait);
        QVERIFY(media->command(u"step"_s));
        QTRY_VERIFY_WITH_TIMEOUT(shows(1), PlayerWait);
        QVERIFY(media->command(u"next"_s));
        QTRY_VERIFY_WITH_TIMEOUT(shows(4), PlayerWait);
        QVERIFY(media->command(u"back"_s));
        QTRY_VERIFY_WITH_TIMEOUT(shows(3), PlayerWait);
    }

    // The movie window may go away without a word to its control.
    void displayWindowClosedDuringPlay()
    {
        auto window = std::make_unique<QWidget>();
        window->show();
        auto media = control(u"AVIVideo"_s, write(u"1958_3.avi"_s, shortMovie()));
        int done = 0;
        media->setOnDone([&done] { ++done; });
        media->setDisplayWindow(window.get());
        QVERIFY(media->command(u"open"_s));
        QSignalSpy frames(window->findChild<QVideoWidget *>()->videoSink(), &QVideoSink::videoFrameChanged);
        QVERIFY(media->command(u"play"_s));
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() > 0, PlayerWait);
        window.reset();
        QTRY_COMPARE_WITH_TIMEOUT(done, 1, PlayerWait);
        QVERIFY(media->command(u"close"_s));
    }
};

QTEST_MAIN(TestQtMediaControl)
#include "tst_qtmediacontrol.moc"
