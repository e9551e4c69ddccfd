#include "rtfnotes.h"

#include <algorithm>
#include <utility>

#include "rtfdocumentbuilder.h"

namespace Rtf {

namespace {

// A mark is a superscript number unless the document raises it otherwise.
CharState markState(CharState chr)
{
    if (chr.verticalAlignment == QTextCharFormat::AlignNormal && chr.raise == 0)
        chr.verticalAlignment = QTextCharFormat::AlignSuperScript;
    chr.leader = QTextCharFormat::NoUnderline;
    chr.hidden = false;
    return chr;
}

} // namespace

void Notes::setStart(Kind kind, int start)
{
    Numbering &numbering = m_numbering[kind];
    numbering.start = std::clamp(start, 0, 1'000'000);
    numbering.next = numbering.start;
}

void Notes::endSection()
{
    for (Numbering &numbering : m_numbering) {
        if (numbering.restart)
            numbering.next = numbering.start;
    }
}

QString Notes::nextNumber(Kind kind)
{
    Numbering &numbering = m_numbering[kind];
    const int n = std::max(numbering.next, 1);
    numbering.next = std::min(n + 1, 1'000'000);
    return numberText(n, numbering.format);
}

std::optional<Notes::Mark> Notes::takeStrayMark()
{
    if (!m_pendingMark)
        return std::nullopt;
    Mark mark { nextNumber(Footnote), markState(*m_pendingMark) };
    m_pendingMark.reset();
    return mark;
}

void Notes::begin()
{
    m_current = Note();
}

void Notes::markInNote(const CharState &chr)
{
    m_current.ownNumber = true;
    m_current.paragraphs.back().pieces.append(Piece { QString(), chr, true });
}

void Notes::appendText(QStringView text, const CharState &chr)
{
    QList<Piece> &pieces = m_current.paragraphs.back().pieces;
    if (!pieces.isEmpty() && !pieces.back().isNumber && pieces.back().chr == chr)
        pieces.back().text.append(text);
    else
        pieces.append(Piece { text.toString(), chr, false });
}

void Notes::endParagraph(const ParaState &para)
{
    m_current.paragraphs.back().para = para;
    m_current.paragraphs.append(Paragraph());
}

std::optional<Notes::Mark> Notes::end(const ParaState &para, const CharState &body)
{
    m_current.paragraphs.back().para = para;
    if (m_current.paragraphs.size() > 1 && m_current.paragraphs.back().pieces.isEmpty())
        m_current.paragraphs.removeLast(); // the note's last \par
    std::optional<Mark> mark;
    if (m_pendingMark || m_current.ownNumber) {
        m_current.number = nextNumber(m_current.kind);
        for (Paragraph &paragraph : m_current.paragraphs) {
            for (Piece &piece : paragraph.pieces) {
                if (piece.isNumber)
                    piece.text = m_current.number;
            }
        }
        mark = Mark { m_current.number, markState(m_pendingMark.value_or(body)) };
    }
    m_pendingMark.reset();
    m_notes.append(std::exchange(m_current, Note()));
    return mark;
}

void Notes::write(
    DocumentBuilder &builder, const FontTable &fonts, const ColorTable &colors, int defaultTab) const
{
    for (const Kind kind : { Footnote, Endnote }) {
        bool ruled = false;
        for (const Note &note : m_notes) {
            if (note.kind != kind)
                continue;
            if (!std::exchange(ruled, true))
                builder.insertRule();
            // A note numbered only by its mark in the body starts with the number.
            bool numbers = !note.number.isEmpty() && !note.ownNumber;
            for (const Paragraph &paragraph : note.paragraphs) {
                builder.startParagraph(0);
                if (std::exchange(numbers, false)) {
                    const CharState chr
                        = paragraph.pieces.isEmpty() ? CharState() : paragraph.pieces.first().chr;
                    builder.insertText(note.number, charFormat(markState(chr), fonts, colors));
                    builder.insertText(QStringLiteral(" "), charFormat(chr, fonts, colors));
                }
                for (const Piece &piece : paragraph.pieces) {
                    if (!piece.text.isEmpty())
                        builder.insertText(piece.text, charFormat(piece.chr, fonts, colors));
                }
                builder.endParagraph(blockFormat(paragraph.para, defaultTab));
            }
        }
    }
}

} // namespace Rtf
