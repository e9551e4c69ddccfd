#include "displaycheck.h"

#include "core/errortable.h"
#include "core/roots.h"
#include "platform/base/text.h"

namespace {
// A number as the period's number-to-text conversion writes it: one blank
// before a positive number, and a fraction keeps its decimals (819.2).
QString spokenNumber(double value)
{
    const QString digits = QString::number(value, 'g', 15);
    return value >= 0 ? u' ' + digits : digits;
}
}

Dialogs::Message screenResolutionMessage(QSize screenTwips)
{
    if (ScreenIs(screenTwips, 800, 600))
        return { ProgramTitle,
                 joinLines({ QStringLiteral("Your current screen resolution is set at 800x600."), QString(),
                             QStringLiteral("This is the optimum setting for the Vireon Anthology!") }),
                 Dialogs::Buttons::Ok, Dialogs::Icon::None };
    const QString width = spokenNumber(screenTwips.width() / 15.0);
    const QString height = spokenNumber(screenTwips.height() / 15.0);
    return {
        ProgramTitle,
        joinLines({
            QStringLiteral("Your current screen resolution is set at ") + width + QStringLiteral(" by") + height
                + QStringLiteral(" pixles."),
            QString(),
            QStringLiteral("The optimum setting for the Vireon Anthology is 800 by 600 pixels."),
            QString(),
            QStringLiteral("Also, The Vireon Anthology requires that the Small Fonts display setting is selected."),
            QString(),
            QStringLiteral("To change your resolution and font size settings perform the following steps:"),
            QStringLiteral("    1)  Click the right mouse button while the cursor is on the Windows desktop."),
            QStringLiteral("    2)  Select the Properties option from the window that will be displayed."),
            QStringLiteral("    3)  Select the Settings tab."),
            QStringLiteral("    4)  Adjust the Screen area Slide control to 800x600."),
            QStringLiteral("    5)  You may also want to set the Colors to the highest level allowed by your"),
            QStringLiteral("         graphics card."),
            QStringLiteral("    6)  To change the font size setting:"),
            QStringLiteral("          Click the Advanced button on the bottom right of the above window."),
            QStringLiteral("          Select Small Fonts from the font size drop-down list box."),
            QString(),
            QStringLiteral("You may now have to re-start your computer for the new settings to take affect."),
            QString(),
        }),
        Dialogs::Buttons::Ok,
        Dialogs::Icon::Exclamation,
    };
}
