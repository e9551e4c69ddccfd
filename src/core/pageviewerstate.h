#pragma once

#include <QtGlobal>

// What the page viewer keeps for the run, shared by its openings and its
// window. The next opening overwrites it; closing the window leaves it.
struct PageViewerState
{
    qint16 CurrentPage = 0; // 0-based page on show; the counter shows it plus one
    qint16 PageCount = 0;   // highest page number found plus one, 0 when none
    bool BrochureMode = false;
};
