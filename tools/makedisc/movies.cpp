#include "movies.h"

#include "aviwriter.h"
#include "catalog.h"
#include "cinepak.h"
#include "msvideo1.h"
#include "rng.h"
#include "scene.h"
#include "sounds.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int FramesPerSecond = 10;
constexpr double Seconds = 4.0;
constexpr int AudioRate = 11025;

// The movies came from different studios, each with its own compressor. The
// ADPCM block sizes hold a whole number of blocks in the four seconds of sound.
struct Encoding
{
    QByteArray compression;
    Wav::Encoding sound;
    int blockAlign = 0;
};

Encoding encodingOf(const QString &fileName)
{
    if (fileName == u"1958_3.avi")
        return { "cvid", Wav::Encoding::MsAdpcm, 456 }; // 900 samples a block
    if (fileName == u"Vireon2002.avi")
        return { "CRAM", Wav::Encoding::ImaAdpcm, 224 }; // 441 samples a block
    if (fileName == u"1962_2.avi")
        return { "cvid", Wav::Encoding::Pcm8 };
    if (fileName == u"1966.avi")
        return { "CRAM", Wav::Encoding::MsAdpcm, 456 };
    return { "MJPG", Wav::Encoding::Pcm16 };
}

Avi::Video compress(const QByteArray &compression, const QList<QImage> &pictures)
{
    Avi::Video video { compression, 24, {} };
    if (compression == "cvid") {
        const CinepakEncoder encoder(pictures.first().size(),
                                     { pictures.at(0), pictures.at(pictures.size() / 3),
                                       pictures.at(pictures.size() * 2 / 3), pictures.last() });
        for (const QImage &picture : pictures)
            video.frames.append(encoder.encode(picture));
    } else if (compression == "CRAM") {
        video.bitsPerPixel = 16;
        for (const QImage &picture : pictures)
            video.frames.append(MsVideo1::encode(picture));
    } else {
        for (const QImage &picture : pictures)
            video.frames.append(jpegBytes(picture, 80));
    }
    return video;
}

} // namespace

QList<QImage> moviePictures(const Layout::Movie &entry)
{
    const QSize size(320, 240);
    const QRectF area(QPointF(0, 0), size);
    Rng rng(entry.fileName);
    QImage background(size, QImage::Format_RGB32);
    background.fill(Qt::black);
    QPainter backdrop(&background);
    backdrop.setRenderHint(QPainter::Antialiasing);
    const qreal road = Scene::drawOutdoors(backdrop, area, rng, rng.range(0, 0.9));
    backdrop.end();
    const QColor colour = QColor::fromHsv(rng.below(360), 180, 210);
    // The first two characters of the title name the year of the car shown.
    const QString year = u"19"_s + entry.title.left(2);

    QList<QImage> pictures;
    const int frames = int(Seconds * FramesPerSecond);
    for (int f = 0; f < frames; ++f) {
        QImage frame = background;
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal x = -140 + (320 + 140) * f / qreal(frames - 1);
        Scene::drawCar(painter, QRectF(x, road + 42 - 40, 130, 40), colour, Scene::eraOf(year));
        painter.fillRect(QRectF(0, 0, 320, 34), QColor(0, 0, 0, 140));
        painter.setPen(Qt::white);
        painter.setFont(Scene::font(18, true));
        painter.drawText(QRectF(0, 0, 320, 34), Qt::AlignCenter, entry.title);
        painter.setFont(Scene::font(12));
        painter.drawText(QRectF(6, 216, 308, 20), Qt::AlignRight | Qt::AlignVCenter,
                         u"frame %1 of %2"_s.arg(f + 1).arg(frames));
        painter.end();
        pictures.append(frame);
    }
    return pictures;
}

Wav::Audio movieSound()
{
    Wav::Audio sound = passby(AudioRate, false, Seconds);
    for (float &sample : sound.samples)
        sample *= 0.7f;
    return sound;
}

namespace {

QByteArray movie(const Layout::Movie &entry)
{
    const QList<QImage> pictures = moviePictures(entry);
    const Encoding encoding = encodingOf(entry.fileName);
    return Avi::write({ pictures.first().size(), FramesPerSecond, compress(encoding.compression, pictures),
                        Wav::encode(movieSound(), encoding.sound, encoding.blockAlign) });
}

} // namespace

void addMovieJobs(Jobs &jobs, Output &output)
{
    for (const Layout::Movie &entry : Layout::movies())
        jobs.append([&output, &entry] {
            output.write(u"disc/"_s + Layout::Movies + u'/' + entry.fileName, movie(entry));
        });
}
