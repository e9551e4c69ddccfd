#pragma once

#include <QString>

class QObject;
class QWidget;
class HelpWindow;
struct Platform;
struct Session;

// The help file's name in the program folder.
inline const QString HelpFileName = QStringLiteral("Vireon.HLP");

// Binds the help file to the window: it becomes HelpOwner, and the help file
// setting becomes ProgramFolder + "\Vireon.HLP" (only "Vireon.HLP" is added
// when the folder, blanks aside, already ends in a backslash).
void AttachHelp(Session &session, QObject *window);
// Releases the help for HelpOwner: the help window opened for it closes.
void CloseHelp(Session &session);

// The help engine: opens the help file of the help file setting in the help
// window of the owner (one per owner, reused) at the topic of that help
// context number, 0 for the contents page. A file that is not at its path is
// looked for under its name in the program folder, as the period's help
// engine looked in the program's own folder.
HelpWindow *showHelp(Platform &platform, const Session &session, QWidget *owner, int context);
