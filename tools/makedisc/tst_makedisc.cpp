#include "catalog.h"
#include "generator.h"
#include "movies.h"
#include "rtfwriter.h"
#include "wavwriter.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The chunks of a RIFF body (after the form type), in file order.
struct Chunk
{
    QByteArray id;
    qsizetype offset; // of the chunk header
    QByteArray body;
};

QList<Chunk> chunks(const QByteArray &data, qsizetype from, qsizetype to)
{
    QList<Chunk> list;
    while (from + 8 <= to) {
        const quint32 size = qFromLittleEndian<quint32>(data.constData() + from + 4);
        if (from + 8 + qsizetype(size) > to)
            break;
        list.append({ data.mid(from, 4), from, data.mid(from + 8, size) });
        from += 8 + size + (size % 2);
    }
    return list;
}

const Chunk *find(const QList<Chunk> &list, const char *id)
{
    for (const Chunk &chunk : list)
        if (chunk.id == id)
            return &chunk;
    return nullptr;
}

int u16(const QByteArray &b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
qint16 s16(const QByteArray &b, int at) { return qFromLittleEndian<qint16>(b.constData() + at); }
quint32 u32(const QByteArray &b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }

// A plain IMA ADPCM decoder (mono), written from the format description.
QList<int> decodeIma(const QByteArray &data, int blockAlign)
{
    static const int steps[89] = {
        7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21, 23, 25, 28, 31, 34, 37, 41, 45, 50, 55, 60, 66, 73, 80, 88,
        97, 107, 118, 130, 143, 157, 173, 190, 209, 230, 253, 279, 307, 337, 371, 408, 449, 494, 544, 598, 658,
        724, 796, 876, 963, 1060, 1166, 1282, 1411, 1552, 1707, 1878, 2066, 2272, 2499, 2749, 3024, 3327, 3660,
        4026, 4428, 4871, 5358, 5894, 6484, 7132, 7845, 8630, 9493, 10442, 11487, 12635, 13899, 15289, 16818,
        18500, 20350, 22385, 24623, 27086, 29794, 32767 };
    static const int shift[16] = { -1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8 };
    QList<int> out;
    for (int block = 0; block < data.size(); block += blockAlign) {
        int predicted = s16(data, block);
        int index = quint8(data.at(block + 2));
        out.append(predicted);
        for (int i = block + 4; i < std::min<qsizetype>(block + blockAlign, data.size()); ++i) {
            for (int nibble : { quint8(data.at(i)) & 15, quint8(data.at(i)) >> 4 }) {
                const int step = steps[index];
                int delta = step >> 3;
                if (nibble & 4) delta += step;
                if (nibble & 2) delta += step >> 1;
                if (nibble & 1) delta += step >> 2;
                predicted = std::clamp(nibble & 8 ? predicted - delta : predicted + delta, -32768, 32767);
                index = std::clamp(index + shift[nibble], 0, 88);
                out.append(predicted);
            }
        }
    }
    return out;
}

// A plain MS ADPCM decoder (mono, the standard predictors), written from the format description.
QList<int> decodeMs(const QByteArray &data, int blockAlign)
{
    static const int coefficients[7][2] = { { 256, 0 }, { 512, -256 }, { 0, 0 }, { 192, 64 },
                                            { 240, 0 }, { 460, -208 }, { 392, -232 } };
    static const int adaptation[16] = { 230, 230, 230, 230, 307, 409, 512, 614,
                                        768, 614, 512, 409, 307, 230, 230, 230 };
    QList<int> out;
    for (int block = 0; block + 7 <= data.size(); block += blockAlign) {
        const int *c = coefficients[quint8(data.at(block)) % 7];
        int delta = s16(data, block + 1), s1 = s16(data, block + 3), s2 = s16(data, block + 5);
        out << s2 << s1;
        for (int i = block + 7; i < std::min<qsizetype>(block + blockAlign, data.size()); ++i) {
            for (int nibble : { quint8(data.at(i)) >> 4, quint8(data.at(i)) & 15 }) {
                const int predicted = (s1 * c[0] + s2 * c[1]) >> 8;
                const int step = (nibble >= 8 ? nibble - 16 : nibble) * delta;
                const int sample = std::clamp(predicted + step, -32768, 32767);
                s2 = s1;
                s1 = sample;
                delta = std::max(16, (adaptation[nibble] * delta) >> 8);
                out.append(sample);
            }
        }
    }
    return out;
}

// The parts of an AVI file the movie player and the decoders read.
struct AviParts
{
    QByteArray mainHeader, videoHeader, videoFormat, soundHeader, soundFormat;
    QList<QByteArray> pictures;
    QByteArray sound;
};

AviParts aviParts(const QByteArray &avi)
{
    AviParts parts;
    const QList<Chunk> top = chunks(avi, 12, avi.size());
    const QByteArray hdrl = top.at(0).body;
    for (const Chunk &chunk : chunks(hdrl, 4, hdrl.size())) {
        if (chunk.id == "avih")
            parts.mainHeader = chunk.body;
        if (chunk.id != "LIST" || !chunk.body.startsWith("strl"))
            continue;
        const QList<Chunk> stream = chunks(chunk.body, 4, chunk.body.size());
        const QByteArray strh = find(stream, "strh")->body, strf = find(stream, "strf")->body;
        (strh.startsWith("vids") ? parts.videoHeader : parts.soundHeader) = strh;
        (strh.startsWith("vids") ? parts.videoFormat : parts.soundFormat) = strf;
    }
    for (const Chunk &chunk : chunks(top.at(1).body, 4, top.at(1).body.size())) {
        if (chunk.id == "00dc")
            parts.pictures.append(chunk.body);
        else if (chunk.id == "01wb")
            parts.sound += chunk.body;
    }
    return parts;
}

int be16(const QByteArray &b, qsizetype at) { return qFromBigEndian<quint16>(b.constData() + at); }
int be24(const QByteArray &b, qsizetype at) { return quint8(b.at(at)) << 16 | be16(b, at + 1); }

// Whether a compressed picture is laid out as its decoder expects; the
// reason when it is not.
QString checkPicture(const QByteArray &compression, const QByteArray &picture)
{
    if (compression == "MJPG")
        return QImage::fromData(picture, "JPEG").size() == QSize(320, 240) ? QString() : u"not a JPEG"_s;
    if (compression == "cvid") {
        // Frame header, then strips each holding its codebooks and its blocks.
        if (picture.size() < 10 || be24(picture, 1) != picture.size() || be16(picture, 4) != 320
            || be16(picture, 6) != 240)
            return u"frame header"_s;
        qsizetype at = 10;
        int rows = 0;
        for (int strip = 0; strip < be16(picture, 8); ++strip) {
            if (at + 12 > picture.size() || picture.at(at) != 0x10)
                return u"strip header"_s;
            rows += be16(picture, at + 8) - be16(picture, at + 4);
            QList<int> ids;
            for (qsizetype c = at + 12; c < at + be24(picture, at + 1); c += be24(picture, c + 1))
                ids.append(quint8(picture.at(c)));
            if (ids != QList<int>({ 0x20, 0x22, 0x30 }))
                return u"strip chunks"_s;
            at += be24(picture, at + 1);
        }
        return at == picture.size() && rows == 240 ? QString() : u"strips do not cover the frame"_s;
    }
    // MS Video-1: a code for each of the 80 x 60 blocks, with its colours.
    qsizetype at = 0;
    for (int block = 0; block < 80 * 60; ++block) {
        if (at + 2 > picture.size())
            return u"cut short"_s;
        const int code = u16(picture, int(at));
        if ((code & 0xfc00) == 0x8400)
            return u"a skip code in a key frame"_s;
        at += code & 0x8000 ? 2 : (u16(picture, int(at + 2)) & 0x8000 ? 18 : 6);
    }
    return at == picture.size() ? QString() : u"bytes after the last block"_s;
}

const Layout::Movie &movieEntry(const QString &fileName)
{
    for (const Layout::Movie &entry : Layout::movies())
        if (entry.fileName == fileName)
            return entry;
    return Layout::movies().first();
}

// Signal-to-noise ratio in dB of decoded against original values.
double snr(const QList<int> &original, const QList<int> &decoded)
{
    double signal = 0, noise = 1e-9;
    for (qsizetype i = 0; i < std::min(original.size(), decoded.size()); ++i) {
        signal += double(original.at(i)) * original.at(i);
        noise += double(original.at(i) - decoded.at(i)) * (original.at(i) - decoded.at(i));
    }
    return 10 * std::log10(signal / noise);
}

// Peak signal-to-noise ratio in dB of a decoded RGB picture.
double psnr(const QImage &original, const QByteArray &rgb)
{
    const QImage image = original.convertToFormat(QImage::Format_RGB888);
    double noise = 1e-9;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < 3 * image.width(); ++x) {
            const int d = quint8(image.constScanLine(y)[x]) - quint8(rgb.at(3 * y * image.width() + x));
            noise += d * d;
        }
    return 10 * std::log10(255.0 * 255.0 * 3 * image.width() * image.height() / noise);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesIn(const QString &folder, const QString &pattern)
{
    return QDir(folder).entryList({ pattern }, QDir::Files, QDir::Name);
}

} // namespace

