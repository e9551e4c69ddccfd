#include "errorreporter.h"

#include "errortable.h"
#include "mainwindowhost.h"
#include "platform/base/dialogs.h"
#include "platform/base/termination.h"

ErrorReporter::ErrorReporter(Dialogs &dialogs)
    : m_dialogs(dialogs)
{
}

void ErrorReporter::reportError(Origin origin)
{
    const QString message = composeErrorMessage(ErrorCode);
    if (isRetryCode(ErrorCode)) {
        const auto answer =
            m_dialogs.message({ ProgramTitle, message, Dialogs::Buttons::RetryCancel, Dialogs::Icon::None });
        if (answer != Dialogs::Answer::Retry)
            terminateProgram();
        return;
    }
    m_dialogs.message({ ProgramTitle, message, Dialogs::Buttons::Ok, Dialogs::Icon::Critical });
    if (!m_host)
        return;
    if (origin == Origin::Detected)
        m_host->FocusYearButton();
    m_host->enableMainWindow();
}
