#include "windowsettings.h"

#include "core/errortable.h"
#include "platform/base/settingsstore.h"

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
}

namespace WindowSettings {

Twips read(const SettingsStore &settings, QSize screenTwips)
{
    return Twips{
        readSingle(settings, QStringLiteral("MainLeft"), 0),
        readSingle(settings, QStringLiteral("MainTop"), 0),
        readSingle(settings, QStringLiteral("MainWidth"), screenTwips.width()),
        readSingle(settings, QStringLiteral("MainHeight"), screenTwips.height()),
    };
}

void write(SettingsStore &settings, const Twips &place)
{
    settings.write(ProgramTitle, Section, QStringLiteral("MainLeft"), QString::number(float(place.left)));
    settings.write(ProgramTitle, Section, QStringLiteral("MainTop"), QString::number(float(place.top)));
    settings.write(ProgramTitle, Section, QStringLiteral("MainWidth"), QString::number(float(place.width)));
    settings.write(ProgramTitle, Section, QStringLiteral("MainHeight"), QString::number(float(place.height)));
}

} // namespace WindowSettings
