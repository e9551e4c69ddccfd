#include "photos.h"

#include "catalog.h"
#include "rng.h"
#include "scene.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

QImage drawPhoto(const Layout::Group &group, const Layout::Photo &photo)
{
    const QSize size = photo.large ? QSize(2048, 1536) : QSize(800, 600);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), size);
    Rng rng(photo.fileName);

    qreal ground;
    if (group.isYear()) {
        const qreal roadTop = Scene::drawOutdoors(painter, area, rng, rng.range(0, 0.8));
        // Keep the wheels clear of the caption band across the bottom.
        ground = roadTop + (area.height() * 0.77 - roadTop) * rng.range(0.5, 1.0);
    } else {
        Scene::drawStudio(painter, area, group.colour);
        ground = area.height() * rng.range(0.68, 0.76);
    }
    const qreal carWidth = area.width() * rng.range(0.45, 0.7);
    const qreal carLeft = rng.range(0.05, 0.95) * (area.width() - carWidth);
    Scene::drawCar(painter, QRectF(carLeft, ground - carWidth * 0.33, carWidth, carWidth * 0.33), group.colour,
                   Scene::eraOf(group.label));

    const QString title = group.title();
    Scene::drawCaption(painter, area,
                       { title,
                         title + u" \u2014 photo %1 of %2"_s.arg(photo.number).arg(photo.count),
                         photo.fileName });
    painter.end();
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
}

} // namespace

void addPhotoJobs(Jobs &jobs, Output &output)
{
    for (const Layout::Group &group : Layout::groups())
        for (const Layout::Photo &photo : group.photos)
            jobs.append([&output, &group, &photo] {
                output.writeJpeg(u"disc/"_s + Layout::Photos + u'/' + photo.fileName, drawPhoto(group, photo));
            });
}
