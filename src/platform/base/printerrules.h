#pragma once

#include <QList>
#include <QRect>
#include <QString>

struct PageMargins;

// The rectangle to print into, relative to the printable area: the margins
// are measured from the paper's edges, the printable area lies offset in
// from them. All in twips.
QRect drawingRectangle(const PageMargins &margins, QSize paper, QPoint offset);

// A strip of a laid-out document that is never cut between pages: one line
// of text, or a whole table row. Document coordinates, top to bottom; first
// is the first character of the strip.
struct TextBand
{
    qreal top = 0;
    qreal bottom = 0;
    int first = 0;
    // The strip begins a new page (a page break in the document).
    bool breakBefore = false;
};

// The part of a document one page shows: the strip [top, bottom) from the
// band that begins at character first, and the first character left for the
// next page.
struct PageSlice
{
    qreal top = 0;
    qreal bottom = 0;
    int next = 0;
    int first = 0;
};

// Starting with the band that holds character first, as many whole bands as
// fit into height; a band taller than height goes on a page of its own, cut
// at the bottom. end is the text length, the next character after the last band.
PageSlice pageSlice(const QList<TextBand> &bands, int first, qreal height, int end);

// The name of the PDF file a job is saved in where there is no printer: the
// job's name with its runs of blanks made one and the characters a file name
// cannot hold left out, then " (2)", " (3)", ... for the second and later
// attempts, when a file of the plain name exists already.
QString pdfFileName(const QString &jobName, int attempt);
