#include "movies.h"

#include "aviwriter.h"
#include "catalog.h"
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

QByteArray movie(const Layout::Movie &entry)
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

    Avi::Movie avi { size, FramesPerSecond, {}, AudioRate, {} };
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
        avi.jpegFrames.append(jpegBytes(frame, 80));
    }
    for (float sample : passby(AudioRate, false, Seconds).samples)
        avi.audioSamples.append(qint16(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767 * 0.7)));
    return Avi::write(avi);
}

} // namespace

void addMovieJobs(Jobs &jobs, Output &output)
{
    for (const Layout::Movie &entry : Layout::movies())
        jobs.append([&output, &entry] {
            output.write(u"disc/"_s + Layout::Movies + u'/' + entry.fileName, movie(entry));
        });
}
