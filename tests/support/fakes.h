#pragma once

#include "platform/base/desktop.h"
#include "platform/base/screen.h"
#include "platform/base/settingsstore.h"
#include "platform/base/termination.h"

#include <QHash>
#include <QStringList>

class FakeScreen : public Screen
{
public:
    explicit FakeScreen(QSize pixels = QSize(800, 600)) : m_pixels(pixels) { }
    QSize sizeInPixels() const override { return m_pixels; }
    void setSize(QSize pixels) { m_pixels = pixels; }

private:
    QSize m_pixels;
};

// A desktop with a task bar: records what is done to it.
class FakeDesktop : public Desktop
{
public:
    bool findTaskbar() override
    {
        calls << QStringLiteral("find");
        return true;
    }
    void setTaskbarVisible(bool visible) override { calls << (visible ? QStringLiteral("show") : QStringLiteral("hide")); }

    QStringList calls;
};

// Settings kept in memory: "application/section/key" -> value.
class MemorySettingsStore : public SettingsStore
{
public:
    QString read(const QString &application, const QString &section, const QString &key,
                 const QString &defaultValue) const override
    {
        return values.value(application + u'/' + section + u'/' + key, defaultValue);
    }
    void write(const QString &application, const QString &section, const QString &key,
               const QString &value) override
    {
        values.insert(application + u'/' + section + u'/' + key, value);
    }

    QHash<QString, QString> values;
};

// Thrown instead of ending the test program when the code under test ends the program.
struct ProgramTerminated
{
};

// While it lives, terminateProgram() throws ProgramTerminated.
class TerminationCatcher
{
public:
    TerminationCatcher() : m_previous(setTerminationHandler([] { throw ProgramTerminated{}; })) { }
    ~TerminationCatcher() { setTerminationHandler(m_previous); }

private:
    TerminationHandler m_previous;
};
