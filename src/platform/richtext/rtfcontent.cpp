// Text, paragraphs, tables, pictures and note marks, as they go into the body
// of the document.

#include "rtfparser.h"

#include <utility>

using namespace Qt::StringLiterals;

namespace Rtf {

// A tab takes the leader of the stop it goes to; a line break starts the
// count of a line's tabs again.
void Parser::appendBody(QStringView text, const CharState &chr)
{
    beginContent();
    insertStrayMark();
    while (!text.isEmpty()) {
        qsizetype i = 0;
        while (i < text.size() && text[i] != u'\t' && text[i] != QChar::LineSeparator)
            ++i;
        appendRun(text.first(i), chr);
        if (i == text.size())
            break;
        if (text[i] == QChar::LineSeparator) {
            m_tabsInLine = 0;
            m_firstLine = false;
            appendRun(text.sliced(i, 1), chr);
        } else {
            CharState tab = chr;
            tab.leader = leaderOfTab(state().para, m_tabsInLine++, m_firstLine);
            appendRun(text.sliced(i, 1), tab);
        }
        text = text.sliced(i + 1);
    }
}

void Parser::appendRun(QStringView text, const CharState &chr)
{
    if (text.isEmpty())
        return;
    if (!(chr == m_runState)) {
        flushRun();
        m_runState = chr;
    }
    m_run.append(text);
}

void Parser::flushRun()
{
    if (m_run.isEmpty())
        return;
    if (!m_formatValid || !(m_formatState == m_runState)) {
        m_format = charFormat(m_runState, m_fonts, m_colors);
        m_formatState = m_runState;
        m_formatValid = true;
    }
    m_builder.insertText(m_run, m_format);
    m_run.clear();
}

void Parser::beginContent()
{
    if (m_paragraphOpen)
        return;
    m_builder.startParagraph(state().para.tableLevel());
    m_paragraphOpen = true;
    m_tabsInLine = 0;
    m_firstLine = true;
    if (!m_marker.isEmpty()) {
        flushRun();
        m_runState = m_markerState;
        m_run = std::exchange(m_marker, QString());
        m_tabsInLine = int(m_run.count(u'\t'));
    } else if (!m_markerSeen) {
        insertPnMarker();
    }
}

// An old-style list paragraph without \pntext shows the marker its \pn describes.
void Parser::insertPnMarker()
{
    const PnState &pn = state().para.pn;
    const bool continues = m_lastNumbered;
    m_lastNumbered = pn.level == PnLevel::Body || (pn.level == PnLevel::Continue && continues);
    if (pn.level == PnLevel::Bullet) {
        appendText(pn.before.isEmpty() ? u"\u2022\t"_s : QString(pn.before + pn.after + u'\t'));
    } else if (pn.level == PnLevel::Body) {
        m_pnCounter = continues ? m_pnCounter + 1 : std::max(pn.start, 0);
        appendText(QString(pn.before + numberText(std::max(m_pnCounter, 1), pn.format) + pn.after + u'\t'));
    }
}

// The mark of a \chftn that no note followed.
void Parser::insertStrayMark()
{
    if (std::optional<Notes::Mark> mark = m_notes.takeStrayMark()) {
        beginContent();
        appendRun(mark->text, mark->chr);
    }
}

void Parser::endParagraph()
{
    if (state().dest == Dest::Note)
        return m_notes.endParagraph(state().para);
    insertStrayMark();
    flushRun();
    if (!m_paragraphOpen) {
        if (state().chr.hidden) // a hidden paragraph mark hides an empty paragraph
            return;
        beginContent();
    }
    m_builder.endParagraph(blockFormat(state().para, m_defaultTab));
    m_paragraphOpen = false;
    m_markerSeen = false;
    m_marker.clear();
}

// The cell ended belongs to the paragraph's table level (\itap), whether the
// word was \cell or \nestcell.
void Parser::endCell()
{
    if (state().para.tableLevel() == 0 || state().dest == Dest::Note)
        return endParagraph(); // a cell end outside any table parts paragraphs
    insertStrayMark();
    flushRun();
    if (!m_paragraphOpen)
        beginContent();
    m_builder.endCell(blockFormat(state().para, m_defaultTab));
    m_paragraphOpen = false;
    m_markerSeen = false;
    m_marker.clear();
}

void Parser::endRow(bool nested)
{
    if (state().dest == Dest::Note)
        return endParagraph();
    insertStrayMark();
    flushRun();
    if (m_paragraphOpen)
        m_builder.endParagraph(blockFormat(state().para, m_defaultTab));
    m_builder.endRow(state().para.tableLevel(), nested, m_rowCells);
    m_paragraphOpen = false;
    m_markerSeen = false;
    m_marker.clear();
}

// A numbered note leaves its mark where its group was.
void Parser::endNote(const GroupState &note)
{
    const std::optional<Notes::Mark> mark = m_notes.end(note.para, state().chr);
    if (mark && (state().dest == Dest::Text || state().dest == Dest::ListText)) {
        beginContent();
        appendRun(mark->text, mark->chr);
    }
}

void Parser::insertPicture()
{
    beginContent();
    flushRun();
    const QImage image = m_picture.image(m_pixelBudget);
    m_pixelBudget -= qint64(image.width()) * image.height();
    m_builder.insertImage(image, m_picture.displaySize(image.size()));
    m_picture = {};
}

} // namespace Rtf
