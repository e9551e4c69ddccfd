#pragma once

#include <array>
#include <optional>

#include <QList>
#include <QString>

#include "rtfstate.h"

namespace Rtf {

class DocumentBuilder;

// Footnotes and endnotes. The text of a note is kept while the body is read
// and shown at the end of the document under a rule, footnotes first, as word
// processors show notes when they flow a document without pages; the note's
// mark, a superscript number, stays in the body where the note was.
class Notes
{
public:
    enum Kind { Footnote, Endnote };

    // A mark to show in the body.
    struct Mark
    {
        QString text;
        CharState chr;
    };

    void setFormat(Kind kind, PnFormat format) { m_numbering[kind].format = format; }
    void setStart(Kind kind, int start);
    void setRestart(Kind kind, bool restart) { m_numbering[kind].restart = restart; }
    // The end of a section, where numbering starts over if the document says so.
    void endSection();

    // \chftn in the body: the mark of the note whose group follows.
    void markInBody(const CharState &chr) { m_pendingMark = chr; }
    // A mark no note followed, numbered as the next footnote.
    std::optional<Mark> takeStrayMark();

    // \footnote: the text that follows until the group ends is the note's.
    void begin();
    void setEndnote() { m_current.kind = Endnote; } // \ftnalt
    // \chftn inside the note: the note's own number.
    void markInNote(const CharState &chr);
    void appendText(QStringView text, const CharState &chr);
    void endParagraph(const ParaState &para);
    // The note's group ended, in a body whose state is given: the mark to show
    // there, if the note is numbered (a note with a mark of its own text has
    // that text in the body already).
    std::optional<Mark> end(const ParaState &para, const CharState &body);

    void write(
        DocumentBuilder &builder, const FontTable &fonts, const ColorTable &colors, int defaultTab) const;

private:
    struct Piece
    {
        QString text;
        CharState chr;
        bool isNumber = false; // the note's own \chftn, filled in when the note ends
    };
    struct Paragraph
    {
        QList<Piece> pieces;
        ParaState para;
    };
    struct Note
    {
        Kind kind = Footnote;
        QString number; // empty for a note with a mark of its own text
        bool ownNumber = false;
        QList<Paragraph> paragraphs { Paragraph() };
    };
    struct Numbering
    {
        PnFormat format = PnFormat::Decimal;
        int start = 1;
        bool restart = false;
        int next = 1;
    };

    QString nextNumber(Kind kind);

    std::array<Numbering, 2> m_numbering;
    std::optional<CharState> m_pendingMark;
    Note m_current;
    QList<Note> m_notes;
};

} // namespace Rtf
