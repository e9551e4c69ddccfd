#pragma once

#include <QString>

// The fixed rules of choosing a year or category in the main window: which
// detail buttons each label offers, which labels have no overlay pictures,
// the photograph-click cycle and the year buttons' emphasis.
namespace SelectionRules {

// The label before the first selection: panYear's own initial caption.
inline const QString NoSelection = QStringLiteral("panYear");

struct DetailButtons
{
    bool cmdDesc = true;
    bool cmdOptions = true;
    bool cmdStats = true;
    bool cmdColors = true;
    bool cmdScript = true;
    bool cmdEmblem = true;
    bool cmdClipArt = true;
    bool cmdAd = true;
    bool cmdBrochure = true;
    bool cmdNostalgia = true;
};

// One detail button of the main window's top row.
enum class DetailButton {
    cmdDesc,
    cmdOptions,
    cmdStats,
    cmdColors,
    cmdScript,
    cmdEmblem,
    cmdClipArt,
    cmdAd,
    cmdBrochure,
    cmdNostalgia,
};

// The detail buttons for a selected label (not for "panYear").
DetailButtons detailButtonsFor(const QString &label);

// Labels whose statistics button reads "Details".
bool usesDetailsCaption(const QString &label);

// Labels without script, emblem and clip-art pictures.
bool hidesOverlayPictures(const QString &label);

// A number, optionally followed by blanks ("1955", "1955 ", "0").
bool isNumericLabel(const QString &label);

// The next step of the left-click cycle on the photograph: 1955 .. 1966,
// 2002, then six collectables and back to "1955 ".
struct Advance
{
    QString label;
    bool viaShowCategory = false; // else ShowSelection
    bool resetsStatsCaption = false; // the statistics button reads "Statistics" again
    qint16 yearButtonIndex = 0;
};
Advance nextInClickCycle(const QString &label, qint16 YearButtonIndex);

// The labels of the "Vireon Stuff" entries mnuStuff(0..5).
QString stuffLabel(int index);

// The year button that takes the focus after a photograph step: the one after
// the year's own button for 1955..1966, else cmdYR(1).
int yearButtonAfterStep(const QString &SelectionCode);

} // namespace SelectionRules
