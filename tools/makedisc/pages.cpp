#include "pages.h"

#include "catalog.h"
#include "prose.h"
#include "rng.h"
#include "scene.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

QColor yearColour(const Layout::Year &year)
{
    for (const Layout::Group &group : Layout::groups())
        if (group.label == year.label)
            return group.colour;
    return Qt::darkRed;
}

// A picture of the car on the road, framed, as printed on the page.
void drawPlate(QPainter &painter, const QRectF &box, const Layout::Year &year, Rng &rng)
{
    painter.save();
    painter.setClipRect(box);
    const qreal road = Scene::drawOutdoors(painter, box, rng, rng.range(0, 0.5));
    const qreal width = box.width() * 0.7;
    const qreal ground = road + (box.bottom() - road) * 0.6;
    Scene::drawCar(painter, QRectF(box.left() + box.width() * 0.15, ground - width * 0.33, width, width * 0.33),
                   yearColour(year), Scene::eraOf(year.label));
    painter.restore();
    painter.setPen(QPen(QColor(60, 50, 40), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
}

// Paper with a little print grain, so pages do not look computer-clean.
QImage paper(int width, int height, Rng &rng)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(246, 240, 226));
    QPainter painter(&image);
    for (int i = 0; i < width * height / 400; ++i) {
        painter.setPen(QColor(225, 215, 195));
        const int x = rng.below(width);
        painter.drawPoint(x, rng.below(height));
    }
    return image;
}

void drawFooter(QPainter &painter, const QRectF &page, const QString &caption, const QString &fileName)
{
    painter.setPen(QColor(80, 70, 60));
    painter.setFont(Scene::font(22, true, true));
    painter.drawText(QRectF(40, page.bottom() - 70, page.width() - 80, 30), Qt::AlignCenter, caption);
    painter.setFont(Scene::font(14));
    painter.drawText(QRectF(40, page.bottom() - 40, page.width() - 80, 24), Qt::AlignCenter, fileName);
}

QImage brochurePage(const Layout::Year &year, int page, const QString &fileName)
{
    Rng rng(fileName);
    QImage image = paper(850, 1100, rng);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, 850, 1100);
    const Prose::ModelYear &facts = Prose::modelYear(year.label);

    painter.fillRect(QRectF(0, 0, 850, 110), yearColour(year).darker(160));
    painter.setPen(QColor(250, 240, 210));
    painter.setFont(Scene::font(54, true, true, true));
    painter.drawText(QRectF(40, 10, 770, 90), Qt::AlignLeft | Qt::AlignVCenter, u"The "_s + year.label + u" Vireon"_s);

    drawPlate(painter, QRectF(40, 140, 770, 400), year, rng);

    painter.setPen(QColor(40, 35, 30));
    painter.setFont(Scene::font(19, false, true));
    // One call per statement: the order of the paragraphs must not depend on the compiler.
    QStringList columns { Prose::yearParagraph(facts, rng) };
    columns[0] += u"\n\n"_s + Prose::yearParagraph(facts, rng);
    columns.append(Prose::nostalgiaParagraph(facts, rng));
    columns[1] += u"\n\n"_s + Prose::yearParagraph(facts, rng);
    for (int column = 0; column < 2; ++column)
        painter.drawText(QRectF(40 + column * 395, 570, 375, 420), Qt::TextWordWrap | Qt::AlignJustify,
                         columns.at(column));
    drawFooter(painter, area, year.label + u" Brochure \u2014 page "_s + QString::number(page + 1), fileName);
    return image;
}

QImage advertisementPage(const Layout::Year &year, int page, const QString &fileName)
{
    static const QStringList slogans = {
        u"Make every road an open road."_s, u"The car they turn to watch."_s,
        u"Built for the two of you \u2014 and the horizon."_s, u"Step up to the Vireon."_s,
    };
    Rng rng(fileName);
    QImage image = paper(770, 1000, rng);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, 770, 1000);

    painter.setPen(QColor(30, 30, 30));
    painter.setFont(Scene::font(44, true, true));
    painter.drawText(QRectF(30, 30, 710, 130), Qt::AlignCenter | Qt::TextWordWrap, rng.pick(slogans));
    drawPlate(painter, QRectF(30, 180, 710, 440), year, rng);
    painter.setFont(Scene::font(20, false, true, true));
    painter.drawText(QRectF(50, 640, 670, 200), Qt::TextWordWrap | Qt::AlignCenter,
                     Prose::firstSentences(Prose::yearParagraph(Prose::modelYear(year.label), rng), 3));
    painter.setPen(yearColour(year).darker(150));
    painter.setFont(Scene::font(36, true, true, true));
    painter.drawText(QRectF(30, 860, 710, 50), Qt::AlignCenter, u"Vireon "_s + year.label);
    drawFooter(painter, area, year.label + u" Advertisement \u2014 page "_s
                   + QString::number(page + 1), fileName);
    return image;
}

} // namespace

void addPageJobs(Jobs &jobs, Output &output)
{
    for (const Layout::Year &year : Layout::years()) {
        for (int page : year.brochurePages)
            jobs.append([&output, &year, page] {
                const QString name = Layout::brochurePage(year, page);
                output.writeJpeg(u"disc/"_s + Layout::Brochures + u'/' + name, brochurePage(year, page, name), 75);
            });
        for (int page : year.adPages)
            jobs.append([&output, &year, page] {
                const QString name = Layout::adPage(year, page);
                output.writeJpeg(u"disc/"_s + Layout::Ads + u'/' + name, advertisementPage(year, page, name), 75);
            });
    }
}
