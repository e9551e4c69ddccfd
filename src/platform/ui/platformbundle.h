#pragma once

#include "platform/base/desktop.h"
#include "platform/base/dialogs.h"
#include "platform/base/mediacontrol.h"
#include "platform/base/mediafs.h"
#include "platform/base/screen.h"
#include "platform/base/settingsstore.h"
#include "platform/ui/printer.h"

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
};
