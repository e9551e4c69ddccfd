#include "platform/ui/codeccheck.h"

#include <QTemporaryDir>
#include <QtTest>

#include "support/riffbytes.h"

using namespace Qt::StringLiterals;

namespace {

// A header-only AVI movie whose video has the given FourCC.
QByteArray movieOf(const QByteArray &fourCc)
{
    const QByteArray strh = "vids" + fourCc + QByteArray(48, '\0');
    const QByteArray strf
        = le32(40) + le32(320) + le32(240) + le16(1) + le16(24) + fourCc + QByteArray(20, '\0');
    const QByteArray strl = riffChunk("LIST", "strl" + riffChunk("strh", strh) + riffChunk("strf", strf));
    const QByteArray body
        = "AVI " + riffChunk("LIST", "hdrl" + riffChunk("avih", QByteArray(56, '\0')) + strl);
    return "RIFF" + le32(quint32(body.size())) + body;
}

} // namespace

// The check against this system's own GStreamer, with the Indeo 5 decoder
// ranked out of use as a user (or a packager) can do.
class TestCodecCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("GST_PLUGIN_FEATURE_RANK", "openalsink:NONE,avdec_indeo5:NONE");
        if (!CodecCheck::hasElement(u"avidemux"_s))
            QSKIP("GStreamer with the AVI demuxer (gstreamer1.0-plugins-good) is not installed");
    }

    void probesTheRegistry()
    {
        QVERIFY(!CodecCheck::hasElement(u"avdec_indeo5"_s));
        QVERIFY(!CodecCheck::hasElement(u"no_such_decoder"_s));
        const QStringList lines = CodecCheck::periodFormatReport().split(u"\r\n"_s);
        QCOMPARE(lines.size(), 9);
        QVERIFY(lines.contains(u"Indeo 5 video: cannot be played - install gstreamer1.0-libav"_s));
        QCOMPARE(
            lines.contains(u"Cinepak video: can be played"_s), CodecCheck::hasElement(u"avdec_cinepak"_s));
    }

    void namesAMovieMissingItsDecoder()
    {
        QTemporaryDir dir;
        const auto write = [&](const QString &name, const QByteArray &bytes) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        };
        write(u"indeo.avi"_s, movieOf("IV50"));
        write(u"jpeg.avi"_s, movieOf("MJPG"));
        QCOMPARE(CodecCheck::movieProblems(dir.filePath(u"indeo.avi"_s)),
            QStringList({ u"no decoder for Indeo 5 video (package gstreamer1.0-libav)"_s }));
        if (CodecCheck::hasElement(u"jpegdec"_s))
            QCOMPARE(CodecCheck::movieProblems(dir.filePath(u"jpeg.avi"_s)), QStringList());
        QCOMPARE(CodecCheck::movieProblems(dir.filePath(u"missing.avi"_s)).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestCodecCheck)
#include "tst_codeccheck.moc"
