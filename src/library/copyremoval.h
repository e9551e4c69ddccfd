#pragma once

class MainWindowHost;
struct Platform;
struct Session;

// The menu entries that delete the copies of photographs and movies the
// copy panel made in ProgramFolder.
class CopyRemoval
{
public:
    CopyRemoval(Platform &platform, Session &session, MainWindowHost &host);

    // After removing the photographs the program reads them from the disc
    // again, and the main window closes (the program must be started anew).
    void mnuRemove_Click();
    // The movies go; the program keeps running.
    void mnuRemoveMovies_Click();

private:
    bool confirmed(const char *what);

    Platform &m_platform;
    Session &m_session;
    MainWindowHost &m_host;
};