class TestMakeDisc : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void namesTheProgramReads_data();
    void namesTheProgramReads();
    void everyYearHasItsFiles();
    void everyPhotographHasItsDocuments();
    void photographsDecode();
    void brochurePagesLeaveOneGap();
    void documentsAreWellFormedRtf();
    void soundsParse();
    void adpcmRoundTrip_data();
    void adpcmRoundTrip();
    void moviesUsePeriodCodecs_data();
    void moviesUsePeriodCodecs();
    void moviesDecodeThroughGStreamer_data();
    void moviesDecodeThroughGStreamer();
    void sameBytesOnEveryRun();
    void artworkPrintsAtNaturalSize();
    void rtfEscapes_data();
    void rtfEscapes();
    void eightBitSoundKeepsPadByte();
    void sixteenBitStereoInterleaves();
    void commandLineSkipsACompleteDisc();

private:
    QString disc(const QString &relative) const { return m_dir.path() + u"/disc/"_s + relative; }
    // Case-insensitive lookup, as the program matches names.
    bool exists(const QString &relative) const;

    QTemporaryDir m_dir;
};

bool TestMakeDisc::exists(const QString &relative) const
{
    QString path = m_dir.path();
    for (const QString &part : relative.split(u'/')) {
        const QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const auto match = std::find_if(entries.begin(), entries.end(), [&](const QString &name) {
            return name.compare(part, Qt::CaseInsensitive) == 0;
        });
        if (match == entries.end())
            return false;
        path += u'/' + *match;
    }
    return true;
}

