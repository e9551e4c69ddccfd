#include "documentviewerrules.h"

#include "core/errortable.h"
#include "platform/base/text.h"
#include "platform/base/printer.h"

int okButtonWidth(int textWidth, int printButtonWidth)
{
    return textWidth - printButtonWidth - 4;
}

QString printQuestion(const QString &caption)
{
    return joinLines({ QStringLiteral("Would you like to print the "), QString(), caption + u'?' });
}

Dialogs::Message printedMessage(const PrintOutcome &outcome)
{
    if (!outcome.printed)
        return { ProgramTitle, joinLines({ QStringLiteral("The document could not be printed."), QString(), outcome.failure }),
                 Dialogs::Buttons::Ok, Dialogs::Icon::Critical };
    if (!outcome.pdfFile.isEmpty())
        return { ProgramTitle,
                 joinLines({ QStringLiteral("No printer is set up, so the document was saved as a PDF file:"), QString(),
                             outcome.pdfFile }),
                 Dialogs::Buttons::Ok, Dialogs::Icon::Information };
    return { ProgramTitle, QStringLiteral("Printing complete!"), Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation };
}
