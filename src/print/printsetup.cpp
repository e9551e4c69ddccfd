#include "printsetup.h"

#include "core/errortable.h"
#include "core/mainwindowhost.h"
#include "platform/base/platformbundle.h"

#include <QRegularExpression>

#include <optional>

namespace {
const QString Section = QStringLiteral("Printer");
const QString NameKey = QStringLiteral("PrinterName");
const QString PaperKey = QStringLiteral("PaperSize");
const QString OrientationKey = QStringLiteral("Orientation");

// Paper sizes are kept in points ("595x842" for A4), which names every
// standard size and any custom one alike.
QString paperText(const QPageSize &paper)
{
    const QSize points = paper.sizePoints();
    return QString::number(points.width()) + u'x' + QString::number(points.height());
}

std::optional<QPageSize> paperOf(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QSize points(match.captured(1).toInt(), match.captured(2).toInt());
    if (points.width() < 1 || points.height() < 1)
        return std::nullopt;
    const QPageSize paper(points);
    return paper.isValid() ? std::optional(paper) : std::nullopt;
}
}

PrinterChoice readPrinterChoice(const SettingsStore &settings, const PrinterChoice &defaults)
{
    PrinterChoice choice = defaults;
    choice.printerName = settings.read(ProgramTitle, Section, NameKey, defaults.printerName);
    if (const auto paper = paperOf(settings.read(ProgramTitle, Section, PaperKey, QString())))
        choice.pageSize = *paper;
    const QString orientation = settings.read(ProgramTitle, Section, OrientationKey, QString());
    if (orientation == u"Portrait")
        choice.orientation = QPageLayout::Portrait;
    else if (orientation == u"Landscape")
        choice.orientation = QPageLayout::Landscape;
    return choice;
}

void writePrinterChoice(SettingsStore &settings, const PrinterChoice &choice)
{
    settings.write(ProgramTitle, Section, NameKey, choice.printerName);
    settings.write(ProgramTitle, Section, PaperKey, paperText(choice.pageSize));
    settings.write(ProgramTitle, Section, OrientationKey,
        choice.orientation == QPageLayout::Landscape ? QStringLiteral("Landscape")
                                                     : QStringLiteral("Portrait"));
}

void mnuPrint_Click(Platform &platform, MainWindowHost &host)
{
    host.closeScreenSaverPhotoWindow();
    PrinterChoice choice = platform.printer.choice();
    if (!platform.dialogs.printerSetup(choice))
        return;
    platform.printer.setChoice(choice);
    writePrinterChoice(platform.settings, choice);
}
