#include "scripteddialogs.h"

#include <QDialog>
#include <QPointer>

int ScriptedDialogs::runModal(QDialog &window)
{
    modalWindows << window.objectName();
    QPointer<QDialog> modal = &window;
    modal->setModal(true);
    modal->show();
    if (!m_modalActions.isEmpty())
        m_modalActions.takeFirst()(*modal);
    if (modal && modal->isVisible())
        modal->close();
    return modal ? modal->result() : int(QDialog::Rejected);
}
