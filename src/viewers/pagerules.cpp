#include "pagerules.h"

#include <QtGlobal>

namespace {
// Scroll-bar values are 16-bit.
constexpr int ScrollLimit = 32767;

QString folderOf(PageKind kind)
{
    return kind == PageKind::Brochure ? QStringLiteral("\\Brochures\\") : QStringLiteral("\\ads\\");
}

QString prefixOf(PageKind kind)
{
    return kind == PageKind::Brochure ? QStringLiteral("brch") : QStringLiteral("foth");
}

QString twoDigits(int page)
{
    return (page < 10 ? QStringLiteral("0") : QString()) + QString::number(page);
}
}

QString pageCodeOfLabel(const QString &label)
{
    return label.mid(2, 2);
}

QString pageCodeOfSelection(const QString &selectionCode)
{
    if (selectionCode.startsWith(u'A'))
        return u'0' + selectionCode.mid(1, 1);
    return selectionCode;
}

QString pagePath(const QString &mediaRoot, PageKind kind, const QString &pageCode, int page)
{
    return mediaRoot + folderOf(kind) + pageCode + prefixOf(kind) + twoDigits(page) + QStringLiteral(".jpg");
}

QString firstPagePath(const QString &mediaRoot, PageKind kind, const QString &pageCode)
{
    return mediaRoot + folderOf(kind) + pageCode + prefixOf(kind).toUpper() + QStringLiteral("00.jpg");
}

qint16 countPages(const std::function<bool(int page)> &pageExists)
{
    for (int page = HighestPageNumber; page >= 0; --page) {
        if (pageExists(page))
            return qint16(page + 1);
    }
    return 0;
}

QList<int> spinDownCandidates(int currentPage)
{
    QList<int> candidates;
    if (currentPage < 1 || currentPage > HighestPageNumber - 1) {
        for (int page = HighestPageNumber - 1; page >= 1; --page)
            candidates << page;
    } else {
        for (int page = currentPage - 1; page >= 0; --page)
            candidates << page;
    }
    return candidates;
}

QList<int> spinUpCandidates(int currentPage, int pageCount)
{
    const int start = currentPage > HighestPageNumber - 1 ? 0 : currentPage;
    QList<int> candidates;
    for (int page = start + 1; page <= pageCount; ++page)
        candidates << page;
    if (start != 0)
        candidates << 0;
    return candidates;
}

std::optional<int> acceptedPage(const QList<int> &candidates, const std::function<bool(int page)> &load)
{
    for (int page : candidates) {
        if (load(page) || page == 0)
            return page;
    }
    return std::nullopt;
}

QString counterText(int currentPage, int pageCount)
{
    return QString::number(currentPage + 1) + QStringLiteral(" of ") + QString::number(pageCount);
}

QString viewerCaption(const QString &label, PageKind kind)
{
    return QStringLiteral("The Vireon Anthology    ") + label
        + (kind == PageKind::Brochure ? QStringLiteral(" Showroom Brochure") : QStringLiteral(" Advertisement"));
}

ScrollAxis scrollAxis(int pageExtent, int viewportExtent, int stepDivisor)
{
    ScrollAxis axis;
    axis.maximum = qBound(0, pageExtent - viewportExtent, ScrollLimit);
    axis.enabled = viewportExtent < pageExtent;
    if (axis.enabled && viewportExtent > 0) {
        const int step = axis.maximum / (pageExtent / viewportExtent) / stepDivisor;
        if (step >= 1)
            axis.largeStep = step;
    }
    return axis;
}

QRect fitViewBox(int top, int height, int screenWidth)
{
    const int width = qRound(0.77 * height);
    return QRect(qRound((screenWidth - width) / 2.0), top, width, height);
}
