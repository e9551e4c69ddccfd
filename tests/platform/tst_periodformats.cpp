#include "platform/base/aviheader.h"
#include "platform/base/periodformats.h"

#include <QTemporaryDir>
#include <QtTest>

#include "support/riffbytes.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray list(const char *type, const QByteArray &body)
{
    return riffChunk("LIST", QByteArray(type) + body);
}

QByteArray videoStream(const QByteArray &handler, const QByteArray &compression)
{
    const QByteArray strh = "vids" + handler + QByteArray(48, '\0');
    const QByteArray strf
        = le32(40) + le32(320) + le32(240) + le16(1) + le16(24) + compression + QByteArray(20, '\0');
    return list("strl", riffChunk("strh", strh) + riffChunk("strf", strf));
}

QByteArray soundStream(int tag, int bits)
{
    const QByteArray strh = "auds" + QByteArray(52, '\0');
    const QByteArray strf = le16(tag) + le16(1) + le32(11025) + le32(11025) + le16(1) + le16(bits);
    return list("strl", riffChunk("strh", strh) + riffChunk("strn", "Sound") + riffChunk("strf", strf));
}

// An AVI file: optional chunks before the header list, the stream lists, a
// one-frame movie list.
QByteArray avi(const QByteArray &streams, const QByteArray &before = {})
{
    const QByteArray body = "AVI " + before + list("hdrl", riffChunk("avih", QByteArray(56, '\0')) + streams)
        + list("movi", riffChunk("00dc", "frame"));
    return "RIFF" + le32(quint32(body.size())) + body;
}

const QByteArray cinepakMovie = avi(videoStream("cvid", "cvid") + soundStream(2, 4));

// A GStreamer that has exactly the elements given.
ElementProbe has(const QStringList &elements)
{
    return [elements](const QString &element) { return elements.contains(element); };
}

const QStringList everything = { u"avidemux"_s, u"avdec_cinepak"_s, u"avdec_indeo3"_s, u"avdec_indeo4"_s,
    u"avdec_indeo5"_s, u"avdec_msvideo1"_s, u"jpegdec"_s, u"avdec_mjpeg"_s, u"adpcmdec"_s,
    u"avdec_adpcm_ms"_s, u"avdec_adpcm_ima_wav"_s };

QStringList without(QStringList elements, const QStringList &gone)
{
    for (const QString &element : gone)
        elements.removeAll(element);
    return elements;
}

} // namespace

