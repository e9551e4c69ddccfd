#include "platform/base/avisoundtiming.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include "support/riffbytes.h"

namespace {

QByteArray list(const char *type, const QByteArray &body)
{
    return riffChunk("LIST", QByteArray(type) + body);
}

// A sound stream as the period's writers laid it out: scale = one block,
// rate = bytes a second, a fixed sample size of one block, length in blocks.
QByteArray soundStream(int tag, int channels, int blockAlign, int sampleSize, const QByteArray &extra)
{
    const QByteArray strh = "auds" + QByteArray(16, '\0') + le32(quint32(blockAlign)) + le32(5586) + le32(0)
        + le32(49) + le32(912) + le32(0xffffffffu) + le32(quint32(sampleSize)) + QByteArray(8, '\0');
    const QByteArray strf = le16(tag) + le16(channels) + le32(11025) + le32(5586) + le16(blockAlign) + le16(4)
        + le16(int(extra.size())) + extra;
    return list("strl", riffChunk("strh", strh) + riffChunk("strf", strf));
}

QByteArray avi(const QByteArray &streams)
{
    const QByteArray video = list("strl",
        riffChunk("strh", "vidsMJPG" + QByteArray(48, '\0'))
            + riffChunk("strf", le32(40) + QByteArray(36, '\0')));
    const QByteArray body = "AVI " + list("hdrl", riffChunk("avih", QByteArray(56, '\0')) + video + streams)
        + list("movi", riffChunk("01wb", QByteArray(456, '\x11')));
    return "RIFF" + le32(quint32(body.size())) + body;
}

QByteArray patched(QByteArray file, const QList<BytePatch> &patches)
{
    for (const BytePatch &patch : patches)
        file.replace(patch.offset, patch.bytes.size(), patch.bytes);
    return file;
}

// The sound stream header's scale, rate, length and sample size.
QList<quint32> soundHeader(const QByteArray &file)
{
    const qsizetype at = file.indexOf("auds");
    QList<quint32> fields;
    for (int offset : { 20, 24, 32, 44 })
        fields << qFromLittleEndian<quint32>(file.constData() + at + offset);
    return fields;
}

} // namespace

// ADPCM sound described by its bytes is described by its blocks instead,
// so that GStreamer times each block right; nothing else is touched.
class TestAviSoundTiming : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void patches_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<quint32>>("header"); // scale, rate, length, sample size; empty: left alone
        // MS ADPCM, mono, 456-byte blocks stating 900 samples each.
        QTest::newRow("MS ADPCM") << avi(
            soundStream(2, 1, 456, 456, le16(900) + le16(7) + QByteArray(28, '\0')))
                                  << QList<quint32> { 900, 11025, 49, 0 };
        // IMA ADPCM, stereo, without the samples a block: (512 - 8) * 2 / 2 + 1.
        QTest::newRow("IMA ADPCM, worked out")
            << avi(soundStream(0x11, 2, 512, 512, {})) << QList<quint32> { 505, 11025, 49, 0 };
        // A length in bytes (sample size 1) becomes a length in blocks.
        QTest::newRow("length in bytes")
            << avi(soundStream(2, 1, 456, 1, le16(900) + le16(0))) << QList<quint32> { 900, 11025, 1, 0 };
        QTest::newRow("PCM") << avi(soundStream(1, 1, 2, 2, {})) << QList<quint32> {};
        QTest::newRow("already by blocks")
            << avi(soundStream(2, 1, 456, 0, le16(900) + le16(0))) << QList<quint32> {};
        QTest::newRow("absurd block") << avi(soundStream(2, 1, 4, 4, {})) << QList<quint32> {};
    }
    void patches()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<quint32>, header);
        const std::optional<AviStreams> streams = readAviStreams(file);
        QVERIFY(streams && streams->hasSound);
        const QList<BytePatch> patches = adpcmSoundTimingPatches(*streams);
        QCOMPARE(patches.isEmpty(), header.isEmpty());
        if (header.isEmpty())
            return;
        const QByteArray changed = patched(file, patches);
        QCOMPARE(changed.size(), file.size());
        QCOMPARE(soundHeader(changed), header);
        // The sound's format and data, and the rest of the header, stay as they were.
        const qsizetype at = file.indexOf("auds");
        QCOMPARE(changed.first(at + 20), file.first(at + 20));
        QCOMPARE(changed.sliced(at + 48), file.sliced(at + 48));
    }

    // A header cut short within the sound's stream header tells nothing to mend.
    void headerCutShort()
    {
        const QByteArray file = avi(soundStream(2, 1, 456, 456, le16(900) + le16(0)));
        const std::optional<AviStreams> streams = readAviStreams(file.first(file.indexOf("auds") + 30));
        QVERIFY(!streams || adpcmSoundTimingPatches(*streams).isEmpty());
    }

    // The copy is written a piece at a time; a change that falls across two
    // pieces lands whole.
    void patchedCopy()
    {
        QTemporaryDir dir;
        QByteArray original(3 * 1024 * 1024 + 5, '\0');
        for (qsizetype i = 0; i < original.size(); ++i)
            original[i] = char(i * 7);
        const QString path = dir.filePath(QStringLiteral("movie.avi"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(original) == original.size());
        file.close();
        const QList<BytePatch> patches = { { 10, "abcd" }, { 1024 * 1024 - 2, "WXYZ" } };
        QBuffer copy;
        copy.open(QIODevice::WriteOnly);
        QVERIFY(writePatchedCopy(path, patches, copy));
        QCOMPARE(copy.data(), patched(original, patches));

        QBuffer nowhere;
        QVERIFY(!writePatchedCopy(dir.filePath(QStringLiteral("missing.avi")), patches, nowhere));
        QBuffer readOnly;
        readOnly.open(QIODevice::ReadOnly);
        QVERIFY(!writePatchedCopy(path, patches, readOnly));
    }
};

QTEST_GUILESS_MAIN(TestAviSoundTiming)
#include "tst_avisoundtiming.moc"
