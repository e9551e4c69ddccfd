#pragma once

#include "platform/base/dialogs.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// The rules of taking the photograph on screen out of the program: the save
// dialog, the destinations it refuses and the printed page.
namespace PhotoExportRules {

// Stands in for the current photograph before anything is selected.
inline const QString UnselectedPhoto = QStringLiteral("65090.jpg");

// The save dialog cmnDlgCopy, opening in the folder with the file name.
Dialogs::SaveFile saveRequest(const QString &folder, const QString &fileName);

// A path as the file system knows it: the canonical form of its longest
// existing part, the rest appended as written.
QString canonicalPath(const QString &nativePath);

enum class Refusal { None, SameAsSource, InPhotoFolder };
// Compared on canonical paths without regard to letter case: the source
// itself first, then anything inside the photo folder (an empty source or
// folder refuses nothing).
Refusal refusalOf(const QString &chosen, const QString &source, const QString &photoFolder);
QString refusalMessage(Refusal refusal);

QString printQuestion();
// Which command prints: the heading of line 9 differs.
enum class PrintHeading { PhotoWindow, Menu };
// Lines 1 to 12 of the page.
QStringList printedLines(PrintHeading heading, const QString &selectionLabel);
// One line of the printer font, in twips.
inline constexpr int LineHeight = 240;
inline constexpr int FontPointSize = 10;
// The picture at its own size (15 twips to a pixel) with its top left corner
// at 1460, 3000 twips, made smaller (keeping its shape) where the printable
// area would cut it off.
QRect picturePlace(QSize picturePixels, QSize printableTwips);

} // namespace PhotoExportRules
