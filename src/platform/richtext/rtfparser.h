#pragma once

#include <vector>

#include "rtfcodepages.h"
#include "rtfdocumentbuilder.h"
#include "rtfkeywords.h"
#include "rtfnotes.h"
#include "rtfpicture.h"
#include "rtfstate.h"
#include "rtftokenizer.h"

class QTextDocument;

namespace Rtf {

// One pass over the tokens with a stack of group states on the heap. Bytes are
// collected and decoded at run boundaries (a double-byte character may come as
// two \'hh escapes); decoded text is collected into runs of one format.
class Parser
{
public:
    Parser(QByteArrayView rtf, QTextDocument &doc);
    // False when the document is more than can be shown (what was read of it
    // is left in the document).
    bool run();

private:
    struct Field
    {
        qsizetype depth; // the stack size of the \field group
        QString instruction;
        QString href;
    };

    GroupState &state() { return m_stack.back(); }
    void groupStart();
    // True at the end of the root group.
    bool groupEnd();
    void endOfDestination(const GroupState &closed);
    void controlSymbol(char symbol);
    void textBytes(std::string_view bytes);
    void hexByte(char byte);
    bool skipsFallback();
    void appendText(QStringView text);
    void finishColor();

    // rtfcontrolwords.cpp
    void controlWord(const Token &token);
    void documentWord(const Keyword &keyword, const Token &token);
    void tableDefinitionWord(const Keyword &keyword, const Token &token);
    void pictureWord(const Keyword &keyword, const Token &token);
    void pnWord(const Keyword &keyword, const Token &token);
    void noteWord(const Keyword &keyword, const Token &token);
    void unicodeCharacter(int value);

    // rtfcharsets.cpp: which font's code page decodes the bytes of a run
    int codePageOf(int font) const;
    int fontOf(const CharState &chr, CharSet set) const;
    int doubleByteCodePage(const CharState &chr) const;
    const bool *leadBytes() const;
    void setFont(CharState &chr, int font) const;
    void flushBytes();
    void finishFont();

    // rtfcontent.cpp: text, paragraphs, tables and notes in the document
    void appendBody(QStringView text, const CharState &chr);
    void appendRun(QStringView text, const CharState &chr);
    void flushRun();
    void beginContent();
    void insertPnMarker();
    void insertStrayMark();
    void endParagraph();
    void endCell();
    void endRow(bool nested);
    void endNote(const GroupState &note);
    void insertPicture();

    QTextDocument &m_doc;
    Tokenizer m_tokenizer;
    DocumentBuilder m_builder;
    CodePages &m_codePages = CodePages::ofThisThread();

    std::vector<GroupState> m_stack;
    int m_overflowDepth = 0; // groups beyond the depth limit, read as if flat
    int m_skipDepth = 0; // open groups of a destination being skipped
    bool m_ignorable = false; // \* seen
    int m_fallbackToSkip = 0; // after \uN
    char16_t m_highSurrogate = 0;

    int m_documentCodePage = 1252;
    int m_defaultFont = 0;
    int m_defaultTab = 720; // \deftab
    FontTable m_fonts;
    int m_fontDefined = -1;
    QByteArray m_fontName;
    ColorTable m_colors;
    QColor m_color = QColor(0, 0, 0);
    bool m_colorGiven = false;

    QByteArray m_bytes;
    QString m_run;
    CharState m_runState;
    CharState m_formatState;
    QTextCharFormat m_format;
    bool m_formatValid = false;

    bool m_paragraphOpen = false;
    int m_tabsInLine = 0; // of the paragraph's line being read, for their leaders
    bool m_firstLine = true;
    bool m_markerSeen = false; // the paragraph has \pntext or \listtext
    QString m_marker; // its text, until the paragraph starts
    CharState m_markerState;
    bool m_lastNumbered = false;
    int m_pnCounter = 0;
    QList<CellDefinition> m_rowCells; // of the row being defined
    int m_cellMerge = 0; // for its next \cellx
    std::vector<Field> m_fields;
    Notes m_notes;
    Picture m_picture;
    qint64 m_pixelBudget = 64 * 1024 * 1024; // decoded pixels of all pictures together
    QString m_title;
};

} // namespace Rtf
