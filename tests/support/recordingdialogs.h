#pragma once

#include "platform/base/dialogs.h"

#include <QList>

// Records every box and answers from a script; with the script used up it
// gives each box its first button's answer (OK, Yes or Retry).
class RecordingDialogs : public Dialogs
{
public:
    Answer message(const Message &box) override;

    void script(QList<Answer> answers) { m_answers = std::move(answers); }
    const QList<Message> &shown() const { return m_shown; }
    const Message &last() const { return m_shown.constLast(); }
    void clear() { m_shown.clear(); }

private:
    QList<Message> m_shown;
    QList<Answer> m_answers;
};
