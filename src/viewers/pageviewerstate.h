#pragma once

#include "core/session.h"
#include "pagerules.h"

// What the page viewer keeps for the run, shared by its openings and its
// window. The next opening overwrites it; closing the window leaves it.
struct PageViewerState
{
    qint16 CurrentPage = 0; // 0-based page on show; the counter shows it plus one
    qint16 PageCount = 0;   // highest page number found plus one, 0 when none
    bool BrochureMode = false;

    PageKind kind() const { return BrochureMode ? PageKind::Brochure : PageKind::Advertisement; }
};

// The page code of the current selection. The 2000s' "A2" becomes "02" and
// stays so in SelectionCode; the main window's photograph steps turn it back.
inline QString selectionPageCode(Session &session)
{
    session.SelectionCode = pageCodeOfSelection(session.SelectionCode);
    return session.SelectionCode;
}
