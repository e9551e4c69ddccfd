#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

// The rules of the page viewer: page codes, page file names, page counting,
// the order in which page turning tries page numbers, and the scroll-bar and
// fit-view arithmetic. Qt Core only; the window wires them to its controls.

enum class PageKind { Brochure, Advertisement };

// The kind of pages the viewer's mode shows.
inline PageKind pageKindOf(bool BrochureMode)
{
    return BrochureMode ? PageKind::Brochure : PageKind::Advertisement;
}

// The highest page number a brochure or advertisement may have.
constexpr int HighestPageNumber = 40;

// The page code of a selection label: its third and fourth characters
// ("1957" gives "57", "2002" gives "02").
QString pageCodeOfLabel(const QString &label);

// A SelectionCode as page file names want it: the 2000s carry a leading "A"
// ("A2"), which becomes "0" ("02"); every other code stays as it is.
QString pageCodeOfSelection(const QString &selectionCode);

// The page code of the current selection. The 2000s' "A2" becomes "02" and
// stays so in SelectionCode; the main window's photograph steps turn it back.
inline QString selectionPageCode(QString &SelectionCode)
{
    SelectionCode = pageCodeOfSelection(SelectionCode);
    return SelectionCode;
}

// "\Brochures\57brch02.jpg" below the media root for page number 2 of 1957;
// "\ads\57foth12.jpg" for page number 12 of its advertisements.
QString pagePath(const QString &mediaRoot, PageKind kind, const QString &pageCode, int page);

// The first page as the opening names it: "\Brochures\57BRCH00.jpg", "\ads\57FOTH00.jpg".
QString firstPagePath(const QString &mediaRoot, PageKind kind, const QString &pageCode);

// The highest page number from 40 down to 0 for which the page exists, plus
// one; 0 when none does. Pages below the highest need not exist.
qint16 countPages(const std::function<bool(int page)> &pageExists);

// Page numbers to try for the previous page: from the first page (or from
// beyond 39) the search wraps to 39 down to 1; otherwise it runs from the page
// before the current one down to 0.
QList<int> spinDownCandidates(int currentPage);

// Page numbers to try for the next page: from the page after the current one
// up to pageCount, then the first page unless the search already started from
// it. From page 40 the search starts again at 1.
QList<int> spinUpCandidates(int currentPage, int pageCount);

// Tries the candidates in order with load() and gives the first accepted
// one: a page that loaded, or page number 0 whether or not it loaded (the
// first page is always a valid place to be). Each candidate is tried once.
std::optional<int> acceptedPage(const QList<int> &candidates, const std::function<bool(int page)> &load);

// "3 of 12".
QString counterText(int currentPage, int pageCount);

// "The Vireon Anthology    1957 Showroom Brochure", "... 1957 Advertisement".
QString viewerCaption(const QString &label, PageKind kind);

// One scroll bar for a page extent shown in a viewport extent.
struct ScrollAxis
{
    int maximum = 0;                  // page minus viewport, within 0..32767
    bool enabled = false;             // the page does not fit
    std::optional<int> largeStep;     // nothing: keep the bar's previous step
};

// maximum \ (page \ viewport) \ stepDivisor for a page that does not fit; a
// step below 1, or a viewport of no size, leaves the previous step.
ScrollAxis scrollAxis(int pageExtent, int viewportExtent, int stepDivisor);

// The fit view's box for a height: 0.77 times as wide as high, centred on
// the screen's width, at the given top.
QRect fitViewBox(int top, int height, int screenWidth);