void TestMakeDisc::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCOMPARE(generateDisc(m_dir.path()), QString());
}

void TestMakeDisc::namesTheProgramReads_data()
{
    QTest::addColumn<QString>("path");
    for (const char *path : {
             "disc/birds/55080.jpg", "disc/birds/55090.jpg", "disc/birds/65090.jpg", "disc/Birds/A2120.JPG",
             "disc/RichText/introduction.rtf", "disc/richtext/57desc.rtf", "disc/RichText/a2OPTS.rtf",
             "disc/richtext/a2colors.rtf", "disc/richtext/A2stats.rtf", "disc/richtext/nostalgia57.rtf",
             "disc/richtext/nostalgia02.rtf", "disc/richtext/stamps.rtf", "disc/richtext/zy002.rtf",
             "disc/richtext/desperat.rtf", "disc/richtext/ptdesc.rtf", "disc/RichText/sbopts.rtf",
             "disc/RichText/sbcolors.rtf", "disc/richtext/WallPaper Instructions.rtf",
             "disc/RichText/Register.rtf", "disc/RichText/VireonAdsList.rtf",
             "disc/richtext/2002_Press_Release.rtf", "disc/richtext/sshelp.rtf", "disc/richtext/contrib.rtf",
             "disc/richtext/pt002.rtf", "disc/richtext/pt010.rtf", "disc/richtext/tfm10.rtf",
             "disc/richtext/tdm12.rtf", "disc/richtext/glsj08.rtf", "disc/richtext/usa002.rtf",
             "disc/richtext/vck006.rtf", "disc/richtext/m1010.rtf", "disc/richtext/zz014.rtf",
             "disc/SCRIPTS/SCRISB.jpg", "disc/SCRIPTS/SCRIpt.jpg", "disc/scripts/scri02.jpg",
             "disc/emblems/embsb.jpg", "disc/emblems/EMBpt.jpg", "disc/emblems/emb66.jpg",
             "disc/Clipart/57clip.jpg", "disc/ClipArt/02Clip.jpg", "disc/graphics/logoBW.jpg",
             "disc/graphics/bklettxt.jpg", "disc/graphics/quillon3.jpg", "disc/Brochures/57BRCH00.jpg",
             "disc/brochures/57brch12.jpg", "disc/brochures/02brch00.jpg", "disc/ads/02FOTH00.jpg",
             "disc/ads/60foth01.jpg", "disc/wav/Track2.wav", "disc/wav/cop-car.wav", "disc/wav/revnrun.wav",
             "disc/movies/1956.avi", "disc/movies/Vireon2002.avi", "disc/IndeoVideo/iv5play.exe",
             "program/passby.wav", "program/Vireon.HLP" })
        QTest::newRow(path) << QString::fromLatin1(path);
}

