#include "periodformats.h"

#include "text.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString Good = u"gstreamer1.0-plugins-good"_s;
const QString Bad = u"gstreamer1.0-plugins-bad"_s;
const QString Libav = u"gstreamer1.0-libav"_s;

// The AVI demuxer, without which no movie plays; it hands PCM on as it is.
const QString Demuxer = u"avidemux"_s;

// A printable FourCC in quotes, anything else in hexadecimal.
QString fourCcText(QByteArrayView code)
{
    for (char c : code)
        if (c < 0x20 || c > 0x7e)
            return u"0x"_s + QString::fromLatin1(code.toByteArray().toHex());
    return u'\'' + QString::fromLatin1(code) + u'\'';
}

} // namespace

QString PeriodFormat::title() const
{
    return name + (kind == Video ? u" video"_s : u" sound"_s);
}

const QList<PeriodFormat> &periodFormats()
{
    using F = PeriodFormat;
    static const QList<PeriodFormat> formats = {
        { u"Cinepak"_s, F::Video, { "CVID" }, 0, 0, { u"avdec_cinepak"_s }, Libav },
        { u"Indeo 3"_s, F::Video, { "IV31", "IV32" }, 0, 0, { u"avdec_indeo3"_s }, Libav },
        { u"Indeo 4"_s, F::Video, { "IV41" }, 0, 0, { u"avdec_indeo4"_s }, Libav },
        { u"Indeo 5"_s, F::Video, { "IV50" }, 0, 0, { u"avdec_indeo5"_s }, Libav },
        { u"MS Video-1"_s, F::Video, { "CRAM", "MSVC", "WHAM" }, 0, 0, { u"avdec_msvideo1"_s }, Libav },
        { u"Motion JPEG"_s, F::Video, { "MJPG", "AVRN", "IJPG", "DMB1" }, 0, 0,
            { u"jpegdec"_s, u"avdec_mjpeg"_s }, Good },
        { u"MS ADPCM"_s, F::Sound, {}, 0x0002, 0, { u"adpcmdec"_s, u"avdec_adpcm_ms"_s }, Bad },
        { u"IMA ADPCM"_s, F::Sound, {}, 0x0011, 0, { u"adpcmdec"_s, u"avdec_adpcm_ima_wav"_s }, Bad },
        { u"8-bit PCM"_s, F::Sound, {}, 0x0001, 8, { Demuxer }, Good },
    };
    return formats;
}

namespace {

// Formats of the time the disc's own movies do not use, which a movie in
// their place may: known so that it plays, not listed in the check.
const QList<PeriodFormat> &otherFormats()
{
    using F = PeriodFormat;
    static const QList<PeriodFormat> formats = {
        // Uncompressed pictures are handed on by the demuxer as they are.
        { u"Uncompressed"_s, F::Video, { "DIB ", "RGB ", "RAW " }, 0, 0, { Demuxer }, Good },
        // Bitmap compression 1 and 2, which some writers leave as the FourCC.
        { u"MS RLE"_s, F::Video, { "MRLE", "RLE ", "RLE8", "RLE4", QByteArray("\x01\0\0\0", 4),
            QByteArray("\x02\0\0\0", 4) }, 0, 0, { u"avdec_msrle"_s }, Libav },
        { u"Indeo 2"_s, F::Video, { "RT21" }, 0, 0, { u"avdec_indeo2"_s }, Libav },
        { u"TrueMotion 1"_s, F::Video, { "DUCK", "PVEZ" }, 0, 0, { u"avdec_truemotion1"_s }, Libav },
        { u"TrueMotion 2"_s, F::Video, { "TM20" }, 0, 0, { u"avdec_truemotion2"_s }, Libav },
        { u"UltiMotion"_s, F::Video, { "ULTI" }, 0, 0, { u"avdec_ultimotion"_s }, Libav },
        { u"MS MPEG-4"_s, F::Video, { "MPG4", "MP42", "MP43", "DIV3", "DIV4" }, 0, 0,
            { u"avdec_msmpeg4"_s, u"avdec_msmpeg4v2"_s, u"avdec_msmpeg4v1"_s }, Libav },
        { u"PCM"_s, F::Sound, {}, 0x0001, 0, { Demuxer }, Good },
        { u"Floating-point PCM"_s, F::Sound, {}, 0x0003, 0, { Demuxer }, Good },
        { u"A-law"_s, F::Sound, {}, 0x0006, 0, { u"alawdec"_s, u"avdec_pcm_alaw"_s }, Good },
        { u"mu-law"_s, F::Sound, {}, 0x0007, 0, { u"mulawdec"_s, u"avdec_pcm_mulaw"_s }, Good },
        { u"Yamaha ADPCM"_s, F::Sound, {}, 0x0020, 0, { u"avdec_adpcm_yamaha"_s }, Libav },
        { u"TrueSpeech"_s, F::Sound, {}, 0x0022, 0, { u"avdec_truespeech"_s }, Libav },
        { u"GSM 6.10"_s, F::Sound, {}, 0x0031, 0, { u"gsmdec"_s, u"avdec_gsm_ms"_s }, Bad },
        { u"MPEG audio"_s, F::Sound, {}, 0x0050, 0, { u"mpg123audiodec"_s, u"avdec_mp2float"_s }, Good },
        { u"MP3"_s, F::Sound, {}, 0x0055, 0, { u"mpg123audiodec"_s, u"avdec_mp3"_s }, Good },
    };
    return formats;
}

// The disc's formats first: they tell 8-bit PCM from the rest.
const PeriodFormat *findFormat(const std::function<bool(const PeriodFormat &)> &matches)
{
    for (const QList<PeriodFormat> *list : { &periodFormats(), &otherFormats() })
        for (const PeriodFormat &format : *list)
            if (matches(format))
                return &format;
    return nullptr;
}

// Bitmap compression 0: the pictures are stored as they are.
bool isUncompressed(QByteArrayView fourCc)
{
    return fourCc.isEmpty() || fourCc == QByteArrayView("\0\0\0\0", 4);
}

} // namespace

