#pragma once

#include <QString>

class MainWindowHost;
struct Platform;
struct Session;

// The main window's "Movies" and "Install Intel Video Software": chooses the
// folder the movies are read from, shows the movie window, and makes the
// offer of the disc's video software. Owned by the main window for the run.
class MoviePlayer
{
public:
    MoviePlayer(Platform &platform, Session &session, MainWindowHost &host);

    // "Movies": the hard-disk copy when it holds any movie, otherwise the
    // disc; then the movie window, modally (again, afresh, after its "Help"
    // went through).
    void mnuMovies_Click();
    // "Install Intel Video Software": the offer, from the main window.
    void mnuVideo_Click();

    // The offer of the video software; on Yes, with the main window out of
    // play, the disc's installer runs (ER003 when it cannot start) or, where
    // it cannot run, the movies' decoders here are checked and shown. True
    // when that went through.
    bool offerVideoSoftware();
    // Starts the program at the media path and returns once it has ended,
    // the interface answering meanwhile; false when it could not be started.
    bool RunAndWait(const QString &mediaPath);

    // The folder the movies are read from, ending in a backslash; chosen at
    // each opening from the menu and kept when the window opens afresh.
    QString MovieFolder;

private:
    void showMovieWindow();
    bool installVideoSoftware();

    Platform &m_platform;
    Session &m_session;
    MainWindowHost &m_host;
};
