#pragma once

#include <QString>

// The per-user settings store: values by application name, section and key.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString &application, const QString &section, const QString &key,
                         const QString &defaultValue) const = 0;
    virtual void write(const QString &application, const QString &section, const QString &key,
                       const QString &value) = 0;
    virtual void remove(const QString &application, const QString &section, const QString &key) = 0;
};

// QSettings in INI form under the user's configuration folder:
// <config>/vireon-anthology/<application>.ini, with [section] key=value.
class QtSettingsStore : public SettingsStore
{
public:
    QString read(const QString &application, const QString &section, const QString &key,
                 const QString &defaultValue) const override;
    void write(const QString &application, const QString &section, const QString &key,
               const QString &value) override;
    void remove(const QString &application, const QString &section, const QString &key) override;
    // Where the settings of the application are kept (shown in the README).
    static QString fileOf(const QString &application);
};