class TestPeriodFormats : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What plays each format, as gst-inspect-1.0 names the elements, and the
    // Debian package that ships the first of them.
    void formatTable_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("elements");
        QTest::addColumn<QString>("package");
        const QString good = u"gstreamer1.0-plugins-good"_s, bad = u"gstreamer1.0-plugins-bad"_s;
        const QString libav = u"gstreamer1.0-libav"_s;
        const auto row = [](const QString &title, const QStringList &elements, const QString &package) {
            QTest::newRow(qPrintable(title)) << title << elements << package;
        };
        row(u"Cinepak video"_s, { u"avdec_cinepak"_s }, libav);
        row(u"Indeo 3 video"_s, { u"avdec_indeo3"_s }, libav);
        row(u"Indeo 4 video"_s, { u"avdec_indeo4"_s }, libav);
        row(u"Indeo 5 video"_s, { u"avdec_indeo5"_s }, libav);
        row(u"MS Video-1 video"_s, { u"avdec_msvideo1"_s }, libav);
        row(u"Motion JPEG video"_s, { u"jpegdec"_s, u"avdec_mjpeg"_s }, good);
        row(u"MS ADPCM sound"_s, { u"adpcmdec"_s, u"avdec_adpcm_ms"_s }, bad);
        row(u"IMA ADPCM sound"_s, { u"adpcmdec"_s, u"avdec_adpcm_ima_wav"_s }, bad);
        row(u"8-bit PCM sound"_s, { u"avidemux"_s }, good);
    }
    void formatTable()
    {
        QFETCH(QString, title);
        QFETCH(QStringList, elements);
        QFETCH(QString, package);
        QCOMPARE(periodFormats().size(), 9);
        const auto at = std::find_if(periodFormats().begin(), periodFormats().end(),
            [&](const PeriodFormat &format) { return format.title() == title; });
        QVERIFY(at != periodFormats().end());
        QCOMPARE(at->elements, elements);
        QCOMPARE(at->package, package);
    }

    void videoFourCcs_data()
    {
        QTest::addColumn<QByteArray>("fourCc");
        QTest::addColumn<QString>("title"); // empty: a format not known
        QTest::newRow("cvid") << QByteArray("cvid") << u"Cinepak video"_s;
        QTest::newRow("CVID") << QByteArray("CVID") << u"Cinepak video"_s;
        QTest::newRow("IV31") << QByteArray("IV31") << u"Indeo 3 video"_s;
        QTest::newRow("iv32") << QByteArray("iv32") << u"Indeo 3 video"_s;
        QTest::newRow("IV41") << QByteArray("IV41") << u"Indeo 4 video"_s;
        QTest::newRow("IV50") << QByteArray("IV50") << u"Indeo 5 video"_s;
        QTest::newRow("CRAM") << QByteArray("CRAM") << u"MS Video-1 video"_s;
        QTest::newRow("msvc") << QByteArray("msvc") << u"MS Video-1 video"_s;
        QTest::newRow("WHAM") << QByteArray("WHAM") << u"MS Video-1 video"_s;
        QTest::newRow("MJPG") << QByteArray("MJPG") << u"Motion JPEG video"_s;
        QTest::newRow("AVRn") << QByteArray("AVRn") << u"Motion JPEG video"_s;
        QTest::newRow("IV40 is no Indeo of the disc") << QByteArray("IV40") << QString();
        QTest::newRow("mrle") << QByteArray("mrle") << u"MS RLE video"_s;
        QTest::newRow("DIB") << QByteArray("DIB ") << u"Uncompressed video"_s;
        QTest::newRow("XVID") << QByteArray("XVID") << QString();
        QTest::newRow("zeros") << QByteArray(4, '\0') << QString();
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void videoFourCcs()
    {
        QFETCH(QByteArray, fourCc);
        QFETCH(QString, title);
        const PeriodFormat *format = videoFormatOf(fourCc);
        QCOMPARE(format ? format->title() : QString(), title);
    }

    void soundTags_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("title");
        QTest::newRow("8-bit PCM") << 1 << 8 << u"8-bit PCM sound"_s;
        QTest::newRow("16-bit PCM") << 1 << 16 << u"PCM sound"_s;
        QTest::newRow("24-bit PCM") << 1 << 24 << u"PCM sound"_s;
        QTest::newRow("mu-law") << 7 << 8 << u"mu-law sound"_s;
        QTest::newRow("GSM") << 0x31 << 0 << u"GSM 6.10 sound"_s;
        QTest::newRow("MS ADPCM") << 2 << 4 << u"MS ADPCM sound"_s;
        QTest::newRow("IMA ADPCM") << 0x11 << 4 << u"IMA ADPCM sound"_s;
        QTest::newRow("MP3") << 0x55 << 0 << u"MP3 sound"_s;
        QTest::newRow("WMA") << 0x161 << 16 << QString();
    }
    void soundTags()
    {
        QFETCH(int, tag);
        QFETCH(int, bits);
        QFETCH(QString, title);
        const PeriodFormat *format = soundFormatOf(quint16(tag), bits);
        QCOMPARE(format ? format->title() : QString(), title);
    }

    void report()
    {
        const QStringList lines = formatReport(has(without(everything,
                                                   { u"avdec_indeo4"_s, u"avdec_indeo5"_s, u"jpegdec"_s,
                                                       u"adpcmdec"_s, u"avdec_adpcm_ima_wav"_s })))
                                      .split(u"\r\n"_s);
        QCOMPARE(lines,
            QStringList({ u"Cinepak video: can be played"_s, u"Indeo 3 video: can be played"_s,
                u"Indeo 4 video: cannot be played - install gstreamer1.0-libav"_s,
                u"Indeo 5 video: cannot be played - install gstreamer1.0-libav"_s,
                u"MS Video-1 video: can be played"_s,
                u"Motion JPEG video: can be played"_s, // the libav decoder stands in for jpegdec
                u"MS ADPCM sound: can be played"_s,
                u"IMA ADPCM sound: cannot be played - install gstreamer1.0-plugins-bad"_s,
                u"8-bit PCM sound: can be played"_s }));
        QVERIFY(!formatReport(has(everything)).contains(u"cannot"_s));
    }

    void movieProblems_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("elements");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("Cinepak, MS ADPCM") << cinepakMovie << everything << QStringList();
        QTest::newRow("Indeo 5 without its decoder")
            << avi(videoStream("IV50", "IV50")) << without(everything, { u"avdec_indeo5"_s })
            << QStringList({ u"no decoder for Indeo 5 video (package gstreamer1.0-libav)"_s });
        QTest::newRow("FourCC only in the stream header")
            << avi(videoStream("iv41", QByteArray(4, '\0'))) << without(everything, { u"avdec_indeo4"_s })
            << QStringList({ u"no decoder for Indeo 4 video (package gstreamer1.0-libav)"_s });
        QTest::newRow("handler differs, compression decides")
            << avi(videoStream("msvc", "CRAM")) << everything << QStringList();
        QTest::newRow("unknown video") << avi(videoStream("XVID", "XVID")) << everything
                                       << QStringList({ u"no decoder known for video 'XVID'"_s });
        QTest::newRow("unprintable video")
            << avi(videoStream("\x01\x02\x03\x04", "\x01\x02\x03\x04")) << everything
            << QStringList({ u"no decoder known for video 0x01020304"_s });
        QTest::newRow("both missing")
            << cinepakMovie << without(everything, { u"avdec_cinepak"_s, u"adpcmdec"_s, u"avdec_adpcm_ms"_s })
            << QStringList({ u"no decoder for Cinepak video (package gstreamer1.0-libav)"_s,
                   u"no decoder for MS ADPCM sound (package gstreamer1.0-plugins-bad)"_s });
        QTest::newRow("unknown sound")
            << avi(videoStream("cvid", "cvid") + soundStream(0x161, 16)) << everything
            << QStringList({ u"no decoder known for sound format 0x0161"_s });
        QTest::newRow("uncompressed pictures") << avi(videoStream(QByteArray(4, '\0'), QByteArray(4, '\0')))
                                               << everything << QStringList();
        QTest::newRow("RLE pictures without their decoder")
            << avi(videoStream(QByteArray(4, '\0'), QByteArray("\x01\0\0\0", 4)))
            << everything << QStringList({ u"no decoder for MS RLE video (package gstreamer1.0-libav)"_s });
        QTest::newRow("sound only") << avi(soundStream(1, 16)) << everything
                                    << QStringList({ u"no video stream"_s });
        QTest::newRow("no demuxer") << cinepakMovie << without(everything, { u"avidemux"_s })
                                    << QStringList(
                                           { u"no AVI demuxer (package gstreamer1.0-plugins-good)"_s });
    }
    void movieProblems()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, elements);
        QFETCH(QStringList, problems);
        QString error;
        const std::optional<AviStreams> streams = readAviStreams(file, &error);
        QVERIFY2(streams, qPrintable(error));
        QCOMPARE(::movieProblems(*streams, has(elements)), problems);
    }

    void readsStreamHeaders_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("sound");
        const QByteArray streams = videoStream("cvid", "cvid") + soundStream(2, 4);
        QTest::newRow("plain") << cinepakMovie << true;
        QTest::newRow("JUNK before the headers")
            << avi(streams, riffChunk("JUNK", QByteArray(2047, 'j'))) << true;
        QTest::newRow("sound stream first") << avi(soundStream(2, 4) + videoStream("cvid", "cvid")) << true;
        QTest::newRow("second video stream ignored") << avi(streams + videoStream("IV50", "IV50")) << true;
        // A header list that claims more than the file holds: read what is there.
        QByteArray claimsTooMuch = cinepakMovie.left(cinepakMovie.indexOf("movi") - 8);
        claimsTooMuch.replace(claimsTooMuch.indexOf("hdrl") - 4, 4, le32(0xFFFFFFF0));
        QTest::newRow("header list size past the end") << claimsTooMuch << true;
        QTest::newRow("cut in the sound stream's list header")
            << cinepakMovie.left(cinepakMovie.indexOf("auds") - 16) << false;
    }
    void readsStreamHeaders()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, sound);
        QString error;
        const std::optional<AviStreams> streams = readAviStreams(file, &error);
        QVERIFY2(streams, qPrintable(error));
        QVERIFY(streams->hasVideo);
        QCOMPARE(streams->videoCompression, QByteArray("cvid"));
        QCOMPARE(streams->videoHandler, QByteArray("cvid"));
        QCOMPARE(streams->hasSound, sound);
        QCOMPARE(streams->soundFormat, quint16(sound ? 2 : 0));
        QCOMPARE(streams->soundBits, sound ? 4 : 0);
    }

    void rejectsWhatIsNoMovie_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("A movie about cars, in words only.");
        QTest::newRow("a wave file") << QByteArray(cinepakMovie).replace(8, 4, "WAVE");
        QTest::newRow("no header list") << QByteArray("RIFF" + le32(20) + "AVI " + list("movi", "00dc"));
        QTest::newRow("header list without streams") << avi({});
        QTest::newRow("garbage after the form type")
            << "RIFF" + le32(1000) + "AVI " + QByteArray(1000, '\xA5');
        QTest::newRow("stream header too short")
            << avi(list("strl", riffChunk("strh", "vid") + riffChunk("strf", QByteArray(40, '\0'))));
    }
    void rejectsWhatIsNoMovie()
    {
        QFETCH(QByteArray, file);
        QString error;
        QVERIFY(!readAviStreams(file, &error));
        QVERIFY(!error.isEmpty());
    }

    // Every cut and every damaged byte of the headers gives an answer, never
    // a read outside the bytes given.
    void survivesDamage()
    {
        const QByteArray headers = cinepakMovie.left(cinepakMovie.indexOf("movi") + 8);
        for (qsizetype cut = 0; cut <= headers.size(); ++cut) {
            const QByteArray part
                = headers.left(cut); // its own buffer, so a stray read would be caught by ASan
            readAviStreams(part);
        }
        for (qsizetype at = 0; at < headers.size(); ++at)
            for (char value : { '\0', '\x7f', '\xff' }) {
                QByteArray damaged = headers;
                damaged[at] = value;
                const std::optional<AviStreams> streams = readAviStreams(damaged);
                if (streams && streams->hasVideo)
                    QCOMPARE(streams->videoHandler.size(), 4);
            }
    }

    void readsFromFile()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(u"1958_3.avi"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(cinepakMovie + QByteArray(2 << 20, '\0')); // more than is read
        file.close();
        const std::optional<AviStreams> streams = readAviStreamsFromFile(file.fileName());
        QVERIFY(streams);
        QCOMPARE(streams->videoCompression, QByteArray("cvid"));

        QString error;
        QVERIFY(!readAviStreamsFromFile(dir.filePath(u"missing.avi"_s), &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPeriodFormats)
#include "tst_periodformats.moc"
