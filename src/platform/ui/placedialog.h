#pragma once

#include "platform/base/dialogs.h"

#include <QFileDialog>

// Qt's own file dialog for Dialogs::openPlace. A file is chosen as usual; a
// folder that the request accepts is chosen like a file when it is opened
// with "Open" (highlighted in its parent); other folders open as usual. The
// request's sentence stands below the file list.
class PlaceDialog : public QFileDialog
{
    Q_OBJECT
public:
    PlaceDialog(const Dialogs::OpenPlace &request, QWidget *parent = nullptr);

    // The native path chosen; empty until the dialog was accepted.
    QString chosen() const { return m_chosen; }

    void accept() override;

private:
    std::function<bool(const QString &folder)> m_acceptsFolder;
    QString m_chosen;
};
