#pragma once

#include "roots.h"

#include <functional>

class ErrorReporter;
class MediaFs;

// Drive letters searched for the disc, in order (A, B and C never are).
inline const QString SearchedDriveLetters = QStringLiteral("DEFGHIJKLMNOPQRSTUVWXYZ");

// True when "\birds\*.jpg" matches a file below the root (a drive, or a native
// folder); any error while probing is "no".
bool holdsPhotographs(const MediaFs &fs, const QString &root);

// One search: PhotoRoot becomes ProgramFolder when it holds "\birds\*.jpg";
// the first drive D..Z holding it becomes MediaRoot (and PhotoRoot, if still
// empty). PhotoRoot is never cleared. True when a drive was found.
bool locateMediaOnce(const MediaFs &fs, Roots &roots);

// Repeats the search until the disc is found. Before each report ("ER001",
// Retry and Cancel; Cancel ends the program) it calls beforeReport (stop the
// splash timer, close the splash window). When the first search fails, it
// first calls askForDisc (after beforeReport), if given: true when the user
// named a place for the disc, and the search goes on with it. Returns true
// when the disc was found only after a report or the question.
bool LocateMedia(const MediaFs &fs, Roots &roots, ErrorReporter &errors,
                 const std::function<void()> &beforeReport, const std::function<bool()> &askForDisc = {});
