#pragma once

#include <QTextCursor>

#include "rtfbudget.h"
#include "rtftables.h"

class QImage;
class QTextDocument;

namespace Rtf {

// Writes paragraphs, runs, pictures and tables into the document. A paragraph
// break is held back until more content follows, so that a document's last
// \par and the \par before a table leave no empty line.
//
// A paragraph longer than the layout can wrap quickly (Qt lays a paragraph
// out whole, and a word longer than a line in time that grows with the
// square of its length) is cut into blocks at word boundaries; the blocks
// after the first continue the paragraph, with no space or indent between.
class DocumentBuilder
{
public:
    explicit DocumentBuilder(QTextDocument &doc);
    ~DocumentBuilder();
    DocumentBuilder(const DocumentBuilder &) = delete;
    DocumentBuilder &operator=(const DocumentBuilder &) = delete;

    // Makes the cursor ready for a paragraph at this table nesting level.
    void startParagraph(int tableLevel);
    void insertText(const QString &text, const QTextCharFormat &format);
    // An image of this size in pixels; a null image shows as a grey box.
    void insertImage(const QImage &image, const QSizeF &size);
    void endParagraph(const QTextBlockFormat &format);
    void pageBreak() { m_pageBreakBefore = true; }
    void endCell(const QTextBlockFormat &format);
    void endRow(int level, bool nested, const QList<CellDefinition> &cells);
    // A paragraph that is a horizontal rule across the text.
    void insertRule();
    // Closes the tables still open.
    void finish();

    bool charge(qint64 cost) { return m_budget.take(cost); }
    // The document is more than can be shown; nothing more is written.
    bool overflowed() const { return m_budget.overflowed(); }

private:
    bool cutParagraph();
    void setParagraphFormat(const QTextBlockFormat &format);

    QTextDocument &m_doc;
    QTextCursor m_cursor;
    LayoutBudget m_budget;
    TableStack m_tables;
    bool m_pendingBlock = false;
    bool m_pageBreakBefore = false;
    int m_imageCount = 0;
    QString m_placeholder;
    // The paragraph being written: where it starts, whether it has been cut,
    // and the characters of its last block and of the last word in it.
    int m_paragraphStart = 0;
    bool m_cut = false;
    int m_blockLength = 0;
    int m_wordLength = 0;
};

} // namespace Rtf
