#pragma once

#include <vector>

#include "rtfcodepages.h"
#include "rtfdocumentbuilder.h"
#include "rtfkeywords.h"
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
    void run();

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

    // rtfcontrolwords.cpp
    void controlWord(const Token &token);
    void documentWord(const Keyword &keyword, const Token &token);
    void tableDefinitionWord(const Keyword &keyword, const Token &token);
    void pictureWord(const Keyword &keyword, const Token &token);
    void pnWord(const Keyword &keyword, const Token &token);
    void unicodeCharacter(int value);

    // text, paragraphs and tables
    int codePageOf(int font) const;
    int decodingCodePage() const;
    void setFont(CharState &chr, int font) const;
    void flushBytes();
    void appendText(QStringView text);
    void flushRun();
    void beginContent();
    void insertPnMarker();
    bool joinsParagraphs();
    void endParagraph();
    void endCell();
    void endRow(int level);
    void insertPicture();
    void finishFont();
    void finishColor();

    QTextDocument &m_doc;
    Tokenizer m_tokenizer;
    DocumentBuilder m_builder;
    CodePages m_codePages;

    std::vector<GroupState> m_stack;
    int m_overflowDepth = 0; // groups beyond the depth limit, read as if flat
    int m_skipDepth = 0; // open groups of a destination being skipped
    bool m_ignorable = false; // \* seen
    int m_fallbackToSkip = 0; // after \uN
    char16_t m_highSurrogate = 0;

    int m_documentCodePage = 1252;
    int m_defaultFont = 0;
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
    bool m_markerSeen = false; // the paragraph has \pntext or \listtext
    QString m_marker; // its text, until the paragraph starts
    CharState m_markerState;
    bool m_lastNumbered = false;
    int m_pnCounter = 0;
    QList<CellDefinition> m_rowCells; // of the row being defined
    int m_cellMerge = 0; // for its next \cellx
    std::vector<Field> m_fields;
    Picture m_picture;
    qint64 m_pixelBudget = 64 * 1024 * 1024; // decoded pixels of all pictures together
    QString m_title;
};

} // namespace Rtf
