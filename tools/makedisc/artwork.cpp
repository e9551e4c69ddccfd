#include "artwork.h"

#include "catalog.h"
#include "rng.h"
#include "scene.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace {

// Pictures are printed at their natural size, so they carry 96 dots per inch
// (15 twips per pixel).
QImage canvas(int width, int height, const QColor &fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
}

QColor yearColour(const QString &code)
{
    for (const Layout::Group &group : Layout::groups())
        if (group.code == code)
            return group.colour;
    return QColor(180, 30, 30);
}

// Chrome model-name lettering on a dark ground.
QImage script(const QString &word, const QString &year)
{
    QImage image = canvas(360, 90, QColor(20, 24, 40));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont lettering = Scene::font(54, true, true, true);
    while (QFontMetricsF(lettering).horizontalAdvance(word) > 320)
        lettering.setPixelSize(lettering.pixelSize() - 2);
    QPainterPath text;
    text.addText(18, 62, lettering, word);
    QLinearGradient chrome(0, 10, 0, 70);
    chrome.setColorAt(0, QColor(250, 250, 255));
    chrome.setColorAt(0.5, QColor(140, 150, 170));
    chrome.setColorAt(1, QColor(235, 235, 245));
    painter.setPen(QPen(QColor(60, 60, 70), 1.5));
    painter.setBrush(chrome);
    painter.drawPath(text);
    painter.setPen(QColor(200, 170, 90));
    painter.setFont(Scene::font(16, true));
    painter.drawText(QRectF(0, 62, 348, 24), Qt::AlignRight | Qt::AlignVCenter, year);
    return image;
}

// A crest: a shield in the year's colour with a V and the year below.
QImage emblem(const QString &caption, const QColor &colour)
{
    QImage image = canvas(160, 120, QColor(30, 30, 34));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.moveTo(50, 8);
    shield.lineTo(110, 8);
    shield.quadTo(112, 60, 80, 92);
    shield.quadTo(48, 60, 50, 8);
    painter.setPen(QPen(QColor(225, 200, 120), 4));
    painter.setBrush(colour);
    painter.drawPath(shield);
    painter.setPen(Qt::white);
    painter.setFont(Scene::font(40, true, true));
    painter.drawText(QRectF(50, 8, 60, 60), Qt::AlignCenter, u"V"_s);
    painter.setPen(QColor(225, 200, 120));
    painter.setFont(Scene::font(15, true));
    painter.drawText(QRectF(0, 94, 160, 24), Qt::AlignCenter, caption);
    return image;
}

// A strip of period clip art: the car drawn small beside the year.
QImage clipArt(const QString &year, const QColor &colour, Scene::Era era)
{
    QImage image = canvas(300, 110, QColor(250, 246, 232));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour.darker(150), 3));
    painter.drawRect(QRectF(2, 2, 296, 106));
    Scene::drawCar(painter, QRectF(12, 30, 170, 60), colour, era);
    painter.setPen(colour.darker(200));
    painter.setFont(Scene::font(30, true, true, true));
    painter.drawText(QRectF(184, 14, 110, 50), Qt::AlignCenter, year);
    painter.setFont(Scene::font(13, false, true));
    painter.drawText(QRectF(184, 62, 110, 30), Qt::AlignCenter, u"Vireon"_s);
    return image;
}

QImage bookletLogo()
{
    QImage image = canvas(580, 170, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 5));
    painter.drawRoundedRect(QRectF(6, 6, 568, 158), 20, 20);
    painter.setFont(Scene::font(30, false, true, true));
    painter.drawText(QRectF(0, 14, 580, 40), Qt::AlignCenter, u"The"_s);
    painter.setFont(Scene::font(50, true, true, true));
    painter.drawText(QRectF(0, 48, 580, 80), Qt::AlignCenter, u"Vireon Anthology"_s);
    painter.setFont(Scene::font(18, false, true));
    painter.drawText(QRectF(0, 126, 580, 30), Qt::AlignCenter, u"1955 \u2014 1966 \u00b7 2002"_s);
    return image;
}

QImage bookletLettering()
{
    QImage image = canvas(726, 200, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(40, 40, 40));
    painter.setFont(Scene::font(40, true, true));
    painter.drawText(QRectF(0, 10, 726, 60), Qt::AlignCenter, u"A Collector\u2019s Booklet"_s);
    painter.setFont(Scene::font(20, false, true, true));
    painter.drawText(QRectF(30, 80, 666, 110), Qt::AlignCenter | Qt::TextWordWrap,
                     u"Descriptions, options, colours and production figures of every model year, "
                     u"printed from the anthology for the glovebox and the bookshelf."_s);
    return image;
}

QImage makerLogo()
{
    QImage image = canvas(400, 150, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(30, 60, 120));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(16, 25, 100, 100));
    painter.setPen(Qt::white);
    painter.setFont(Scene::font(64, true, true, true));
    painter.drawText(QRectF(16, 25, 100, 100), Qt::AlignCenter, u"Q"_s);
    painter.setPen(QColor(30, 60, 120));
    painter.setFont(Scene::font(38, true));
    painter.drawText(QRectF(130, 30, 260, 50), Qt::AlignLeft | Qt::AlignVCenter, u"Quillon"_s);
    painter.setFont(Scene::font(24));
    painter.drawText(QRectF(130, 78, 260, 40), Qt::AlignLeft | Qt::AlignVCenter, u"Software"_s);
    return image;
}

} // namespace

void addArtworkJobs(Jobs &jobs, Output &output)
{
    const QString disc = u"disc/"_s;
    for (const Layout::Year &year : Layout::years()) {
        const QColor colour = yearColour(year.docPrefix.toUpper());
        const Scene::Era era = Scene::eraOf(year.label);
        jobs.append([&output, disc, year, colour, era] {
            output.writeJpeg(disc + Layout::Scripts + u"/scri"_s + year.yy + u".jpg"_s, script(u"Vireon"_s, year.label));
            output.writeJpeg(disc + Layout::Emblems + u"/emb"_s + year.yy + u".jpg"_s, emblem(year.label, colour));
            output.writeJpeg(disc + Layout::ClipArt + u'/' + year.yy + u"clip.jpg"_s, clipArt(year.label, colour, era));
        });
    }
    // The two categories that have a script and an emblem of their own.
    jobs.append([&output, disc] {
        output.writeJpeg(disc + Layout::Scripts + u"/scrisb.jpg"_s, script(u"Strallen"_s, u"Classic"_s));
        output.writeJpeg(disc + Layout::Scripts + u"/script.jpg"_s, script(u"Prototype"_s, u"Early"_s));
        output.writeJpeg(disc + Layout::Emblems + u"/embsb.jpg"_s, emblem(u"Strallen"_s, yearColour(u"SB"_s)));
        output.writeJpeg(disc + Layout::Emblems + u"/embpt.jpg"_s, emblem(u"Prototype"_s, yearColour(u"PT"_s)));
        output.writeJpeg(disc + Layout::Graphics + u"/logoBW.jpg"_s, bookletLogo().convertToFormat(QImage::Format_Grayscale8));
        output.writeJpeg(disc + Layout::Graphics + u"/bklettxt.jpg"_s, bookletLettering());
        output.writeJpeg(disc + Layout::Graphics + u"/quillon3.jpg"_s, makerLogo());
    });
}
