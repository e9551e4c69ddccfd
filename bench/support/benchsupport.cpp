#include "benchsupport.h"

#include "generator.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

QString benchDisc(int argc, char *argv[], const QTemporaryDir &temp, QTextStream &out)
{
    if (argc > 1)
        return QString::fromLocal8Bit(argv[1]);
    const QString failure = generateDisc(temp.path());
    if (!failure.isEmpty()) {
        out << "Cannot write the sample disc: " << failure << Qt::endl;
        return QString();
    }
    return temp.filePath(QStringLiteral("disc"));
}

double maximum(const QList<double> &values)
{
    return *std::max_element(values.cbegin(), values.cend());
}

void writeBenchPhoto(const QString &file, QSize size, int seed)
{
    QDir().mkpath(QFileInfo(file).path());
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor::fromHsv((seed * 37) % 360, 120, 230));
    sky.setColorAt(1, QColor::fromHsv((seed * 53) % 360, 200, 60));
    p.fillRect(image.rect(), sky);
    QRandomGenerator random(seed);
    const int lines = size.width() * size.height() / 800;
    for (int i = 0; i < lines; ++i) {
        p.setPen(QColor::fromRgb(random.generate()));
        p.drawLine(random.bounded(size.width()), random.bounded(size.height()), random.bounded(size.width()),
                   random.bounded(size.height()));
    }
    p.end();
    image.save(file, "JPG", 85);
}
