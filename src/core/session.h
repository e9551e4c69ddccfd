#pragma once

#include "errorreporter.h"
#include "photoindex.h"
#include "photonavigator.h"
#include "roots.h"

// What the program keeps for the whole run: the roots settled at start-up,
// the error state, the photograph index and the state of the selection. Owned by the application and passed by reference.
struct Session
{
    explicit Session(Dialogs &dialogs) : errors(dialogs) { }
    Q_DISABLE_COPY_MOVE(Session)

    Roots roots;
    ErrorReporter errors;
    PhotoIndex photoIndex;
    PhotoNavigator navigator{ photoIndex };
    // The group code of the current selection ("57", "A2", "ZY"); the page
    // viewer may leave the year digits "02" here for 2002.
    QString SelectionCode;
    // 1..13 for the year of that cmdYR button, 0 for a category and before the first selection.
    qint16 YearButtonIndex = 0;
    // True until the first click on the main window's background selects 1955.
    bool FirstClickPending = false;
    bool AnySelectionMade = false;
    // Set by the slide show while it plays and when it has ended.
    bool SlideShowFlag = false;
};
