#pragma once

// The busy (hourglass) mouse pointer. Start-up raises it and the main
// window's load takes it down, across several events; shorter waits use the
// guard, which restores the default pointer on every way out.
void showBusyPointer();
void restoreDefaultPointer();

class BusyPointer
{
public:
    BusyPointer() { showBusyPointer(); }
    ~BusyPointer() { restoreDefaultPointer(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};