void TestMakeDisc::namesTheProgramReads()
{
    QFETCH(QString, path);
    QVERIFY2(exists(path), qPrintable(path));
}

void TestMakeDisc::everyYearHasItsFiles()
{
    for (int year = 1955; year <= 2002; year = year == 1966 ? 2002 : year + 1) {
        const QString yy = QString::number(year).mid(2); // "57", "02"
        const QString prefix = year > 2001 ? u"a2"_s : yy;
        for (const QString &path : QStringList { u"disc/richtext/"_s + prefix + u"desc.rtf"_s,
                                                 u"disc/richtext/"_s + prefix + u"opts.rtf"_s,
                                                 u"disc/richtext/"_s + prefix + u"colors.rtf"_s,
                                                 u"disc/richtext/"_s + prefix + u"stats.rtf"_s,
                                                 u"disc/richtext/nostalgia"_s + yy + u".rtf"_s,
                                                 u"disc/scripts/scri"_s + yy + u".jpg"_s,
                                                 u"disc/emblems/emb"_s + yy + u".jpg"_s,
                                                 u"disc/clipart/"_s + yy + u"clip.jpg"_s,
                                                 u"disc/brochures/"_s + yy + u"brch00.jpg"_s,
                                                 u"disc/ads/"_s + yy + u"foth00.jpg"_s })
            QVERIFY2(exists(path), qPrintable(path));
        // Page numbers stay within the 0..40 the viewer counts.
        for (const QString &page : filesIn(disc(u"brochures"_s), yy + u"brch*.jpg"_s)
                 + filesIn(disc(u"ads"_s), yy + u"foth*.jpg"_s)) {
            bool number = false;
            QVERIFY(page.mid(6, 2).toInt(&number) <= 40 && number && page.size() == 12);
        }
    }
}

void TestMakeDisc::everyPhotographHasItsDocuments()
{
    // The Details button's names for photograph n: prefix + 2n (Danbury: the
    // last two digits of the file number).
    struct Rule { QString code, below5, from5; };
    const QList<Rule> rules = { { u"PT"_s, u"pt00"_s, u"pt0"_s }, { u"M1"_s, u"m100"_s, u"m10"_s },
                                { u"ZZ"_s, u"zz00"_s, u"zz0"_s }, { u"TE"_s, u"tek00"_s, u"tek0"_s },
                                { u"TF"_s, u"tfm0"_s, u"tfm"_s }, { u"GL"_s, u"glsj0"_s, u"glsj0"_s },
                                { u"VC"_s, u"usa00"_s, u"usa00"_s }, { u"US"_s, u"vck00"_s, u"vck00"_s },
                                { u"VM"_s, u"vms0"_s, u"vms0"_s } };
    QStringList photos = filesIn(disc(u"birds"_s), u"*.jpg"_s);
    for (QString &name : photos)
        name = name.toUpper();
    std::sort(photos.begin(), photos.end());
    QMap<QString, int> perGroup;
    for (const QString &photo : photos) {
        const QString code = photo.left(2);
        const int n = ++perGroup[code];
        QVERIFY2(exists(u"disc/richtext/"_s + photo.chopped(4) + u".rtf"_s), qPrintable(photo));
        for (const Rule &rule : rules)
            if (rule.code == code) {
                const QString name = (n < 5 ? rule.below5 : rule.from5) + QString::number(2 * n) + u".rtf"_s;
                QVERIFY2(exists(u"disc/richtext/"_s + name), qPrintable(name));
            }
        if (code == u"TD")
            QVERIFY(exists(u"disc/richtext/tdm"_s + photo.mid(photo.size() - 6, 2) + u".rtf"_s));
    }
    // Thirteen years and nineteen categories, at least three photographs each.
    QCOMPARE(perGroup.size(), 32);
    for (auto it = perGroup.cbegin(); it != perGroup.cend(); ++it)
        QVERIFY2(it.value() >= 3, qPrintable(it.key()));
    QCOMPARE(perGroup.value(u"57"_s), 14);
    QVERIFY(perGroup.value(u"A2"_s) >= 12);
}

void TestMakeDisc::photographsDecode()
{
    int large = 0;
    for (const QString &name : filesIn(disc(u"birds"_s), u"*.jpg"_s)) {
        QImageReader reader(disc(u"birds/"_s + name));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(name));
        QVERIFY2(image.size() == QSize(800, 600) || image.size() == QSize(2048, 1536), qPrintable(name));
        large += image.width() == 2048;
    }
    QVERIFY(large >= 2);
}

