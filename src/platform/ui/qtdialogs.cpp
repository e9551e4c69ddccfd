#include "qtdialogs.h"

#include "placedialog.h"
#include "platform/base/printer.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

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

int QtDialogs::runModal(QDialog &window)
{
    return window.exec();
}

std::optional<QString> QtDialogs::saveFile(const SaveFile &request)
{
    QStringList filters;
    for (const auto &[description, pattern] : request.filters)
        filters << description + QStringLiteral(" (") + pattern + u')';
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.folder, filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QString suffix = request.defaultExtension;
    dialog.setDefaultSuffix(suffix.startsWith(u'.') ? suffix.mid(1) : suffix);
    dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

std::optional<QString> QtDialogs::openPlace(const OpenPlace &request)
{
    PlaceDialog dialog(request, QApplication::activeWindow());
    // The question may come while the busy pointer is up.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = dialog.exec();
    QApplication::restoreOverrideCursor();
    if (result != QDialog::Accepted || dialog.chosen().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.chosen());
}

bool QtDialogs::printerSetup(PrinterChoice &choice)
{
    QPrinter printer;
    if (!choice.printerName.isEmpty())
        printer.setPrinterName(choice.printerName);
    printer.setPageSize(choice.pageSize);
    printer.setPageOrientation(choice.orientation);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    // Setup chooses the printer and its paper; what to print is decided later.
    dialog.setOptions({});
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice.printerName = printer.outputFormat() == QPrinter::PdfFormat ? QString() : printer.printerName();
    choice.pageSize = printer.pageLayout().pageSize();
    choice.orientation = printer.pageLayout().orientation();
    return true;
}
