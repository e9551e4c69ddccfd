#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// The three folder roots settled at start-up. A root never ends with a
// separator; media paths are a root followed by "\relative\part".
struct Roots
{
    QString ProgramFolder; // a native folder
    QString MediaRoot;     // "E:" (a drive letter and colon) or ProgramFolder
    QString PhotoRoot;     // ProgramFolder when it holds a photo copy, else MediaRoot
};

// True for a command line of exactly the three letters "HWI" (case-sensitive,
// nothing else): the program folder then serves as the disc.
bool isProgramFolderMode(const QStringList &argumentsAfterProgram);

// Exact screen-size test: the screen in twips equals width x 15 by height x 15.
// A product that does not fit in 32 bits can never match.
bool ScreenIs(const QSize &screenTwips, qint32 width, qint32 height);
