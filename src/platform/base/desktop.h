#pragma once

// The desktop around the program. Only the task bar for now: looked up each
// time it is needed and remembered for restoring. Where the desktop has no
// task-bar window, finding it fails and hiding and showing do nothing.
class Desktop
{
public:
    virtual ~Desktop() = default;
    // Looks the task bar up and remembers it; false when there is none.
    virtual bool findTaskbar() = 0;
    // Hides or shows the remembered task bar; nothing when none was found.
    virtual void setTaskbarVisible(bool visible) = 0;
};

// A desktop with no task-bar window of its own that we may hide (Linux
// desktops and anything unknown).
class PlainDesktop : public Desktop
{
public:
    bool findTaskbar() override { return false; }
    void setTaskbarVisible(bool) override { }
};
