#pragma once

#include <QString>

class Dialogs;
class MainWindowHost;

// Holds ErrorCode and reports it in the one uniform error box.
class ErrorReporter
{
public:
    enum class Origin {
        // The caller found the condition itself (a missing file, an input check):
        // the focus moves on to the next year button.
        Detected,
        // A load or playback failed: the focus stays where it is.
        FailureHandler,
    };

    explicit ErrorReporter(Dialogs &dialogs);

    // The main window, once it exists: a failure gives it back to the user.
    void setHost(MainWindowHost *host) { m_host = host; }
    // Announce what is about to be tried; the code keeps its value until the next one.
    void setErrorCode(const QString &code) { ErrorCode = code; }
    QString errorCode() const { return ErrorCode; }

    // Shows the box for ErrorCode. Cancel in a Retry box ends the program and
    // never returns; Retry returns at once so the caller can try again.
    void reportError(Origin origin = Origin::Detected);

private:
    Dialogs &m_dialogs;
    MainWindowHost *m_host = nullptr;
    QString ErrorCode;
};