void TestMakeDisc::brochurePagesLeaveOneGap()
{
    QVERIFY(exists(u"disc/brochures/60brch03.jpg"_s));
    QVERIFY(!exists(u"disc/brochures/60brch02.jpg"_s));
    const QImage page(disc(u"brochures/60brch03.jpg"_s));
    QVERIFY(page.height() > page.width());
}

void TestMakeDisc::documentsAreWellFormedRtf()
{
    const QStringList names = filesIn(disc(u"richtext"_s), u"*.rtf"_s);
    QVERIFY(names.size() > 200);
    for (const QString &name : names) {
        const QByteArray rtf = readAll(disc(u"richtext/"_s + name));
        QVERIFY2(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"), qPrintable(name));
        int depth = 0;
        for (qsizetype i = 0; i < rtf.size(); ++i) {
            const char c = rtf.at(i);
            QVERIFY2(quint8(c) < 0x80, qPrintable(name)); // 8-bit text goes out escaped
            if (c == '\\')
                ++i;
            else if (c == '{')
                ++depth;
            else if (c == '}' && --depth == 0)
                QVERIFY2(rtf.mid(i + 1).trimmed().isEmpty(), qPrintable(name));
        }
        QCOMPARE(depth, 0);
    }
    const QByteArray stats = readAll(disc(u"richtext/57stats.rtf"_s));
    QVERIFY(stats.contains("\\trowd") && stats.contains("\\cellx") && stats.contains("\\row"));
    QVERIFY(readAll(disc(u"richtext/57desc.rtf"_s)).contains("{\\pntext"));
}

void TestMakeDisc::soundsParse()
{
    QStringList files = filesIn(disc(u"wav"_s), u"*.wav"_s);
    QCOMPARE(files.size(), 29);
    QSet<QString> kinds;
    for (const QString &name : files + QStringList { u"../../program/passby.wav"_s }) {
        const QByteArray wav = readAll(disc(u"wav/"_s + name));
        QVERIFY2(wav.startsWith("RIFF") && wav.mid(8, 4) == "WAVE", qPrintable(name));
        QCOMPARE(qsizetype(u32(wav, 4)) + 8, wav.size());
        const QList<Chunk> list = chunks(wav, 12, wav.size());
        const Chunk *fmt = find(list, "fmt ");
        const Chunk *data = find(list, "data");
        QVERIFY2(fmt && data, qPrintable(name));
        const int tag = u16(fmt->body, 0), channels = u16(fmt->body, 2), rate = int(u32(fmt->body, 4));
        const int align = u16(fmt->body, 12), bits = u16(fmt->body, 14);
        QVERIFY(rate == 11025 || rate == 22050);
        double seconds = 0;
        if (tag == 1) {
            QCOMPARE(align, channels * bits / 8);
            QCOMPARE(data->body.size() % align, 0);
            seconds = double(data->body.size()) / align / rate;
            kinds.insert(u"pcm%1x%2"_s.arg(bits).arg(channels));
            if (bits == 8) {
                QVERIFY2(data->body.size() % 2 == 1, qPrintable(name));
                QCOMPARE(list.last().id, QByteArray("LIST"));
            }
        } else {
            QVERIFY2(tag == 0x11 || tag == 2, qPrintable(name));
            const bool ima = tag == 0x11;
            QVERIFY(fmt->body.size() >= 20);
            const int perBlock = u16(fmt->body, 18);
            QCOMPARE(perBlock, ima ? Wav::imaSamplesPerBlock(align, channels)
                                   : Wav::msAdpcmSamplesPerBlock(align, channels));
            const Chunk *fact = find(list, "fact");
            QVERIFY(fact);
            // The whole blocks and the short last one hold the samples the fact chunk counts.
            const qsizetype last = data->body.size() % align;
            QVERIFY2(last != 0, "the last block is a partial one");
            const qsizetype inLast = ima ? 1 + (last - 4 * channels) / (4 * channels) * 8
                                         : 2 + (last - 7 * channels) * 2 / channels;
            const qsizetype held = data->body.size() / align * perBlock + inLast;
            const qsizetype frames = u32(fact->body, 0);
            QVERIFY2(frames <= held && held < frames + (ima ? 8 : 2), qPrintable(name));
            seconds = double(frames) / rate;
            kinds.insert(ima ? u"ima"_s : u"ms%1"_s.arg(channels));
        }
        QVERIFY2(seconds >= 0.5 && seconds <= 2.05, qPrintable(name));
    }
    QCOMPARE(kinds, QSet<QString>({ u"pcm16x1"_s, u"pcm16x2"_s, u"pcm8x1"_s, u"ima"_s, u"ms1"_s, u"ms2"_s }));
}

void TestMakeDisc::adpcmRoundTrip_data()
{
    QTest::addColumn<int>("encoding");
    QTest::addColumn<int>("blockAlign");
    QTest::newRow("IMA") << int(Wav::Encoding::ImaAdpcm) << 256;
    QTest::newRow("MS") << int(Wav::Encoding::MsAdpcm) << 256;
}

void TestMakeDisc::adpcmRoundTrip()
{
    QFETCH(int, encoding);
    QFETCH(int, blockAlign);
    const auto type = Wav::Encoding(encoding);
    Wav::Audio tone { 11025, 1, {} };
    for (int i = 0; i < 3000; ++i)
        tone.samples.append(float(0.6 * std::sin(i * 0.05) + 0.2 * std::sin(i * 0.9)));
    const QByteArray wav = Wav::adpcm(tone, type, blockAlign);
    const QList<Chunk> list = chunks(wav, 12, wav.size());
    const QByteArray data = find(list, "data")->body;
    const QList<int> decoded
        = type == Wav::Encoding::ImaAdpcm ? decodeIma(data, blockAlign) : decodeMs(data, blockAlign);
    QCOMPARE(u32(find(list, "fact")->body, 0), 3000u);
    QVERIFY(decoded.size() >= 3000 && decoded.size() < 3008);
    QList<int> original;
    for (float sample : tone.samples)
        original.append(int(std::lround(sample * 32767)));
    QVERIFY2(snr(original, decoded) > 25, "decoded sound follows the original");
}

void TestMakeDisc::moviesUsePeriodCodecs_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("compression");
    QTest::addColumn<int>("bitsPerPixel");
    QTest::addColumn<int>("soundFormat");
    QTest::addColumn<int>("bitsPerSample");
    QTest::newRow("Motion JPEG, 16-bit PCM") << u"1956.avi"_s << QByteArray("MJPG") << 24 << 1 << 16;
    QTest::newRow("Cinepak, MS ADPCM") << u"1958_3.avi"_s << QByteArray("cvid") << 24 << 2 << 4;
    QTest::newRow("MS Video-1, IMA ADPCM") << u"Vireon2002.avi"_s << QByteArray("CRAM") << 16 << 0x11 << 4;
    QTest::newRow("Cinepak, 8-bit PCM") << u"1962_2.avi"_s << QByteArray("cvid") << 24 << 1 << 8;
    QTest::newRow("MS Video-1, MS ADPCM") << u"1966.avi"_s << QByteArray("CRAM") << 16 << 2 << 4;
}

