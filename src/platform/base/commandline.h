#pragma once

#include <QByteArrayList>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The program's own options, read before anything else starts (no display
// is needed for --help or --version):
//
//   --disc PATH      the anthology is this folder or disc image; remembered
//   --forget-disc    forget the remembered disc, then end
//   --zoom FACTOR    draw everything FACTOR times larger ("auto": by the screen); remembered
//   --help, --version
//
// Options of the window system toolkit are written with one dash
// ("-platform xcb", "-display :1") and are left for it, as is everything
// that is not an option: what remains is the program's classic command line
// ("HWI").
struct CommandLine
{
    enum class Action { Run, Help, Version, ForgetDisc, Error };

    Action action = Action::Run;
    // As given; an empty value ("--disc=" from a launcher that had no file) names no disc.
    std::optional<QString> disc;
    // The factor given, AutomaticZoom for "auto"; unset when --zoom was not given.
    std::optional<double> zoom;
    // The arguments left for the toolkit and the classic command line, in order.
    QStringList remaining;
    // Why the command line was refused (Action::Error).
    QString error;
};

// arguments: everything after the program's name.
CommandLine parseCommandLine(const QStringList &arguments);

// The zoom factors --zoom accepts, and what "auto" stands for.
constexpr double SmallestZoom = 0.5;
constexpr double LargestZoom = 8.0;
constexpr double AutomaticZoom = 0.0;
// "1.5" gives 1.5, "auto" AutomaticZoom; anything else (or a factor outside
// SmallestZoom..LargestZoom) gives nothing.
std::optional<double> parseZoom(const QString &text);

// What --help and --version print.
QString helpText(const QString &programName);
QString versionText(const QString &programName);

// argc and argv for the application object: the program's name and the
// arguments the command line left. Lives as long as that object.
class ToolkitArguments
{
public:
    ToolkitArguments(const char *programName, const QStringList &remaining);
    ToolkitArguments(const ToolkitArguments &) = delete;
    ToolkitArguments &operator=(const ToolkitArguments &) = delete;

    int &argc() { return m_count; }
    char **argv() { return m_pointers.data(); }

private:
    QByteArrayList m_bytes;
    QList<char *> m_pointers;
    int m_count = 0;
};
