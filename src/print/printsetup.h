#pragma once

#include "platform/base/printer.h"

class MainWindowHost;
class SettingsStore;
struct Platform;

// The printer chosen in Print Setup, as the settings remember it: the
// printer's name, the paper's size and its orientation. A missing or
// unreadable value keeps the one given.
PrinterChoice readPrinterChoice(const SettingsStore &settings, const PrinterChoice &defaults);
void writePrinterChoice(SettingsStore &settings, const PrinterChoice &choice);

// "Print Setup": the screen-saver photo window is closed and the printer-setup
// dialog shown over the printer every print of the run goes to. A confirmed
// choice is used from then on and remembered; Cancel changes nothing.
void mnuPrint_Click(Platform &platform, MainWindowHost &host);
