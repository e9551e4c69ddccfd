#include "placedialog.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

PlaceDialog::PlaceDialog(const Dialogs::OpenPlace &request, QWidget *parent)
    : QFileDialog(parent, request.title, request.folder)
    , m_acceptsFolder(request.acceptsFolder)
{
    setObjectName(QStringLiteral("PlaceDialog"));
    // The desktop's own dialogs cannot take a folder and a file alike.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
    QStringList filters;
    for (const auto &[description, pattern] : request.filters)
        filters << description + QStringLiteral(" (") + pattern + u')';
    setNameFilters(filters);
    if (auto *grid = qobject_cast<QGridLayout *>(layout())) {
        auto *sentence = new QLabel(request.explanation, this);
        sentence->setObjectName(QStringLiteral("explanation"));
        sentence->setWordWrap(true);
        grid->addWidget(sentence, grid->rowCount(), 0, 1, grid->columnCount());
    }
}

void PlaceDialog::accept()
{
    const QStringList selected = selectedFiles();
    if (selected.size() == 1) {
        const QFileInfo place(selected.constFirst());
        if (place.isDir() && m_acceptsFolder && m_acceptsFolder(place.absoluteFilePath())) {
            m_chosen = place.absoluteFilePath();
            QDialog::accept();
            return;
        }
    }
    // A file is chosen, a folder opened.
    QFileDialog::accept();
    if (result() == QDialog::Accepted && !selectedFiles().isEmpty())
        m_chosen = selectedFiles().constFirst();
}
