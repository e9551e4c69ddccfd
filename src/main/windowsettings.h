#pragma once

#include "platform/base/twips.h"

#include <QSize>

class SettingsStore;

// The main window's place, kept between runs in twips under
// "The Vireon Anthology" / "Settings" as decimal text of single-precision numbers.
namespace WindowSettings {

// Reads MainLeft, MainTop, MainWidth and MainHeight; a missing or unreadable
// value gives its default (0, 0, the screen's width and height), and so does
// one that would put the window off the screen or make it too small to use.
Twips read(const SettingsStore &settings, QSize screenTwips);
void write(SettingsStore &settings, const Twips &place);

} // namespace WindowSettings
