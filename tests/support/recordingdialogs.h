#pragma once

#include "platform/base/dialogs.h"
#include "platform/base/printer.h"

#include <QList>
#include <functional>
#include <optional>

// Thrown after failing the test when a Retry box has no scripted answer.
struct UnansweredRetry
{
};

// Thrown after failing the test when a modal window opens where no window
// test expects one.
struct UnexpectedModalWindow
{
};

// Records every box and answers from a script; with the script used up it
// gives each box its first button's answer (OK or Yes). A Retry box without
// a scripted answer fails the test: answering Retry for ever would hang it.
// The file-save, open and printer-setup dialogs answer from their own scripts and
// cancel when those are used up. Modal windows belong to window tests
// (ScriptedDialogs); here one fails the test.
class RecordingDialogs : public Dialogs
{
public:
    Answer message(const Message &box) override;
    int runModal(QDialog &window) override;
    std::optional<QString> saveFile(const SaveFile &request) override;
    std::optional<QString> openPlace(const OpenPlace &request) override;
    bool printerSetup(PrinterChoice &choice) override;

    void script(QList<Answer> answers) { m_answers = std::move(answers); }
    // Runs while the next box is shown, before it is answered (a timer that
    // fires meanwhile, a disc put in), then is used up.
    std::function<void()> whileShown;
    const QList<Message> &shown() const { return m_shown; }
    const Message &last() const { return m_shown.constLast(); }
    void clear() { m_shown.clear(); }

    // nothing: the user cancels.
    QList<std::optional<QString>> saveAnswers;
    QList<SaveFile> saveRequests;
    // The folder or file the open dialog gives; nothing: the user cancels.
    QList<std::optional<QString>> openAnswers;
    QList<OpenPlace> openRequests;
    // The choice the printer setup confirms; nothing: the user cancels.
    QList<std::optional<PrinterChoice>> printerAnswers;
    int printerSetups = 0;

private:
    QList<Message> m_shown;
    QList<Answer> m_answers;
};
