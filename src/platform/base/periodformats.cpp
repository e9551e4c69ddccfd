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

const PeriodFormat *videoFormatOf(QByteArrayView fourCc)
{
    const QByteArray upper = fourCc.toByteArray().toUpper();
    for (const PeriodFormat &format : periodFormats())
        if (format.fourCcs.contains(upper))
            return &format;
    return nullptr;
}

const PeriodFormat *soundFormatOf(quint16 formatTag, int bitsPerSample)
{
    static const PeriodFormat pcm16 { u"16-bit PCM"_s, PeriodFormat::Sound, {}, 0x0001, 16, { Demuxer },
        Good };
    const auto matches = [&](const PeriodFormat &format) {
        return format.kind == PeriodFormat::Sound && format.formatTag == formatTag
            && (format.bitsPerSample == 0 || format.bitsPerSample == bitsPerSample);
    };
    for (const PeriodFormat &format : periodFormats())
        if (matches(format))
            return &format;
    return matches(pcm16) ? &pcm16 : nullptr;
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
