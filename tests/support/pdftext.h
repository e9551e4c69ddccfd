#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

// Reading printed PDF files back with poppler's pdfinfo and pdftotext.
// Whether the tools are installed; tests that need them skip without.
bool pdfToolsAvailable();
// The number of pages; 0 when the file is not a PDF document.
int pdfPageCount(const QString &file);
// The words of one page (1-based), or of the whole file with page 0.
QStringList pdfWords(const QString &file, int page = 0);

struct PdfWord
{
    QString text;
    QRectF box; // in points from the page's top left corner
};
// The words of one page with where they are, in reading order.
QList<PdfWord> pdfWordBoxes(const QString &file, int page);
// One page (1-based) rendered at the resolution given; null when it cannot be.
QImage pdfPageImage(const QString &file, int page, int dotsPerInch);
