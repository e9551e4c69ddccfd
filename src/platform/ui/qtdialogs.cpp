#include "qtdialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {
QMessageBox::StandardButtons buttonsOf(Dialogs::Buttons buttons)
{
    switch (buttons) {
    case Dialogs::Buttons::Ok:
        return QMessageBox::Ok;
    case Dialogs::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Dialogs::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Dialogs::Buttons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon iconOf(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::None:
        return QMessageBox::NoIcon;
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

Dialogs::Answer answerOf(int button, Dialogs::Buttons buttons)
{
    switch (button) {
    case QMessageBox::Ok:
        return Dialogs::Answer::Ok;
    case QMessageBox::Yes:
        return Dialogs::Answer::Yes;
    case QMessageBox::No:
        return Dialogs::Answer::No;
    case QMessageBox::Retry:
        return Dialogs::Answer::Retry;
    case QMessageBox::Cancel:
        return Dialogs::Answer::Cancel;
    }
    // Escape or the close box: the box's "no" answer.
    switch (buttons) {
    case Dialogs::Buttons::Ok:
        return Dialogs::Answer::Ok;
    case Dialogs::Buttons::YesNo:
        return Dialogs::Answer::No;
    default:
        return Dialogs::Answer::Cancel;
    }
}
}

Dialogs::Answer QtDialogs::message(const Message &box)
{
    QPointer<QMessageBox> dialog =
        new QMessageBox(iconOf(box.icon), box.title, box.text, buttonsOf(box.buttons), QApplication::activeWindow());
    dialog->setWindowModality(box.systemModal ? Qt::ApplicationModal : Qt::WindowModal);
    if (box.systemModal)
        dialog->setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog->setAccessibleName(box.title);
    dialog->setAccessibleDescription(box.text);
    // A box shown while the busy pointer is up still needs an arrow to answer it.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = dialog->exec();
    QApplication::restoreOverrideCursor();
    const Answer answer = answerOf(dialog ? dialog->standardButton(dialog->clickedButton()) : result, box.buttons);
    delete dialog;
    return answer;
}
