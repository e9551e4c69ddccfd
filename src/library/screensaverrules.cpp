#include "screensaverrules.h"

#include "platform/base/text.h"

namespace ScreenSaverRules {

QString intervalText(qint32 PhotoDelay)
{
    return QString::number(PhotoDelay / 1000) + QStringLiteral(" Seconds");
}

QString intervalSetting(qint32 PhotoDelay)
{
    return QString::number(PhotoDelay / 1000);
}

QString copyFirstQuestion()
{
    return joinLines({ QStringLiteral("To improve performance, the Vireon photos may be copied from"),
                       QStringLiteral("the Vireon Anthology CDROM to your hard drive before you install"),
                       QStringLiteral("the Vireon Anthology Screen Saver."), QString(),
                       QStringLiteral("Would you like to copy the photos now?") });
}

QString installedMessage()
{
    return joinLines({ QStringLiteral("The Vireon Anthology Screen Saver has been installed!"), QString(),
                       QStringLiteral("If you have not already done so, you must now activate "),
                       QStringLiteral("the Vireon Anthology Screen Saver."), QString(),
                       QStringLiteral("To do this follow these steps:"),
                       QStringLiteral("    1) Click the Start button on the Windows desktop "),
                       QStringLiteral("    2) Click the Settings button                    "),
                       QStringLiteral("    3) Click on Control Panel                       "),
                       QStringLiteral("    4) Double click on the Display icon             "),
                       QStringLiteral("    5) Select the Screen Saver tab                  "),
                       QStringLiteral("    6) Click the dropdown arrow to the left of the Settings button"),
                       QStringLiteral("    7) Select TriVireon                        "),
                       QStringLiteral("    8) Click OK                            ") });
}

QString photoWindowHelp()
{
    return joinLines({ QStringLiteral("Use this form to add or remove Vireon photos from the"),
                       QStringLiteral("Vireon Anthology Screen Saver play list. Pick and choose"),
                       QStringLiteral("whatever photos that you would like to include."), QString(),
                       QStringLiteral("Select the Install Screen Saver option under the File menu"),
                       QStringLiteral("to configure the Screen Saver to recognize selected photos."), QString(),
                       QStringLiteral("If you remove all photos, remember to re-install the "),
                       QStringLiteral("Screen Saver and choose the Select All Photos option.") });
}

QString emptyListQuestion()
{
    return QStringLiteral("Would you like to remove all photos from the Vireon")
        + QStringLiteral(" Anthology Screen Saver list?");
}

QString listEmptiedMessage()
{
    return joinLines({ QStringLiteral("All Photos Successfully Removed!"), QString(),
                       QStringLiteral("You must re-install The Vireon Anthology Screen Saver "),
                       QStringLiteral("if you have previously installed it to play Selected Photos.") });
}

bool nothingSelected(const QString &selectionLabel)
{
    return sameLabel(selectionLabel, QStringLiteral("panYear"));
}

QString photoFileName(const QString &photoPath)
{
    const QString folder = QStringLiteral("\\birds\\");
    const qsizetype at = photoPath.lastIndexOf(folder, -1, Qt::CaseInsensitive);
    return at < 0 ? QString() : photoPath.mid(at + folder.size());
}

} // namespace ScreenSaverRules
