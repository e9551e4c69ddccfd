#include "recordingdialogs.h"

#include <QTest>

#include <utility>

Dialogs::Answer RecordingDialogs::message(const Message &box)
{
    m_shown.append(box);
    if (const auto step = std::exchange(whileShown, {}))
        step();
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    switch (box.buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::Yes;
    case Buttons::RetryCancel:
        break;
    }
    QTest::qFail(qPrintable(QStringLiteral("a Retry box that no test answers: ") + box.text), __FILE__, __LINE__);
    throw UnansweredRetry{};
}

int RecordingDialogs::runModal(QDialog &)
{
    QTest::qFail("a modal window opened in a test of logic", __FILE__, __LINE__);
    throw UnexpectedModalWindow{};
}

std::optional<QString> RecordingDialogs::saveFile(const SaveFile &request)
{
    saveRequests << request;
    return saveAnswers.isEmpty() ? std::nullopt : saveAnswers.takeFirst();
}

std::optional<QString> RecordingDialogs::openPlace(const OpenPlace &request)
{
    openRequests << request;
    return openAnswers.isEmpty() ? std::nullopt : openAnswers.takeFirst();
}

bool RecordingDialogs::printerSetup(PrinterChoice &choice)
{
    ++printerSetups;
    const std::optional<PrinterChoice> answer = printerAnswers.isEmpty() ? std::nullopt : printerAnswers.takeFirst();
    if (!answer)
        return false;
    choice = *answer;
    return true;
}
