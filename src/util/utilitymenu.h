#pragma once

#include "core/maker.h"

#include <QString>

class MainWindowHost;
struct Platform;
struct Session;

// The maker's registration page on its web site.
inline const QString MakerRegistrationPage = Maker::WebAddress + QStringLiteral("/register.htm");

// The main window's entries that lean on the platform rather than on the
// anthology's media. Each but the display check closes the screen-saver
// photo window first.

// "Contents": the help file at its contents page, in the main window's help window.
void mnuContents_Click(Platform &platform, const Session &session, MainWindowHost &host);
// "Check Screen Resolution": whether the screen is the 800 x 600 the windows are laid out for.
void mnuCheckResolution_Click(Platform &platform);
// "Visit the Quillon Software website " and "Register On-line": the task bar
// shown again (if the main window ever looked it up), then the page opened
// with the desktop's default handler; its answer is not looked at.
void mnuquillonsoftware_Click(Platform &platform, MainWindowHost &host);
void mnuRegisterOL_Click(Platform &platform, MainWindowHost &host);
