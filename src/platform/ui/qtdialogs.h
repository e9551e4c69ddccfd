#pragma once

#include "platform/base/dialogs.h"

class QWidget;

// Message boxes through QMessageBox, parented to the active window; the
// file-save and printer-setup dialogs of Qt.
class QtDialogs : public Dialogs
{
public:
    Answer message(const Message &box) override;
    int runModal(QDialog &window) override;
    std::optional<QString> saveFile(const SaveFile &request) override;
    bool printerSetup(PrinterChoice &choice) override;
};
