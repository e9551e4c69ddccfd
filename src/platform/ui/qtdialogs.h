#pragma once

#include "platform/base/dialogs.h"

class QWidget;

// Message boxes through QMessageBox, parented to the active window.
class QtDialogs : public Dialogs
{
public:
    Answer message(const Message &box) override;
};
