#pragma once

#include "recordingdialogs.h"

#include <QStringList>
#include <functional>

// The dialogs of window tests: the boxes of RecordingDialogs, and modal
// windows shown (not run in a nested event loop) and handed to the scripted
// actions in order. A window the action left open is then closed, as the
// user would close it; with no action left it is closed at once.
class ScriptedDialogs : public RecordingDialogs
{
public:
    using ModalAction = std::function<void(QDialog &window)>;

    int runModal(QDialog &window) override;

    void scriptModal(ModalAction action) { m_modalActions.append(std::move(action)); }
    // The objectName of every window run modally, in order.
    QStringList modalWindows;

private:
    QList<ModalAction> m_modalActions;
};
