#include "windowsettings.h"

#include "core/errortable.h"
#include "platform/base/settingsstore.h"

#include <algorithm>
#include <cmath>

namespace {
const QString Section = QStringLiteral("Settings");

int readSingle(const SettingsStore &settings, const QString &key, int defaultValue)
{
    const QString text = settings.read(ProgramTitle, Section, key, QString::number(defaultValue)).trimmed();
    bool ok = false;
    const float value = text.toFloat(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 1e8f)
        return defaultValue;
    return int(std::lround(value));
}

// At least this much of the window (100 pixels) stays on the screen, so it
// can be seen and taken hold of; its title may reach above the top by a
// little (30 pixels), as window managers place it.
constexpr int OnScreen = 1500;
constexpr int AboveTop = 450;

// A size the window can have: a usable window no larger than a few screens.
bool usableSize(int size, int screen)
{
    return size >= OnScreen && size <= 4 * std::max(screen, OnScreen);
}
}

namespace WindowSettings {

Twips read(const SettingsStore &settings, QSize screenTwips)
{
    Twips place{
        readSingle(settings, QStringLiteral("MainLeft"), 0),
        readSingle(settings, QStringLiteral("MainTop"), 0),
        readSingle(settings, QStringLiteral("MainWidth"), screenTwips.width()),
        readSingle(settings, QStringLiteral("MainHeight"), screenTwips.height()),
    };
    // Values that would not show the window on this screen give the defaults.
    if (!usableSize(place.width, screenTwips.width()))
        place.width = screenTwips.width();
    if (!usableSize(place.height, screenTwips.height()))
        place.height = screenTwips.height();
    if (place.left > screenTwips.width() - OnScreen || place.left + place.width < OnScreen)
        place.left = 0;
    if (place.top > screenTwips.height() - OnScreen || place.top < -AboveTop)
        place.top = 0;
    return place;
}

void write(SettingsStore &settings, const Twips &place)
{
    settings.write(ProgramTitle, Section, QStringLiteral("MainLeft"), QString::number(float(place.left)));
    settings.write(ProgramTitle, Section, QStringLiteral("MainTop"), QString::number(float(place.top)));
    settings.write(ProgramTitle, Section, QStringLiteral("MainWidth"), QString::number(float(place.width)));
    settings.write(ProgramTitle, Section, QStringLiteral("MainHeight"), QString::number(float(place.height)));
}

} // namespace WindowSettings