const PeriodFormat *videoFormatOf(QByteArrayView fourCc)
{
    const QByteArray upper = fourCc.toByteArray().toUpper();
    return findFormat([&](const PeriodFormat &format) { return format.fourCcs.contains(upper); });
}

const PeriodFormat *soundFormatOf(quint16 formatTag, int bitsPerSample)
{
    return findFormat([&](const PeriodFormat &format) {
        return format.kind == PeriodFormat::Sound && format.formatTag == formatTag
            && (format.bitsPerSample == 0 || format.bitsPerSample == bitsPerSample);
    });
}

bool canPlay(const PeriodFormat &format, const ElementProbe &hasElement)
{
    return std::any_of(format.elements.begin(), format.elements.end(), hasElement);
}

QString formatReport(const ElementProbe &hasElement)
{
    QStringList lines;
    for (const PeriodFormat &format : periodFormats())
        lines.append(format.title()
            + (canPlay(format, hasElement) ? u": can be played"_s
                                           : u": cannot be played - install "_s + format.package));
    return joinLines(lines);
}

QString missingDecoderMessage(const PeriodFormat &format)
{
    return u"no decoder for %1 (package %2)"_s.arg(format.title(), format.package);
}

QStringList movieProblems(const AviStreams &streams, const ElementProbe &hasElement)
{
    if (!hasElement(Demuxer))
        return { u"no AVI demuxer (package %1)"_s.arg(Good) };
    QStringList problems;
    if (!streams.hasVideo) {
        problems.append(u"no video stream"_s);
    } else {
        // Most writers put the FourCC in both headers; some leave one blank.
        const PeriodFormat *video = videoFormatOf(streams.videoCompression);
        if (!video)
            video = videoFormatOf(streams.videoHandler);
        if (!video && isUncompressed(streams.videoCompression))
            video = videoFormatOf("DIB ");
        if (!video) {
            const QByteArray &code
                = streams.videoCompression.isEmpty() ? streams.videoHandler : streams.videoCompression;
            problems.append(u"no decoder known for video %1"_s.arg(fourCcText(code)));
        } else if (!canPlay(*video, hasElement))
            problems.append(missingDecoderMessage(*video));
    }
    if (streams.hasSound) {
        const PeriodFormat *sound = soundFormatOf(streams.soundFormat, streams.soundBits);
        if (!sound)
            problems.append(u"no decoder known for sound format 0x%1"_s.arg(
                int(streams.soundFormat), 4, 16, QChar(u'0')));
        else if (!canPlay(*sound, hasElement))
            problems.append(missingDecoderMessage(*sound));
    }
    return problems;
}