void TestMakeDisc::moviesUsePeriodCodecs()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, compression);
    QFETCH(int, bitsPerPixel);
    QFETCH(int, soundFormat);
    QFETCH(int, bitsPerSample);
    QCOMPARE(filesIn(disc(u"movies"_s), u"*.avi"_s).size(), 5);
    const QByteArray avi = readAll(disc(u"movies/"_s + file));
    QVERIFY(avi.startsWith("RIFF") && avi.mid(8, 4) == "AVI ");
    QCOMPARE(qsizetype(u32(avi, 4)) + 8, avi.size());
    const QList<Chunk> top = chunks(avi, 12, avi.size());
    QCOMPARE(top.size(), 3);
    QCOMPARE(top.at(0).body.left(4), QByteArray("hdrl"));
    QCOMPARE(top.at(1).body.left(4), QByteArray("movi"));
    const AviParts parts = aviParts(avi);
    const int frames = int(u32(parts.mainHeader, 16));
    QCOMPARE(QSize(int(u32(parts.mainHeader, 32)), int(u32(parts.mainHeader, 36))), QSize(320, 240));

    // The compressor is named in the stream header and the bitmap header alike.
    QCOMPARE(parts.videoHeader.mid(4, 4), compression);
    QCOMPARE(parts.videoFormat.mid(16, 4), compression);
    QCOMPARE(u16(parts.videoFormat, 14), bitsPerPixel);
    QCOMPARE(u16(parts.soundFormat, 0), soundFormat);
    QCOMPARE(u16(parts.soundFormat, 14), bitsPerSample);
    QCOMPARE(int(u32(parts.soundFormat, 4)), 11025);

    // Every index entry points at its chunk.
    const qsizetype moviType = top.at(1).offset + 8;
    const QByteArray index = find(top, "idx1")->body;
    for (int at = 0; at < index.size(); at += 16) {
        const qsizetype chunkAt = moviType + u32(index, at + 8);
        QCOMPARE(avi.mid(chunkAt, 4), index.mid(at, 4));
        QCOMPARE(u32(avi, int(chunkAt + 4)), u32(index, at + 12));
    }
    QCOMPARE(parts.pictures.size(), frames);
    QCOMPARE(frames, 40);
    for (const QByteArray &picture : parts.pictures) {
        const QString fault = checkPicture(compression, picture);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // The sound lasts as long as the pictures, in whole blocks.
    const quint32 scale = u32(parts.soundHeader, 20), rate = u32(parts.soundHeader, 24);
    const quint32 length = u32(parts.soundHeader, 32);
    QCOMPARE(int(scale), u16(parts.soundFormat, 12));
    QCOMPARE(qsizetype(length) * scale, parts.sound.size());
    QCOMPARE(double(length) * scale / rate, double(frames) / u32(parts.videoHeader, 24));
}

