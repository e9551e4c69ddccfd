#pragma once

#include "roots.h"

#include <functional>

class ErrorReporter;
class MediaFs;

// Drive letters searched for the disc, in order (A, B and C never are).
inline const QString SearchedDriveLetters = QStringLiteral("DEFGHIJKLMNOPQRSTUVWXYZ");

// One search: PhotoRoot becomes ProgramFolder when it holds "\birds\*.jpg";
// the first drive D..Z holding it becomes MediaRoot (and PhotoRoot, if still
// empty). PhotoRoot is never cleared. True when a drive was found.
bool locateMediaOnce(const MediaFs &fs, Roots &roots);

// Repeats the search until the disc is found. Before each report ("ER001",
// Retry and Cancel; Cancel ends the program) it calls beforeReport (stop the
// splash timer, close the splash window). Returns true when the disc was
// found only after at least one report.
bool LocateMedia(const MediaFs &fs, Roots &roots, ErrorReporter &errors,
                 const std::function<void()> &beforeReport);
