#include "settingsstore.h"

#include <QSettings>

namespace {
const QString Organization = QStringLiteral("vireon-anthology");

QString keyOf(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}
}

QString QtSettingsStore::read(const QString &application, const QString &section, const QString &key,
                              const QString &defaultValue) const
{
    // A missing or unreadable file gives the default (QSettings reports a
    // damaged file through status() and then simply has no values).
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, Organization, application);
    if (settings.status() != QSettings::NoError)
        return defaultValue;
    return settings.value(keyOf(section, key), defaultValue).toString();
}

void QtSettingsStore::write(const QString &application, const QString &section, const QString &key,
                            const QString &value)
{
    // QSettings writes through a temporary file and replaces the old one only
    // when the write succeeded.
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, Organization, application);
    settings.setValue(keyOf(section, key), value);
    settings.sync();
}

void QtSettingsStore::remove(const QString &application, const QString &section, const QString &key)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, Organization, application);
    settings.remove(keyOf(section, key));
    settings.sync();
}

QString QtSettingsStore::fileOf(const QString &application)
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, Organization, application).fileName();
}
