#include "recordingdialogs.h"

Dialogs::Answer RecordingDialogs::message(const Message &box)
{
    m_shown.append(box);
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    switch (box.buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::Yes;
    case Buttons::RetryCancel:
        return Answer::Retry;
    }
    return Answer::Ok;
}
