#pragma once

#include <QString>

// Message boxes with the period's buttons and icons.
class Dialogs
{
public:
    enum class Buttons { Ok, OkCancel, YesNo, RetryCancel };
    enum class Icon { None, Critical, Question, Exclamation, Information };
    enum class Answer { Ok, Cancel, Yes, No, Retry };

    struct Message
    {
        QString title;
        QString text;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        bool systemModal = false;
    };

    virtual ~Dialogs() = default;
    virtual Answer message(const Message &box) = 0;
};
