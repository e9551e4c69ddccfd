#include "platform/base/wavdecoder.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "support/riffbytes.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes += char(v);
    return bytes;
}

// A chunk with its pad byte; declared overrides the length written in the header.
QByteArray chunk(const char *id, const QByteArray &body, qint64 declared = -1)
{
    const QByteArray pad = body.size() % 2 ? QByteArray(1, '\0') : QByteArray();
    return id + le32(quint32(declared < 0 ? body.size() : declared)) + body + pad;
}

QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

QByteArray fmt(int tag, int channels, int rate, int blockAlign, int bits, const QByteArray &extension = {})
{
    QByteArray body
        = le16(tag) + le16(channels) + le32(rate) + le32(rate * blockAlign) + le16(blockAlign) + le16(bits);
    if (tag != 1)
        body += le16(int(extension.size())) + extension;
    return chunk("fmt ", body);
}

QList<int> samplesOf(const PcmSound &sound)
{
    QList<int> values;
    for (qsizetype i = 0; i + 1 < sound.samples.size(); i += 2)
        values.append(qFromLittleEndian<qint16>(sound.samples.constData() + i));
    return values;
}

QList<int> interleave(const QList<int> &left, const QList<int> &right)
{
    QList<int> values;
    for (qsizetype i = 0; i < left.size(); ++i)
        values << left[i] << right[i];
    return values;
}

// Five 8-bit samples: an odd length, so a pad byte follows.
const QByteArray pcm8Data = bytesOf({ 0x80, 0xFF, 0x00, 0x81, 0x7F });
const QList<int> pcm8Values = { 0, 32512, -32768, 256, -256 };

// Nibbles of no particular pattern, for ADPCM bodies.
QByteArray noise(int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out += char((i * 37 + 11) ^ (i >> 3));
    return out;
}

// ADPCM blocks of blockAlign bytes: whole ones, then one cut to lastBytes.
QByteArray adpcmData(const QByteArray &header, int blockAlign, int wholeBlocks, int lastBytes)
{
    QByteArray data;
    for (int i = 0; i < wholeBlocks; ++i)
        data += header + noise(blockAlign - int(header.size()));
    return data + header + noise(lastBytes - int(header.size()));
}

// The MS ADPCM extension as period encoders wrote it: samples per block and the standard seven predictors.
QByteArray msExtension(int samplesPerBlock)
{
    QByteArray extension = le16(samplesPerBlock) + le16(7);
    for (const auto &[first, second] :
        { std::pair(256, 0), { 512, -256 }, { 0, 0 }, { 192, 64 }, { 240, 0 }, { 460, -208 }, { 392, -232 } })
        extension += le16(first) + le16(second);
    return extension;
}

} // namespace

class TestWavDecoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chunkLayouts_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray format = fmt(1, 1, 11025, 1, 8);
        const QByteArray data = chunk("data", pcm8Data);
        const QByteArray list = chunk("LIST", "INFOISFT" + le32(3) + "abc");
        QTest::newRow("pad byte, then another chunk") << riff(format + data + list);
        QTest::newRow("odd unknown chunk before fmt") << riff(chunk("JUNK", "xyz") + format + data);
        QTest::newRow("data before fmt") << riff(data + list + format);
        QTest::newRow("wrong RIFF size") << QByteArray("RIFF" + le32(4) + "WAVE" + format + data);
        QTest::newRow("data ends on the pad byte at end of file") << riff(format + data);
        // The oldest header stops before the bits per sample: one byte per sample and channel.
        const QByteArray oldFormat = chunk("fmt ", le16(1) + le16(1) + le32(11025) + le32(11025) + le16(1));
        QTest::newRow("14-byte format chunk") << riff(oldFormat + data);
    }
    void chunkLayouts()
    {
        QFETCH(QByteArray, file);
        QString error;
        const auto sound = decodeWave(file, &error);
        QVERIFY2(sound, qPrintable(error));
        QCOMPARE(sound->sampleRate, 11025);
        QCOMPARE(sound->channels, 1);
        QCOMPARE(samplesOf(*sound), pcm8Values);
    }

    void pcm16StereoAndExtensible()
    {
        const QByteArray data = le16(1) + le16(-1) + le16(32767) + le16(-32768);
        const auto stereo = decodeWave(riff(fmt(1, 2, 44100, 4, 16) + chunk("data", data)));
        QVERIFY(stereo);
        QCOMPARE(stereo->channels, 2);
        QCOMPARE(stereo->sampleRate, 44100);
        QCOMPARE(samplesOf(*stereo), QList<int>({ 1, -1, 32767, -32768 }));
        const QByteArray oldFormat = chunk("fmt ", le16(1) + le16(2) + le32(44100) + le32(176400) + le16(4));
        const auto old = decodeWave(riff(oldFormat + chunk("data", data)));
        QVERIFY(old);
        QCOMPARE(samplesOf(*old), samplesOf(*stereo));

        const QByteArray pcmGuid
            = bytesOf({ 1, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71 });
        const QByteArray extensible = fmt(0xFFFE, 2, 44100, 4, 16, le16(16) + le32(3) + pcmGuid);
        const auto decoded = decodeWave(riff(extensible + chunk("data", data)));
        QVERIFY(decoded);
        QCOMPARE(samplesOf(*decoded), samplesOf(*stereo));

        // Another encoding inside the extensible format is left to the system's decoders.
        QByteArray floatGuid = pcmGuid;
        floatGuid[0] = 3;
        bool otherEncoding = false;
        QVERIFY(!decodeWave(
            riff(fmt(0xFFFE, 2, 44100, 8, 32, le16(32) + le32(3) + floatGuid) + chunk("data", data + data)),
            nullptr, &otherEncoding));
        QVERIFY(otherEncoding);
    }

    // Samples stand at the top of their bytes; the top 16 bits are what plays.
    void widePcm_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QList<int>>("values");
        QTest::newRow("12 bits in two bytes") << 12 << bytesOf({ 0xF0, 0x7F, 0x10, 0x80 }) << QList<int>({ 32752, -32752 });
        QTest::newRow("24 bits") << 24 << bytesOf({ 0xAA, 0x34, 0x12, 0x00, 0x00, 0x80 }) << QList<int>({ 0x1234, -32768 });
        QTest::newRow("32 bits") << 32 << bytesOf({ 1, 2, 0xFF, 0x7F, 9, 9, 0xFF, 0xFF }) << QList<int>({ 32767, -1 });
    }
    void widePcm()
    {
        QFETCH(int, bits);
        QFETCH(QByteArray, data);
        QFETCH(QList<int>, values);
        const int bytes = (bits + 7) / 8;
        // A trailing part of a sample is not a sample.
        const auto sound = decodeWave(riff(fmt(1, 1, 8000, bytes, bits) + chunk("data", data + '\x7F')));
        QVERIFY(sound);
        QCOMPARE(samplesOf(*sound), values);
    }

    void truncatedDataDecodesWhatIsThere()
    {
        // Declares 100 bytes, holds three and a half samples.
        const QByteArray file
            = riff(fmt(1, 1, 8000, 2, 16)) + "data" + le32(100) + le16(5) + le16(-6) + le16(7) + 'x';
        const auto sound = decodeWave(file);
        QVERIFY(sound);
        QCOMPARE(samplesOf(*sound), QList<int>({ 5, -6, 7 }));

        // An absurd size is no reason to reserve memory for it.
        const QByteArray absurd
            = riff(fmt(1, 1, 8000, 2, 16)) + "data" + le32(0xFFFFFFF0) + le16(5) + le16(-6);
        const auto what = decodeWave(absurd);
        QVERIFY(what);
        QCOMPARE(samplesOf(*what), QList<int>({ 5, -6 }));
    }

    void imaAdpcm()
    {
        // Mono: predictor 0, step index 0; nibbles low first: 7 F 0 0 C 3 8 8.
        const QByteArray monoBlock = le16(0) + bytesOf({ 0, 0, 0xF7, 0x00, 0x3C, 0x88 });
        const QList<int> mono = { 0, 11, -19, -15, -12, -43, -14, -17, -20 };
        auto sound = decodeWave(riff(fmt(0x11, 1, 8000, 8, 4, le16(9)) + chunk("data", monoBlock)));
        QVERIFY(sound);
        QCOMPARE(samplesOf(*sound), mono);

        // Stereo: both headers, then four bytes of the left channel and four of the right.
        const QByteArray stereoBlock = le16(100) + bytesOf({ 0, 0 }) + le16(-100) + bytesOf({ 10, 0 })
            + bytesOf({ 0x12, 0x34, 0x56, 0x77, 0x9A, 0xBC, 0xDE, 0xF0 });
        const QList<int> left = { 100, 103, 104, 111, 118, 131, 149, 187, 270 };
        const QList<int> right = { -100, -111, -117, -135, -150, -177, -218, -213, -289 };
        sound = decodeWave(riff(fmt(0x11, 2, 8000, 16, 4, le16(9)) + chunk("data", stereoBlock)));
        QVERIFY(sound);
        QCOMPARE(samplesOf(*sound), interleave(left, right));
    }

    void msAdpcm()
    {
        // Left: predictor 0 (256, 0); right: predictor 1 (512, -256); both delta 16,
        // sample1 100, sample2 50. Each byte holds left (high) and right (low) nibbles.
        const QByteArray block = bytesOf({ 0, 1 }) + le16(16) + le16(16) + le16(100) + le16(100) + le16(50)
            + le16(50) + bytesOf({ 0x18, 0x7F, 0x24 });
        const auto sound = decodeWave(riff(fmt(2, 2, 22050, 17, 4) + chunk("data", block)));
        QVERIFY(sound);
        QCOMPARE(samplesOf(*sound), interleave({ 50, 100, 116, 228, 304 }, { 50, 100, 22, -104, -58 }));

        // The coefficient table of the format extension replaces the standard one.
        const QByteArray extension = le16(4) + le16(1) + le16(128) + le16(0);
        const QByteArray monoBlock = bytesOf({ 0 }) + le16(20) + le16(1000) + le16(0) + bytesOf({ 0x03 });
        const auto custom = decodeWave(riff(fmt(2, 1, 22050, 8, 4, extension) + chunk("data", monoBlock)));
        QVERIFY(custom);
        QCOMPARE(samplesOf(*custom), QList<int>({ 0, 1000, 500, 301 }));
    }

    // The last block is usually short; its header and whatever nibbles follow
    // are all sound, and nothing is cut from the end.
    void finalPartialBlock_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("frames");
        const QByteArray ima = le16(0) + bytesOf({ 0, 0 }) + QByteArray(8, '\x11');
        // Blocks of 12 bytes hold 17 samples; a 4-byte header plus 4 bytes holds 9.
        QTest::newRow("IMA, full + short block")
            << riff(fmt(0x11, 1, 8000, 12, 4, le16(17)) + chunk("data", ima + ima.left(8))) << 17 + 9;
        QTest::newRow("IMA, samples per block below the maximum")
            << riff(fmt(0x11, 1, 8000, 12, 4, le16(10)) + chunk("data", ima + ima.left(8))) << 10 + 9;
        QTest::newRow("IMA, trailing bytes shorter than a header")
            << riff(fmt(0x11, 1, 8000, 12, 4, le16(17)) + chunk("data", ima + ima.left(3))) << 17;
        const QByteArray imaStereo = ima.left(4) + ima.left(4) + QByteArray(16, '\x11');
        QTest::newRow("IMA stereo, short block of one word each")
            << riff(fmt(0x11, 2, 8000, 24, 4, le16(17)) + chunk("data", imaStereo + imaStereo.left(16)))
            << 17 + 9;
        const QByteArray ms = bytesOf({ 0 }) + le16(16) + le16(0) + le16(0) + QByteArray(8, '\x11');
        // Blocks of 15 bytes hold 18 samples; a 7-byte header plus 3 bytes holds 8.
        QTest::newRow("MS, full + short block")
            << riff(fmt(2, 1, 8000, 15, 4, le16(18) + le16(0)) + chunk("data", ms + ms.left(10))) << 18 + 8;
        QTest::newRow("MS without extension, header-only last block")
            << riff(fmt(2, 1, 8000, 15, 4) + chunk("data", ms + ms.left(7))) << 18 + 2;
    }
    void finalPartialBlock()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, frames);
        QString error;
        const auto sound = decodeWave(file, &error);
        QVERIFY2(sound, qPrintable(error));
        QCOMPARE(sound->samples.size(), qsizetype(frames) * sound->channels * 2);
    }

    // sox is the reference decoder the sound effects are held to: files as
    // period encoders wrote them, the last ADPCM block short, 8-bit data of odd length.
    void sameFrameCountsAsSox_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray imaMono = le16(-300) + bytesOf({ 20, 0 });
        QTest::newRow("IMA mono") << riff(
            fmt(0x11, 1, 11025, 256, 4, le16(505)) + chunk("data", adpcmData(imaMono, 256, 3, 100)));
        QTest::newRow("IMA stereo") << riff(fmt(0x11, 2, 22050, 512, 4, le16(505))
            + chunk("data", adpcmData(imaMono + imaMono, 512, 2, 200)));
        const QByteArray msMono = bytesOf({ 3 }) + le16(40) + le16(900) + le16(-700);
        QTest::newRow("MS mono") << riff(
            fmt(2, 1, 11025, 256, 4, msExtension(500)) + chunk("data", adpcmData(msMono, 256, 2, 107)));
        const QByteArray msStereo
            = bytesOf({ 1, 5 }) + le16(40) + le16(60) + le16(900) + le16(-900) + le16(-700) + le16(700);
        QTest::newRow("MS stereo") << riff(
            fmt(2, 2, 22050, 512, 4, msExtension(500)) + chunk("data", adpcmData(msStereo, 512, 2, 114)));
        QTest::newRow("MS mono, header-only last block")
            << riff(fmt(2, 1, 11025, 256, 4, msExtension(500)) + chunk("data", adpcmData(msMono, 256, 1, 7)));
        QTest::newRow("8-bit, pad byte, LIST") << riff(
            fmt(1, 1, 11025, 1, 8) + chunk("data", pcm8Data) + chunk("LIST", "INFOINAM" + le32(3) + "ab"));
    }
    void sameFrameCountsAsSox()
    {
        QFETCH(QByteArray, file);
        const QString sox = QStandardPaths::findExecutable(u"sox"_s);
        if (sox.isEmpty())
            QSKIP("sox is not installed");
        QTemporaryDir dir;
        QFile wave(dir.filePath(u"sound.wav"_s));
        QVERIFY(wave.open(QIODevice::WriteOnly) && wave.write(file) == file.size());
        wave.close();
        QProcess process;
        process.start(sox, { u"-V1"_s, wave.fileName(), u"-t"_s, u"s16"_s, u"-"_s });
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 0);
        const QByteArray reference = process.readAllStandardOutput();
        QString error;
        const auto sound = decodeWave(file, &error);
        QVERIFY2(sound, qPrintable(error));
        QCOMPARE(sound->samples.size(), reference.size());
    }

    // Every cut and every damaged header byte of ADPCM files gives an answer
    // (sound or a reason), never a read outside the bytes given.
    void survivesDamage()
    {
        const QByteArray msStereo
            = bytesOf({ 1, 5 }) + le16(40) + le16(60) + le16(900) + le16(-900) + le16(-700) + le16(700);
        const QList<QByteArray> files = { riff(fmt(2, 2, 22050, 64, 4, msExtension(52))
                                              + chunk("data", adpcmData(msStereo, 64, 1, 30))),
            riff(fmt(0x11, 2, 22050, 72, 4, le16(65))
                + chunk("data",
                    adpcmData(le16(9) + bytesOf({ 88, 0 }) + le16(-9) + bytesOf({ 0, 0 }), 72, 1, 24))) };
        for (const QByteArray &file : files) {
            for (qsizetype cut = 0; cut <= file.size(); ++cut) {
                QString error;
                const QByteArray part = file.left(cut); // its own buffer, so a stray read shows under ASan
                QVERIFY(decodeWave(part, &error) || !error.isEmpty());
            }
            for (qsizetype at = 0; at < 120 && at < file.size(); ++at)
                for (char value : { '\0', '\x7f', '\xff' }) {
                    QByteArray damaged = file;
                    damaged[at] = value;
                    QString error;
                    const auto sound = decodeWave(damaged, &error);
                    QVERIFY(sound ? sound->samples.size() % (2 * sound->channels) == 0 : !error.isEmpty());
                }
        }
    }

    void rejectsBadFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray data = chunk("data", QByteArray(64, '\x11'));
        const QByteArray badPredictor = bytesOf({ 7 }) + le16(16) + le16(0) + le16(0) + bytesOf({ 0x11 });
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("This is plain text, certainly not a sound.");
        QTest::newRow("an AVI") << riff({}).replace("WAVE", "AVI ");
        QTest::newRow("no fmt") << riff(data);
        QTest::newRow("no data") << riff(fmt(1, 1, 8000, 1, 8));
        QTest::newRow("empty data") << riff(fmt(1, 1, 8000, 1, 8) + chunk("data", {}));
        QTest::newRow("short fmt") << riff(chunk("fmt ", le16(1) + le16(1) + le32(8000)) + data);
        QTest::newRow("zero channels") << riff(fmt(1, 0, 8000, 1, 8) + data);
        QTest::newRow("nine channels") << riff(fmt(1, 9, 8000, 9, 8) + data);
        QTest::newRow("zero sample rate") << riff(fmt(1, 1, 0, 1, 8) + data);
        QTest::newRow("33-bit PCM") << riff(fmt(1, 1, 8000, 5, 33) + data);
        QTest::newRow("extensible naming no wave encoding")
            << riff(fmt(0xFFFE, 1, 8000, 2, 16, le16(16) + le32(4) + QByteArray(16, '\x42')) + data);
        QTest::newRow("huge chunk hides the rest")
            << riff(chunk("JUNK", "ab", 0xFFFFFFF0) + fmt(1, 1, 8000, 1, 8) + data);
        QTest::newRow("IMA three channels") << riff(fmt(0x11, 3, 8000, 36, 4) + data);
        QTest::newRow("IMA block size zero") << riff(fmt(0x11, 1, 8000, 0, 4) + data);
        QTest::newRow("IMA block not whole words") << riff(fmt(0x11, 2, 8000, 18, 4) + data);
        QTest::newRow("IMA samples exceed block") << riff(fmt(0x11, 1, 8000, 8, 4, le16(10)) + data);
        QTest::newRow("IMA 3-bit") << riff(fmt(0x11, 1, 8000, 8, 3) + data);
        QTest::newRow("MS block smaller than header") << riff(fmt(2, 2, 8000, 13, 4) + data);
        QTest::newRow("MS coefficient table cut short")
            << riff(fmt(2, 1, 8000, 8, 4, le16(4) + le16(7)) + data);
        QTest::newRow("MS predictor outside table")
            << riff(fmt(2, 1, 8000, 8, 4) + chunk("data", badPredictor));
    }
    void rejectsBadFiles()
    {
        QFETCH(QByteArray, file);
        QString error;
        bool otherEncoding = false;
        QVERIFY(!decodeWave(file, &error, &otherEncoding));
        QVERIFY(!error.isEmpty());
        QVERIFY(!otherEncoding); // damage is not for another decoder to try
    }

    void otherEncodingsAreNamed()
    {
        const QByteArray data = chunk("data", QByteArray(64, '\x11'));
        for (const int tag : { 0x06, 0x07, 0x31, 0x55 }) {
            QString error;
            bool otherEncoding = false;
            QVERIFY(!decodeWave(riff(fmt(tag, 1, 8000, 1, 8) + data), &error, &otherEncoding));
            QVERIFY(otherEncoding);
            QVERIFY2(error.contains(u"0x%1"_s.arg(tag, 4, 16, QChar(u'0'))), qPrintable(error));
        }
    }
};

QTEST_GUILESS_MAIN(TestWavDecoder)
#include "tst_wavdecoder.moc"
