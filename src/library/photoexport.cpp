#include "photoexport.h"

#include "gaugedcopy.h"
#include "screensaverrules.h"
#include "core/errortable.h"
#include "platform/base/platformbundle.h"
#include "platform/base/text.h"
#include "platform/ui/sspanel.h"

#include <QFont>
#include <QPointer>
#include <QStandardPaths>

using namespace PhotoExportRules;

void copyPhotoToDisk(Platform &platform, const QString &source, const QString &photoFolder, SSPanel &gauge)
{
    const QString sourceFile = platform.fs.nativePathForWriting(source).value_or(QString());
    const QString folder = platform.fs.nativePathForWriting(photoFolder).value_or(QString());
    const QString fileName = ScreenSaverRules::photoFileName(source);
    // "c:\" has no counterpart here: the dialog opens in the user's pictures.
    const Dialogs::SaveFile request
        = saveRequest(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation), fileName);
    QPointer<SSPanel> shown(&gauge);
    for (;;) {
        const std::optional<QString> chosen = platform.dialogs.saveFile(request);
        if (!chosen || chosen->isEmpty() || !shown)
            return;
        const Refusal refusal = refusalOf(*chosen, sourceFile, folder);
        if (refusal == Refusal::None) {
            CopyFileWithGauge(platform, source, *chosen, gauge);
            return;
        }
        platform.dialogs.message({ ProgramTitle, refusalMessage(refusal), Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation });
    }
}

void printPhoto(Platform &platform, const QImage &picture, const QString &selectionLabel, PrintHeading heading)
{
    if (platform.dialogs.message({ ProgramTitle, printQuestion(), Dialogs::Buttons::OkCancel, Dialogs::Icon::Question })
        != Dialogs::Answer::Ok)
        return;
    Printer &printer = platform.printer;
    if (printer.startJob(QStringLiteral("Vireon Photo"))) {
        const QFont font(QStringLiteral("Sans Serif"), FontPointSize);
        const QStringList lines = printedLines(heading, selectionLabel);
        for (int i = 0; i < lines.size(); ++i)
            printer.drawText(QPoint(0, i * LineHeight), lines.at(i), font);
        if (!picture.isNull())
            printer.drawPicture(picturePlace(picture.size(), printer.printableSize()), picture);
    }
    const PrintOutcome outcome = printer.endJob();
    // The page has no message of its own; only where it did not reach a
    // printer does the user need to hear of it.
    if (!outcome.printed)
        platform.dialogs.message({ ProgramTitle,
                                   joinLines({ QStringLiteral("The photograph could not be printed."), QString(), outcome.failure }),
                                   Dialogs::Buttons::Ok, Dialogs::Icon::Critical });
    else if (!outcome.pdfFile.isEmpty())
        platform.dialogs.message({ ProgramTitle,
                                   joinLines({ QStringLiteral("No printer is set up, so the photograph was saved as a PDF file:"),
                                               QString(), outcome.pdfFile }),
                                   Dialogs::Buttons::Ok, Dialogs::Icon::Information });
}