void TestMakeDisc::moviesDecodeThroughGStreamer_data()
{
    QTest::addColumn<QString>("file");
    for (const Layout::Movie &entry : Layout::movies())
        QTest::newRow(qPrintable(entry.fileName)) << entry.fileName;
}

// What a player gets from each movie: every picture close to the one drawn,
// and all of the sound.
void TestMakeDisc::moviesDecodeThroughGStreamer()
{
    QFETCH(QString, file);
    const QString launch = QStandardPaths::findExecutable(u"gst-launch-1.0"_s);
    if (launch.isEmpty())
        QSKIP("gst-launch-1.0 is not installed (gstreamer1.0-tools)");
    QTemporaryDir out;
    const QString pictures = out.filePath(u"pictures.rgb"_s), sound = out.filePath(u"sound.pcm"_s);
    QProcess process;
    process.start(launch, { u"-q"_s, u"filesrc"_s, u"location="_s + disc(u"movies/"_s + file), u"!"_s,
                            u"decodebin"_s, u"name=d"_s, u"d."_s, u"!"_s, u"queue"_s, u"!"_s,
                            u"videoconvert"_s, u"!"_s, u"video/x-raw,format=RGB"_s, u"!"_s, u"filesink"_s,
                            u"location="_s + pictures, u"d."_s, u"!"_s, u"queue"_s, u"!"_s,
                            u"audioconvert"_s, u"!"_s, u"audio/x-raw,format=S16LE,channels=1"_s, u"!"_s,
                            u"filesink"_s, u"location="_s + sound });
    QVERIFY(process.waitForFinished(60000));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());

    const QList<QImage> drawn = moviePictures(movieEntry(file));
    const QByteArray rgb = readAll(pictures);
    const qsizetype frameBytes = 320 * 240 * 3;
    QCOMPARE(rgb.size(), drawn.size() * frameBytes);
    double worst = 100;
    for (qsizetype f = 0; f < drawn.size(); f += 7)
        worst = std::min(worst, psnr(drawn.at(f), rgb.mid(f * frameBytes, frameBytes)));
    QVERIFY2(worst > 30, qPrintable(u"pictures at %1 dB"_s.arg(worst)));

    const QByteArray pcm = readAll(sound);
    QList<int> original, decoded;
    for (float sample : movieSound().samples)
        original.append(int(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767)));
    for (qsizetype i = 0; i + 1 < pcm.size(); i += 2)
        decoded.append(s16(pcm, int(i)));
    QCOMPARE(decoded.size(), original.size());
    QVERIFY2(snr(original, decoded) > 25, qPrintable(u"sound at %1 dB"_s.arg(snr(original, decoded))));
}

void TestMakeDisc::sameBytesOnEveryRun()
{
    QTemporaryDir again;
    QCOMPARE(generateDisc(again.path()), QString());
    int compared = 0;
    QDirIterator it(m_dir.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString other = again.path() + path.mid(m_dir.path().size());
        QVERIFY2(readAll(path) == readAll(other), qPrintable(path));
        ++compared;
    }
    QVERIFY(compared > 500);
}

