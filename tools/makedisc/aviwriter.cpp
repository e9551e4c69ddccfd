#include "aviwriter.h"

#include "riff.h"

#include <algorithm>

namespace Avi {

namespace {

using Riff::chunk;
using Riff::put16;
using Riff::put32;

QByteArray list(const char *type, const QByteArray &body)
{
    QByteArray out;
    chunk(out, "LIST", QByteArray(type, 4) + body);
    return out;
}

QByteArray streamHeader(const char *type, const QByteArray &handler, int scale, int rate, int length,
    int bufferSize, int sampleSize, QSize frame)
{
    QByteArray strh(type, 4);
    strh += handler;
    put32(strh, 0); // flags
    put16(strh, 0); // priority
    put16(strh, 0); // language
    put32(strh, 0); // initial frames
    put32(strh, quint32(scale));
    put32(strh, quint32(rate));
    put32(strh, 0); // start
    put32(strh, quint32(length));
    put32(strh, quint32(bufferSize));
    put32(strh, 0xffffffffu); // quality: default
    put32(strh, quint32(sampleSize));
    put16(strh, 0);
    put16(strh, 0);
    put16(strh, frame.width());
    put16(strh, frame.height());
    return strh;
}

QByteArray bitmapHeader(QSize size, const Video &video)
{
    QByteArray bitmap;
    put32(bitmap, 40);
    put32(bitmap, quint32(size.width()));
    put32(bitmap, quint32(size.height()));
    put16(bitmap, 1);
    put16(bitmap, video.bitsPerPixel);
    bitmap += video.compression;
    put32(bitmap, quint32(size.width() * size.height() * video.bitsPerPixel / 8));
    for (int i = 0; i < 4; ++i)
        put32(bitmap, 0);
    return bitmap;
}

} // namespace

QByteArray write(const Movie &movie)
{
    const QList<QByteArray> &pictures = movie.video.frames;
    const int frames = int(pictures.size());
    int largest = 0;
    for (const QByteArray &frame : pictures)
        largest = std::max(largest, int(frame.size()));
    const Wav::Stream *sound = movie.sound ? &*movie.sound : nullptr;
    const qsizetype soundBlocks
        = sound ? (sound->data.size() + sound->blockAlign - 1) / sound->blockAlign : 0;

    // The 'movi' list: each frame followed by its share of the sound.
    QByteArray movi = "movi";
    QByteArray index;
    const auto add = [&](const char *id, const QByteArray &body) {
        put32(index, qFromLittleEndian<quint32>(id));
        put32(index, 0x10); // a key frame: every picture and every sound block stands alone
        put32(index, quint32(movi.size())); // offset from the 'movi' type
        put32(index, quint32(body.size()));
        chunk(movi, id, body);
    };
    qsizetype soundDone = 0;
    int largestSound = 0;
    for (int f = 0; f < frames; ++f) {
        add("00dc", pictures.at(f));
        if (sound) {
            const qsizetype until
                = std::min(soundBlocks * (f + 1) / frames * sound->blockAlign, sound->data.size());
            largestSound = std::max(largestSound, int(until - soundDone));
            add("01wb", sound->data.mid(soundDone, until - soundDone));
            soundDone = until;
        }
    }

    QByteArray avih;
    put32(avih, quint32(1000000 / movie.framesPerSecond));
    put32(avih, quint32(largest * movie.framesPerSecond + (sound ? sound->bytesPerSecond : 0)));
    put32(avih, 0); // padding granularity
    put32(avih, 0x10); // has index
    put32(avih, quint32(frames));
    put32(avih, 0);
    put32(avih, sound ? 2 : 1);
    put32(avih, quint32(largest + largestSound + 16));
    put32(avih, quint32(movie.frameSize.width()));
    put32(avih, quint32(movie.frameSize.height()));
    for (int i = 0; i < 4; ++i)
        put32(avih, 0);

    QByteArray videoList;
    chunk(videoList, "strh",
        streamHeader(
            "vids", movie.video.compression, 1, movie.framesPerSecond, frames, largest, 0, movie.frameSize));
    chunk(videoList, "strf", bitmapHeader(movie.frameSize, movie.video));

    QByteArray headers;
    chunk(headers, "avih", avih);
    headers += list("strl", videoList);
    if (sound) {
        // Lengths count blocks (a sample frame for PCM), at bytesPerSecond / blockAlign blocks a second.
        QByteArray audioList;
        chunk(audioList, "strh",
            streamHeader("auds", QByteArray(4, '\0'), sound->blockAlign, sound->bytesPerSecond,
                int(soundBlocks), largestSound, sound->blockAlign, QSize()));
        chunk(audioList, "strf", sound->format);
        headers += list("strl", audioList);
    }

    QByteArray body = "AVI ";
    body += list("hdrl", headers);
    chunk(body, "LIST", movi);
    chunk(body, "idx1", index);
    QByteArray out;
    chunk(out, "RIFF", body);
    return out;
}

} // namespace Avi
