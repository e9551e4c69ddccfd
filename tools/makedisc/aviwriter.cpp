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

QByteArray streamHeader(const char *type, const char *handler, int scale, int rate, int length, int bufferSize,
                        int sampleSize, QSize frame)
{
    QByteArray strh(type, 4);
    strh.append(handler, 4);
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

} // namespace

QByteArray write(const Movie &movie)
{
    const int frames = int(movie.jpegFrames.size());
    const bool sound = movie.audioRate > 0;
    int largest = 0;
    for (const QByteArray &frame : movie.jpegFrames)
        largest = std::max(largest, int(frame.size()));

    // The 'movi' list: each frame followed by its share of the sound.
    QByteArray movi = "movi";
    QByteArray index;
    const auto add = [&](const char *id, const QByteArray &body, quint32 flags) {
        put32(index, qFromLittleEndian<quint32>(id));
        put32(index, flags);
        put32(index, quint32(movi.size())); // offset from the 'movi' type
        put32(index, quint32(body.size()));
        chunk(movi, id, body);
    };
    qsizetype audioDone = 0;
    for (int f = 0; f < frames; ++f) {
        add("00dc", movie.jpegFrames.at(f), 0x10); // every Motion-JPEG frame is a key frame
        if (sound) {
            const qsizetype until = movie.audioSamples.size() * (f + 1) / frames;
            QByteArray pcm;
            for (qsizetype i = audioDone; i < until; ++i)
                put16(pcm, movie.audioSamples.at(i));
            audioDone = until;
            add("01wb", pcm, 0x10);
        }
    }

    QByteArray avih;
    put32(avih, quint32(1000000 / movie.framesPerSecond));
    put32(avih, quint32((largest + (sound ? 2 * movie.audioRate / movie.framesPerSecond : 0)) * movie.framesPerSecond));
    put32(avih, 0);    // padding granularity
    put32(avih, 0x10); // has index
    put32(avih, quint32(frames));
    put32(avih, 0);
    put32(avih, sound ? 2 : 1);
    put32(avih, quint32(largest + 8));
    put32(avih, quint32(movie.frameSize.width()));
    put32(avih, quint32(movie.frameSize.height()));
    for (int i = 0; i < 4; ++i)
        put32(avih, 0);

    QByteArray bitmap;
    put32(bitmap, 40);
    put32(bitmap, quint32(movie.frameSize.width()));
    put32(bitmap, quint32(movie.frameSize.height()));
    put16(bitmap, 1);
    put16(bitmap, 24);
    bitmap.append("MJPG", 4);
    put32(bitmap, quint32(movie.frameSize.width() * movie.frameSize.height() * 3));
    for (int i = 0; i < 4; ++i)
        put32(bitmap, 0);

    QByteArray videoList;
    chunk(videoList, "strh", streamHeader("vids", "MJPG", 1, movie.framesPerSecond, frames, largest, 0, movie.frameSize));
    chunk(videoList, "strf", bitmap);

    QByteArray headers;
    chunk(headers, "avih", avih);
    headers += list("strl", videoList);
    if (sound) {
        QByteArray wave;
        put16(wave, 1); // PCM
        put16(wave, 1);
        put32(wave, quint32(movie.audioRate));
        put32(wave, quint32(2 * movie.audioRate));
        put16(wave, 2);
        put16(wave, 16);
        put16(wave, 0);
        QByteArray audioList;
        chunk(audioList, "strh", streamHeader("auds", "\0\0\0\0", 2, 2 * movie.audioRate,
                                              int(movie.audioSamples.size()), 2 * movie.audioRate, 2, QSize()));
        chunk(audioList, "strf", wave);
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
