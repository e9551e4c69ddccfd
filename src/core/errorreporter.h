#pragma once

#include <QString>

class Dialogs;

// What ReportError needs from the main window once it exists.
class ErrorHost
{
public:
    virtual ~ErrorHost() = default;
    // Focus the year button after the selected one (cmdYR(1) after 2002 or a category).
    virtual void FocusYearButton() = 0;
    virtual void enableMainWindow() = 0;
};

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

    void setHost(ErrorHost *host) { m_host = host; }
    // Announce what is about to be tried; the code keeps its value until the next one.
    void setErrorCode(const QString &code) { ErrorCode = code; }
    QString errorCode() const { return ErrorCode; }

    // Shows the box for ErrorCode. Cancel in a Retry box ends the program and
    // never returns; Retry returns at once so the caller can try again.
    void reportError(Origin origin = Origin::Detected);

private:
    Dialogs &m_dialogs;
    ErrorHost *m_host = nullptr;
    QString ErrorCode;
};
