#include "rtfplaintext.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include "rtfproperties.h"

namespace {
QString cleaned(QString text)
{
    text.replace(QChar::Nbsp, u' ');
    text.replace(QChar::LineSeparator, u'\n');
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

void appendFrame(QString &out, QTextFrame::iterator it, const QString &blockSeparator);

// A table row per line; a cell covered by a span on the left is left out,
// one covered from the row above stays as an empty cell.
void appendTable(QString &out, const QTextTable *table)
{
    for (int row = 0; row < table->rows(); ++row) {
        QString line;
        for (int column = 0; column < table->columns(); ++column) {
            const QTextTableCell cell = table->cellAt(row, column);
            if (cell.column() != column)
                continue;
            if (column > 0)
                line += u'\t';
            if (cell.row() != row)
                continue;
            QString text;
            appendFrame(text, cell.begin(), QStringLiteral(" "));
            line += text.trimmed();
        }
        out += line + u'\n';
    }
}

void appendFrame(QString &out, QTextFrame::iterator it, const QString &blockSeparator)
{
    for (; !it.atEnd(); ++it) {
        if (const QTextBlock block = it.currentBlock(); block.isValid()) {
            // The parts of a paragraph cut for the layout are one line.
            if (block.blockFormat().boolProperty(Rtf::ContinuesParagraph) && out.endsWith(blockSeparator))
                out.chop(blockSeparator.size());
            out += cleaned(block.text()) + blockSeparator;
        } else if (const auto *table = qobject_cast<const QTextTable *>(it.currentFrame())) {
            QString rows;
            appendTable(rows, table);
            // A table inside a cell stays on the line of its cell.
            out += blockSeparator == QLatin1String("\n") ? rows : rows.replace(u'\n', u' ');
        } else if (const QTextFrame *frame = it.currentFrame()) {
            appendFrame(out, frame->begin(), blockSeparator);
        }
    }
}
}

QString plainTextOf(const QTextDocument &doc)
{
    QString out;
    appendFrame(out, doc.rootFrame()->begin(), QStringLiteral("\n"));
    if (out.endsWith(u'\n'))
        out.chop(1);
    return out;
}
