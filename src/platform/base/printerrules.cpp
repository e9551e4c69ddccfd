#include "printerrules.h"

#include "printer.h"

#include <algorithm>

QRect drawingRectangle(const PageMargins &margins, QSize paper, QPoint offset)
{
    const int left = margins.left - offset.x();
    const int top = margins.top - offset.y();
    const int right = paper.width() - margins.right - offset.x();
    const int bottom = paper.height() - margins.bottom - offset.y();
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

PageSlice pageSlice(const QList<TextBand> &bands, int first, qreal height, int end)
{
    auto start = std::upper_bound(bands.begin(), bands.end(), first,
                                  [](int position, const TextBand &band) { return position < band.first; });
    if (start != bands.begin())
        --start;
    if (start == bands.end() || first >= end)
        return PageSlice{ 0, 0, end, end };

    const qreal limit = start->top + height;
    auto stop = start + 1;
    while (stop != bands.end() && !stop->breakBefore && stop->bottom <= limit)
        ++stop;
    const qreal bottom = std::min((stop - 1)->bottom, limit);
    return PageSlice{ start->top, bottom, stop == bands.end() ? end : stop->first, start->first };
}

QString pdfFileName(const QString &jobName, int attempt)
{
    QString name = jobName.simplified();
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    name.removeIf([](QChar c) { return forbidden.contains(c) || c.category() == QChar::Other_Control; });
    name = name.simplified();
    if (name.isEmpty() || name.startsWith(u'.'))
        name.prepend(QStringLiteral("Document"));
    if (attempt > 1)
        name += QStringLiteral(" (%1)").arg(attempt);
    return name + QStringLiteral(".pdf");
}
