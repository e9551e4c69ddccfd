#pragma once

#include <QString>

// The texts and values of the screen-saver install panel and of the
// screen-saver photo window.
namespace ScreenSaverRules {

// panInterval when the panel opens.
inline const QString FirstIntervalText = QStringLiteral("1 Second");
// After a step of the spinner: the whole seconds and " Seconds" ("5 Seconds", also "1 Seconds").
QString intervalText(qint32 PhotoDelay);
// The "Interval" setting: whole seconds, no fraction, no leading zeros.
QString intervalSetting(qint32 PhotoDelay);

QString copyFirstQuestion();
QString installedMessage();

// The photo window's texts.
QString photoWindowHelp();
QString emptyListQuestion();
QString listEmptiedMessage();

// Nothing has been selected yet: panYear still shows "panYear".
bool nothingSelected(const QString &selectionLabel);
// The file name of a photograph's path: the part after "\birds\".
QString photoFileName(const QString &photoPath);

} // namespace ScreenSaverRules
