#include "aviheader.h"

#include <algorithm>

#include <QFile>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 MaxHeaderBytes = 1 << 20;

quint16 u16(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

// The chunks of a RIFF region in order: id and body, each body clamped to
// the region so that a size field can never point past the bytes there are.
template <typename Visit> void forEachChunk(QByteArrayView region, Visit visit)
{
    qint64 at = 0;
    while (at + 8 <= region.size()) {
        const QByteArrayView id = region.sliced(at, 4);
        const qint64 length = qFromLittleEndian<quint32>(region.data() + at + 4);
        const qint64 body = at + 8;
        if (!visit(id, region.sliced(body, std::min(length, region.size() - body))))
            return;
        at = body + length + (length & 1);
    }
}

// A LIST chunk's body begins with its type.
bool isList(QByteArrayView id, QByteArrayView body, const char *type)
{
    return id == "LIST" && body.size() >= 4 && body.first(4) == type;
}

quint32 u32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

void readSoundLayout(QByteArrayView file, QByteArrayView header, QByteArrayView format, AviStreams &streams)
{
    if (header.size() >= 48) {
        streams.soundHeaderOffset = header.data() - file.data();
        streams.soundLength = u32(header, 32);
        streams.soundSampleSize = u32(header, 44);
    }
    if (format.size() >= 14) {
        streams.soundChannels = u16(format, 2);
        streams.soundRate = int(std::min<quint32>(u32(format, 4), 1 << 30));
        streams.soundBlockAlign = u16(format, 12);
    }
    // ADPCM formats state their samples a block after the extra-bytes count.
    if (format.size() >= 20 && u16(format, 16) >= 2)
        streams.soundSamplesPerBlock = u16(format, 18);
}

void readStream(QByteArrayView file, QByteArrayView strl, AviStreams &streams)
{
    QByteArrayView header, format;
    forEachChunk(strl, [&](QByteArrayView id, QByteArrayView body) {
        if (id == "strh" && header.isEmpty())
            header = body;
        else if (id == "strf" && format.isEmpty())
            format = body;
        return true;
    });
    if (header.size() < 8)
        return;
    // The first video and the first sound stream are the ones a player shows.
    if (header.first(4) == "vids" && !streams.hasVideo) {
        streams.hasVideo = true;
        streams.videoHandler = header.sliced(4, 4).toByteArray();
        if (header.size() >= 28 && u32(header, 24) > 0)
            streams.videoFrameMicroseconds = qint64(u32(header, 20)) * 1000000 / u32(header, 24);
        if (format.size() >= 20)
            streams.videoCompression = format.sliced(16, 4).toByteArray();
    } else if (header.first(4) == "auds" && !streams.hasSound) {
        streams.hasSound = true;
        if (format.size() >= 2)
            streams.soundFormat = u16(format, 0);
        if (format.size() >= 16)
            streams.soundBits = u16(format, 14);
        readSoundLayout(file, header, format, streams);
    }
}

std::optional<AviStreams> fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return std::nullopt;
}

} // namespace

std::optional<AviStreams> readAviStreams(QByteArrayView file, QString *error)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.sliced(8, 4) != "AVI ")
        return fail(error, u"This is not an AVI movie."_s);
    std::optional<QByteArrayView> headers;
    forEachChunk(file.sliced(12), [&](QByteArrayView id, QByteArrayView body) {
        if (isList(id, body, "hdrl"))
            headers = body.sliced(4);
        return !headers;
    });
    if (!headers)
        return fail(error, u"The movie has no header list."_s);
    AviStreams streams;
    forEachChunk(*headers, [&](QByteArrayView id, QByteArrayView body) {
        if (isList(id, body, "strl"))
            readStream(file, body.sliced(4), streams);
        return true;
    });
    if (!streams.hasVideo && !streams.hasSound)
        return fail(error, u"The movie describes no streams."_s);
    return streams;
}

std::optional<AviStreams> readAviStreamsFromFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, u"The movie cannot be read: %1"_s.arg(file.errorString()));
    return readAviStreams(file.read(MaxHeaderBytes), error);
}
