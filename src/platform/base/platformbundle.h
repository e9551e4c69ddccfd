#pragma once

#include "clipboard.h"
#include "desktop.h"
#include "dialogs.h"
#include "eventpump.h"
#include "mediacontrol.h"
#include "mediafs.h"
#include "printer.h"
#include "screen.h"
#include "settingsstore.h"

// The services every window uses. Production passes the Qt implementations,
// tests pass doubles.
struct Platform
{
    MediaFs &fs;
    Dialogs &dialogs;
    SettingsStore &settings;
    Screen &screen;
    Desktop &desktop;
    MediaControlFactory mediaControls;
    Printer &printer;
    Clipboard &clipboard;
    EventPump &events;
};
