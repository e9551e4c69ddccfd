#pragma once

#include <QString>

// Where the screen saver finds what the installation chose: the per-user
// settings of the application "SCRNSAVE: The Vireon Anthology", section
// "Settings". Interval is the delay in whole seconds as text, VireonsDir the
// folder of the photographs it shows, ending in a backslash (a media path as
// the program composes it: ProgramFolder + "\ssVireons\", or "E:\Birds\").
namespace ScreenSaverConfig {
inline const QString Application = QStringLiteral("SCRNSAVE: The Vireon Anthology");
inline const QString Section = QStringLiteral("Settings");
inline const QString Interval = QStringLiteral("Interval");
inline const QString VireonsDir = QStringLiteral("VireonsDir");
// The screen-saver program, in ProgramFolder and, once installed, in the Windows directory.
inline const QString FileName = QStringLiteral("Vireon.scr");
} // namespace ScreenSaverConfig