void TestMakeDisc::artworkPrintsAtNaturalSize()
{
    // The booklet cover draws these at their natural size: 96 dots per inch.
    for (const char *name : { "graphics/logoBW.jpg", "graphics/bklettxt.jpg", "graphics/quillon3.jpg",
                              "clipart/55clip.jpg" }) {
        const QImage image(disc(QString::fromLatin1(name)));
        QVERIFY2(!image.isNull(), name);
        QVERIFY2(qAbs(image.dotsPerMeterX() - 3780) <= 2, name);
    }
}

void TestMakeDisc::rtfEscapes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("rtf");
    QTest::newRow("plain") << u"Vireon 1957"_s << QByteArray("Vireon 1957");
    QTest::newRow("braces and backslash") << u"{a\\b}"_s << QByteArray("\\{a\\\\b\\}");
    QTest::newRow("latin-1") << u"coup\u00e9 cr\u00e8me"_s << QByteArray("coup\\'e9 cr\\'e8me");
    QTest::newRow("em dash") << u"a \u2014 b"_s << QByteArray("a \\u8212? b");
    QTest::newRow("above 32767") << u"\uff01"_s << QByteArray("\\u-255?");
    QTest::newRow("tab") << u"a\tb"_s << QByteArray("a\\tab b");
}

void TestMakeDisc::rtfEscapes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, rtf);
    QCOMPARE(RtfWriter::escape(text), rtf);
}

void TestMakeDisc::eightBitSoundKeepsPadByte()
{
    const QByteArray wav = Wav::pcm8({ 11025, 1, { 0.0f, 1.0f, -1.0f, 0.5f, 0.0f } }, "Car Door");
    QCOMPARE(qsizetype(u32(wav, 4)) + 8, wav.size());
    const QList<Chunk> list = chunks(wav, 12, wav.size());
    QCOMPARE(list.size(), 3);
    const Chunk &data = list.at(1);
    QCOMPARE(data.id, QByteArray("data"));
    QCOMPARE(data.body, QByteArray::fromHex("80ff01c080"));
    QCOMPARE(wav.at(data.offset + 8 + 5), '\0'); // the pad byte
    QCOMPARE(list.at(2).id, QByteArray("LIST"));
    QCOMPARE(list.at(2).offset, data.offset + 8 + 6);
    QVERIFY(list.at(2).body.contains("INAM") && list.at(2).body.contains("Car Door"));
}

void TestMakeDisc::sixteenBitStereoInterleaves()
{
    const QByteArray wav = Wav::pcm16({ 22050, 2, { 1.0f, -1.0f, 0.5f, 0.0f } });
    const QList<Chunk> list = chunks(wav, 12, wav.size());
    const QByteArray fmt = find(list, "fmt ")->body;
    QCOMPARE(u16(fmt, 2), 2);
    QCOMPARE(u32(fmt, 8), 22050u * 4);
    QCOMPARE(u16(fmt, 12), 4);
    const QByteArray data = find(list, "data")->body;
    QCOMPARE(data.size(), 8);
    QCOMPARE(s16(data, 0), qint16(32767));
    QCOMPARE(s16(data, 2), qint16(-32767));
    QCOMPARE(s16(data, 4), qint16(16384));
    QCOMPARE(s16(data, 6), qint16(0));
}

void TestMakeDisc::commandLineSkipsACompleteDisc()
{
    QTemporaryDir out;
    const auto run = [&] {
        QProcess process;
        process.start(QStringLiteral(MAKEDISC_PATH), { out.path() });
        return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0;
    };
    QVERIFY(run());
    QVERIFY(QFile::exists(out.filePath(u".complete"_s)));
    QVERIFY(!QFile::exists(out.filePath(u".makedisc-tmp"_s)));
    QCOMPARE(readAll(out.filePath(u"disc/birds/57030.jpg"_s)), readAll(disc(u"birds/57030.jpg"_s)));

    // A complete disc is left alone, even with a file gone...
    QVERIFY(QFile::remove(out.filePath(u"disc/wav/stuck.wav"_s)));
    QVERIFY(run());
    QVERIFY(!QFile::exists(out.filePath(u"disc/wav/stuck.wav"_s)));

    // ... and rebuilt whole when its marker names another format.
    QFile marker(out.filePath(u".complete"_s));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.write("vireon-makedisc format 0\n");
    marker.close();
    QVERIFY(run());
    QCOMPARE(readAll(out.filePath(u"disc/wav/stuck.wav"_s)), readAll(disc(u"wav/stuck.wav"_s)));
}

QTEST_MAIN(TestMakeDisc)
#include "tst_makedisc.moc"
