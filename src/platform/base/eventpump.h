#pragma once

#include <QSet>
#include <QString>

// Lets the user interface process pending events from inside a long loop
// (the copy's chunks, the waits for a program or for a copy job). A loop
// enters under its name; entering a loop that is already running, from an
// event processed inside it, is refused, so a second click on "Copy" during
// a copy cannot start a copy within the copy.
class EventPump
{
public:
    virtual ~EventPump() = default;

    // While it lives, the named loop is running.
    class Loop
    {
    public:
        Loop(EventPump &pump, const QString &name);
        ~Loop();
        Loop(const Loop &) = delete;
        Loop &operator=(const Loop &) = delete;
        // False when the loop was already running: the caller must not go on.
        bool entered() const { return m_entered; }

    private:
        EventPump &m_pump;
        QString m_name;
        bool m_entered;
    };

    bool isRunning(const QString &loopName) const { return m_running.contains(loopName); }
    // Processes the events waiting now, then returns.
    virtual void processPendingEvents() = 0;
    // Sleeps until at least one event arrives and processes the events, for
    // a loop that waits for something only an event can change.
    virtual void waitForEvents() { processPendingEvents(); }

private:
    QSet<QString> m_running;
};

// The pump of the application's event loop.
class QtEventPump : public EventPump
{
public:
    void processPendingEvents() override;
    void waitForEvents() override;
};
