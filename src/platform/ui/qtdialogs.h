#pragma once

#include "platform/base/dialogs.h"

class QWidget;

// Message boxes through QMessageBox, parented to the active window; the
// file-save, open and printer-setup dialogs of Qt.
class QtDialogs : public Dialogs
{
public:
    Answer message(const Message &box) override;
    int runModal(QDialog &window) override;
    std::optional<QString> saveFile(const SaveFile &request) override;
    std::optional<QString> openPlace(const OpenPlace &request) override;
    bool printerSetup(PrinterChoice &choice) override;
};
