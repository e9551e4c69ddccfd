#pragma once

#include "selectionrules.h"
#include "platform/base/twips.h"

#include <QDate>
#include <QHash>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QTime>

// The fixed rules of the slide show: the cursor arithmetic of the transport
// buttons, the delay cycle, the captions and texts of the strip below the
// photograph, the random draw and what "Exit" does in the main window.
// Positions are 1-based; count is the number of photographs N.
namespace SlideShowRules {

// "Bkwd": one back, from 1 round to N.
int afterBkwd(int cursor, int count);
// "Fwd": one on, from N round to 1.
int afterFwd(int cursor, int count);
// "Jump Bkwd": ten back; below 1 it becomes N (it may land on 1).
int afterJumpBkwd(int cursor, int count);
// "Jump Fwd": ten on; landing on N or beyond gives 1.
int afterJumpFwd(int cursor, int count);
// "Middle": N / 2, halves to the even neighbour (7 gives 4, 5 gives 2).
int middlePosition(int count);
// "Pause": the cursor then designates the photograph on screen; 0 becomes N.
int afterPause(int cursor, int count);
// "Exit": the photograph on screen, whether or not the show was playing.
int photographOnScreen(int cursor, bool playing);

// The random timed slide: the floor of N x r + 1, formed in single precision.
// For the highest r and N a power of two the sum rounds up to N + 1: it is kept at N.
int randomPosition(int count, float r);

// Uniform values in [0, 1) on a grid of 2^-24, from a fixed seed: every run
// of the program draws the same sequence.
class FixedSeedRandom
{
public:
    float operator()();

private:
    QRandomGenerator m_generator{ 19550101u };
};

// The delay cycle: 1000, 2000, 3000, 4000, 5000, then every multiple of
// 5000 up to 60000, and round again.
qint32 delayAfterSpinUp(qint32 PhotoDelay);
qint32 delayAfterSpinDown(qint32 PhotoDelay);
inline constexpr qint32 FirstDelay = 1000;
// The delay text when a show starts.
inline const QString FirstDelayText = QStringLiteral(" 1 second");
// Whole seconds and " seconds", also for one second after stepping back to it.
QString delayText(qint32 PhotoDelay);

// "12 of 250".
QString counterText(int position, int count);

// The year or category of a photograph from its file name: "1955 " (with a
// blank), "2002", or a category title. Empty for a name of no known group.
QString slideCaption(const QString &fileName);
// The caption "Middle" gives: "19" and the first two characters, no blank.
QString middleCaption(const QString &fileName);

// The running clock: "hh:mm:ss am", "mm/dd/yy" and the weekday's full name.
QString clockTime(const QTime &time);
QString clockDate(const QDate &date);
QString clockDay(const QDate &date);

// What "Exit" sets in the main window for the caption it hands back.
struct HandBack
{
    QString statsCaption;        // the caption of cmdStats
    bool enablesDesc = false;    // cmdDesc enabled
    QList<SelectionRules::DetailButton> disabledButtons;
    int focusButton = 1;         // the cmdYR button that takes the focus
    qint16 yearButtonIndex = 0;
    QString selectionCode;
};
HandBack handBack(const QString &caption);

// The controls that the layout for a 640 x 480 screen moves, with their new
// places, given the places of the full-size layout (twips, by control name).
QHash<QString, Twips> compactLayout(const QHash<QString, Twips> &design, int screenWidthTwips);

} // namespace SlideShowRules
