#pragma once

#include "errorreporter.h"
#include "photoindex.h"
#include "roots.h"

// What the program keeps for the whole run: the roots settled at start-up,
// the error state, the photograph index and the start-up flag of the first
// click. Owned by the application and passed by reference.
struct Session
{
    explicit Session(Dialogs &dialogs) : errors(dialogs) { }

    Roots roots;
    ErrorReporter errors;
    PhotoIndex photoIndex;
    // True until the first click on the main window's background selects 1955.
    bool FirstClickPending = false;
};
