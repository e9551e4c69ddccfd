#pragma once

#include "platform/base/printerrules.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <memory>

class QPaintDevice;
class QPainter;
class QTextDocument;

// A document laid out for a printer: a copy of it at the drawing
// rectangle's width on the printer's own paint device (so fonts and pictures
// take their printed size), cut into bands that a page break never splits.
// This is the printer's layout cache; the shown document is left alone.
class RichTextPages
{
public:
    RichTextPages(const QTextDocument &source, QPaintDevice *device, qreal width);
    ~RichTextPages();

    // Laid out from this very document, unchanged since, at this width.
    bool isFor(const QTextDocument &source, qreal width) const;
    PageSlice slice(int first, qreal height) const;
    // Draws the slice with its top left corner at the position.
    void draw(QPainter &painter, const PageSlice &slice, QPointF topLeft) const;

    const QList<TextBand> &bands() const { return m_bands; }

private:
    // The line that holds the character, in the layout's coordinates.
    QRectF lineRect(int position) const;

    const QTextDocument *m_source;
    int m_revision;
    qreal m_width;
    std::unique_ptr<QTextDocument> m_layout;
    QList<TextBand> m_bands;
};
