#pragma once

#include "platform/base/clipboard.h"
#include "platform/base/desktop.h"
#include "platform/base/eventpump.h"
#include "platform/base/screen.h"
#include "platform/base/settingsstore.h"
#include "platform/base/termination.h"

#include <QHash>
#include <QImage>
#include <QStringList>
#include <functional>

class FakeScreen : public Screen
{
public:
    explicit FakeScreen(QSize pixels = QSize(800, 600)) : m_pixels(pixels) { }
    QSize sizeInPixels() const override { return m_pixels; }
    void setSize(QSize pixels) { m_pixels = pixels; }

private:
    QSize m_pixels;
};

// A desktop with a task bar: records what is done to it ("find", "hide",
// "show", "open <address>", "run <program>", "topmost on"). Programs "run"
// with the exit code given, or fail to start when started is false; with
// windowsPrograms false it stands for a desktop where the disc's Windows
// installers cannot run.
class FakeDesktop : public Desktop
{
public:
    bool findTaskbar() override
    {
        calls << QStringLiteral("find");
        return true;
    }
    void setTaskbarVisible(bool visible) override { calls << (visible ? QStringLiteral("show") : QStringLiteral("hide")); }
    bool openAddress(const QString &address) override
    {
        calls << QStringLiteral("open ") + address;
        return true;
    }
    bool runsWindowsPrograms() const override { return windowsPrograms; }
    RunResult runAndWait(const QString &program, const QStringList &) override
    {
        calls << QStringLiteral("run ") + program;
        return run;
    }
    void setTopmost(QWidget *, bool topmost) override
    {
        calls << (topmost ? QStringLiteral("topmost on") : QStringLiteral("topmost off"));
    }
    QString windowsDirectory() const override { return windowsFolder; }

    QStringList calls;
    RunResult run{ true, 0 };
    bool windowsPrograms = true;
    QString windowsFolder;
};

// A clipboard of its own, so tests neither see nor change the user's.
class MemoryClipboard : public Clipboard
{
public:
    void setImage(const QImage &picture) override
    {
        m_image = picture;
        m_text.clear();
    }
    void setText(const QString &text) override
    {
        m_text = text;
        m_image = QImage();
    }
    QImage image() const override { return m_image; }
    QString text() const override { return m_text; }

private:
    QImage m_image;
    QString m_text;
};

// Counts the pumps of a long loop and runs what a test wants to happen
// "meanwhile" (a click on Cancel, a second click on Copy) at the pump given.
class FakeEventPump : public EventPump
{
public:
    void processPendingEvents() override
    {
        ++pumps;
        if (const auto step = meanwhile.take(pumps))
            step();
    }

    int pumps = 0;
    QHash<int, std::function<void()>> meanwhile;
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
    void remove(const QString &application, const QString &section, const QString &key) override
    {
        values.remove(application + u'/' + section + u'/' + key);
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
