#pragma once

#include <QString>
#include <optional>

class SettingsStore;
struct CommandLine;

// What the user chose about where and how the program runs, kept for later
// starts in the settings ("The Vireon Anthology", section "Setup"): the disc
// (a native folder or disc image; --disc, or the question at start-up) and
// the zoom (--zoom).
class SetupChoices
{
public:
    explicit SetupChoices(SettingsStore &settings);

    // The remembered disc; empty when none was ever chosen (or it was forgotten).
    QString disc() const;
    void rememberDisc(const QString &nativePath);
    void forgetDisc();

    // The remembered zoom; nothing when the screen decides.
    std::optional<double> zoom() const;
    // Nothing (or AutomaticZoom) lets the screen decide again.
    void rememberZoom(std::optional<double> zoom);

private:
    SettingsStore &m_settings;
};

// The end of a run that the command line alone decides (help, version,
// forgetting the disc, a refused option), with what to print.
struct EarlyExit
{
    int exitCode = 0;
    QString output; // for standard output
    QString errors; // for standard error
};

// Carries out the command line's part that needs no window: prints help or
// the version, forgets the disc, or remembers the disc (made absolute against
// workingFolder; it must be an existing folder or file) and the zoom for this
// and later starts. Nothing when the program goes on to start.
std::optional<EarlyExit> settleCommandLine(
    const CommandLine &line, SetupChoices &choices, const QString &programName, const QString &workingFolder);
