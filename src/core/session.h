#pragma once

#include "errorreporter.h"
#include "pageviewerstate.h"
#include "photoindex.h"
#include "photonavigator.h"
#include "roots.h"
#include "slideshowrules.h"

#include <QPointer>
#include <QStringList>

// What the program keeps for the whole run: the roots settled at start-up,
// the error state, the photograph index, the state of the selection and of
// the viewers and panels that outlives their windows. Owned by the
// application and passed by reference.
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
    // txtFile shows the file name of each photograph stepped to.
    bool ShowFileNames = false;

    // The delay between timed slides in milliseconds; the slide show and the
    // screen-saver panel step the same value.
    qint32 PhotoDelay = SlideShowRules::FirstDelay;

    PageViewerState pageViewer;

    // The movies of the disc as BuildMovieList last found them: entry n
    // (1..MovieCount) at index n - 1, then an empty entry.
    QStringList MovieList;
    qint16 MovieCount = 0;

    // What the copy panel copies: true for the photographs, false for the movies.
    bool CopyKind = true;
    // The screen-saver installation waits for a photo copy until a completed copy job clears it.
    bool CopyPending = false;

    // The window the help file was last attached to (the owner of help
    // calls), and the help file setting: the path of the help file. Until a
    // window attaches help it is the path the program was built with, outside
    // the program folder.
    QPointer<QObject> HelpOwner;
    QString HelpFile = QStringLiteral("C:\\VIREON\\Vireon.HLP");
};
