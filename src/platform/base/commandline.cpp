#include "commandline.h"

#include <cmath>

#ifndef VIREON_VERSION
#define VIREON_VERSION "unknown"
#endif

namespace {
// "--disc=PATH" or "--disc PATH": the value, or nothing when it is missing.
std::optional<QString> valueOf(const QString &option, const QStringList &arguments, qsizetype &i)
{
    const QString &argument = arguments.at(i);
    if (argument.size() > option.size() && argument.at(option.size()) == u'=')
        return argument.mid(option.size() + 1);
    if (argument != option || i + 1 >= arguments.size())
        return std::nullopt;
    return arguments.at(++i);
}

bool isOption(const QString &argument, const QString &option)
{
    return argument == option || argument.startsWith(option + u'=');
}

CommandLine refused(const QString &why)
{
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.error = why;
    return line;
}
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == u"--help" || argument == u"-h") {
            line.action = CommandLine::Action::Help;
            return line;
        }
        if (argument == u"--version") {
            line.action = CommandLine::Action::Version;
            return line;
        }
        if (argument == u"--forget-disc") {
            line.action = CommandLine::Action::ForgetDisc;
        } else if (isOption(argument, QStringLiteral("--disc"))) {
            line.disc = valueOf(QStringLiteral("--disc"), arguments, i);
            if (!line.disc)
                return refused(QStringLiteral("--disc needs a folder or a disc image"));
        } else if (isOption(argument, QStringLiteral("--zoom"))) {
            const std::optional<QString> value = valueOf(QStringLiteral("--zoom"), arguments, i);
            line.zoom = value ? parseZoom(*value) : std::nullopt;
            if (!line.zoom)
                return refused(QStringLiteral("--zoom needs \"auto\" or a factor from %1 to %2")
                                   .arg(SmallestZoom)
                                   .arg(LargestZoom));
        } else if (argument.startsWith(QStringLiteral("--")) && argument.size() > 2) {
            return refused(QStringLiteral("unknown option %1").arg(argument));
        } else {
            line.remaining << argument;
        }
    }
    return line;
}

std::optional<double> parseZoom(const QString &text)
{
    if (text.compare(u"auto", Qt::CaseInsensitive) == 0)
        return AutomaticZoom;
    bool ok = false;
    const double factor = text.toDouble(&ok);
    if (!ok || !std::isfinite(factor) || factor < SmallestZoom || factor > LargestZoom)
        return std::nullopt;
    return factor;
}

QString helpText(const QString &programName)
{
    return QStringLiteral(
        "Usage: %1 [--disc PATH] [--zoom FACTOR|auto] [HWI]\n"
        "       %1 --forget-disc | --help | --version\n"
        "\n"
        "The Vireon Anthology: photographs, documents, brochures, sounds and movies of\n"
        "one line of cars, read from the anthology disc.\n"
        "\n"
        "  --disc PATH      the anthology disc is this folder or ISO 9660 disc image;\n"
        "                   it is remembered, so later starts find it without the option\n"
        "  --forget-disc    forget the remembered disc and end\n"
        "  --zoom FACTOR    draw the program FACTOR times larger (%2 to %3; remembered);\n"
        "                   \"auto\" chooses by the size of the screen again\n"
        "  --help           show this text and end\n"
        "  --version        show the version and end\n"
        "  HWI              alone (besides these options): the program's own folder serves as the disc\n"
        "\n"
        "Environment: VIREON_DRIVES=\"E=/media/cdrom;G=/srv/anthology.iso\" maps drive letters\n"
        "explicitly (the remembered disc is then not used); VIREON_PROGRAM_FOLDER names the\n"
        "program's own folder.\n")
        .arg(programName)
        .arg(SmallestZoom)
        .arg(LargestZoom);
}

QString versionText(const QString &programName)
{
    return QStringLiteral("%1 %2\n").arg(programName, QStringLiteral(VIREON_VERSION));
}

ToolkitArguments::ToolkitArguments(const char *programName, const QStringList &remaining)
{
    m_bytes << QByteArray(programName);
    for (const QString &argument : remaining)
        m_bytes << argument.toLocal8Bit();
    for (QByteArray &bytes : m_bytes)
        m_pointers << bytes.data();
    m_count = int(m_bytes.size());
    m_pointers << nullptr;
}
