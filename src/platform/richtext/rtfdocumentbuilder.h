#pragma once

#include <QTextCursor>

#include "rtftables.h"

class QImage;
class QTextDocument;

namespace Rtf {

// Writes paragraphs, runs, pictures and tables into the document. A paragraph
// break is held back until more content follows, so that a document's last
// \par and the \par before a table leave no empty line.
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
    void endRow(int level, const QList<CellDefinition> &cells);
    void finish() { m_tables.closeAll(); }
    // False once the document has as many paragraphs and cells as we allow.
    bool hasRoom() const { return m_blockBudget > 0; }

private:
    QTextDocument &m_doc;
    QTextCursor m_cursor;
    // Paragraphs, cells and rows still allowed: each costs Qt far more memory
    // and time than the bytes that make it, so hostile input is held back.
    int m_blockBudget;
    TableStack m_tables;
    bool m_pendingBlock = false;
    bool m_pageBreakBefore = false;
    int m_imageCount = 0;
    QString m_placeholder;
};

} // namespace Rtf
