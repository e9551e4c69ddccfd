#include "setupchoices.h"

#include "errortable.h"
#include "platform/base/commandline.h"
#include "platform/base/settingsstore.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString Section = QStringLiteral("Setup");
const QString DiscKey = QStringLiteral("Disc");
const QString ZoomKey = QStringLiteral("Zoom");
}

SetupChoices::SetupChoices(SettingsStore &settings)
    : m_settings(settings)
{
}

QString SetupChoices::disc() const
{
    return m_settings.read(ProgramTitle, Section, DiscKey, {});
}

void SetupChoices::rememberDisc(const QString &nativePath)
{
    m_settings.write(ProgramTitle, Section, DiscKey, nativePath);
}

void SetupChoices::forgetDisc()
{
    m_settings.remove(ProgramTitle, Section, DiscKey);
}

std::optional<double> SetupChoices::zoom() const
{
    const std::optional<double> zoom = parseZoom(m_settings.read(ProgramTitle, Section, ZoomKey, {}));
    if (!zoom || *zoom == AutomaticZoom)
        return std::nullopt;
    return zoom;
}

void SetupChoices::rememberZoom(std::optional<double> zoom)
{
    if (zoom && *zoom != AutomaticZoom)
        m_settings.write(ProgramTitle, Section, ZoomKey, QString::number(*zoom));
    else
        m_settings.remove(ProgramTitle, Section, ZoomKey);
}

std::optional<EarlyExit> settleCommandLine(
    const CommandLine &line, SetupChoices &choices, const QString &programName, const QString &workingFolder)
{
    switch (line.action) {
    case CommandLine::Action::Help:
        return EarlyExit { 0, helpText(programName), {} };
    case CommandLine::Action::Version:
        return EarlyExit { 0, versionText(programName), {} };
    case CommandLine::Action::Error:
        return EarlyExit { 2, {},
            QStringLiteral("%1: %2\nTry \"%1 --help\".\n").arg(programName, line.error) };
    case CommandLine::Action::ForgetDisc: {
        const QString forgotten = choices.disc();
        choices.forgetDisc();
        return EarlyExit { 0,
            forgotten.isEmpty() ? QStringLiteral("No disc was remembered.\n")
                                : QStringLiteral("Forgot the disc %1.\n").arg(forgotten),
            {} };
    }
    case CommandLine::Action::Run:
        break;
    }
    if (line.disc && !line.disc->isEmpty()) {
        const QFileInfo place(QDir(workingFolder), *line.disc);
        if (!place.isDir() && !place.isFile())
            return EarlyExit { 2, {},
                QStringLiteral("%1: no folder or disc image %2\n").arg(programName, *line.disc) };
        choices.rememberDisc(QDir::cleanPath(place.absoluteFilePath()));
    }
    if (line.zoom)
        choices.rememberZoom(line.zoom);
    return std::nullopt;
}
