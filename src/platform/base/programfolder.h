#pragma once

#include <QString>

// The program's own folder (ProgramFolder); never ends with a separator.
//
// VIREON_PROGRAM_FOLDER names it explicitly. A program run from where it was
// built uses the folder that holds the program file. An installed program
// (the program file in <prefix>/bin, the files that come with it in
// <prefix>/share/vireon-anthology) cannot write beside itself, so its folder
// is a per-user one, <data>/vireon-anthology/program
// (~/.local/share/vireon-anthology/program): the shipped files appear there
// as links to the installed ones, and the copies of photographs and movies,
// the screen-saver list and the screen saver are written there.
QString programFolder();

// The same decision with its inputs given: the folder of the program file,
// where the shipped files lie relative to it, and the user's data folder.
// For an installed program the per-user folder is made and its links settled.
QString programFolderOf(
    const QString &programFileFolder, const QString &shippedRelative, const QString &userDataFolder);

// Makes folder hold a link to every file of shipped that it lacks, replaces
// links that lead elsewhere and removes links to shipped files that are gone.
// Files of the user's own (a copy, the installed screen saver) stay as they are.
void linkShippedFiles(const QString &shipped, const QString &folder);
