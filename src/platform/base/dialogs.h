#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <functional>
#include <optional>

class QDialog;
struct PrinterChoice;

// Message boxes with the period's buttons and icons, the modal windows, and
// the common dialogs (file save, printer setup).
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

    // The file-save dialog: its title, the extension added to a name typed
    // without one (".jpg"), the filters as (description, pattern) pairs, and
    // the folder and file name it opens with.
    struct SaveFile
    {
        QString title;
        QString defaultExtension;
        QList<QPair<QString, QString>> filters;
        QString folder;
        QString fileName;
    };

    // The open dialog for a place that may be a folder or a file: its title,
    // one sentence that says what to choose, the file filters, the folder it
    // opens in, and which folders are a choice themselves (the others open,
    // as folders do in the dialog).
    struct OpenPlace
    {
        QString title;
        QString explanation;
        QList<QPair<QString, QString>> filters;
        QString folder;
        std::function<bool(const QString &folder)> acceptsFolder;
    };

    virtual ~Dialogs() = default;
    virtual Answer message(const Message &box) = 0;
    // Runs a window modally and returns its result (QDialog::Accepted or
    // Rejected) once it has closed. Every modal viewer goes through here.
    virtual int runModal(QDialog &window) = 0;
    // The native path chosen, or nothing when the user cancelled.
    virtual std::optional<QString> saveFile(const SaveFile &request) = 0;
    // The native path of the folder or file chosen, or nothing when the user cancelled.
    virtual std::optional<QString> openPlace(const OpenPlace &request) = 0;
    // Lets the user choose the printer and its paper; the choice is changed
    // only when the dialog is confirmed (true).
    virtual bool printerSetup(PrinterChoice &choice) = 0;
};
