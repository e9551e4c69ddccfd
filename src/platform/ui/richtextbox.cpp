#include "richtextbox.h"

#include <memory>

#include <QScrollBar>
#include <QTextDocument>

#include "platform/base/mediafs.h"
#include "platform/richtext/rtfreader.h"

RichTextBox::RichTextBox(QWidget *parent)
    : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setReadOnly(true);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::LinksAccessibleByMouse
                            | Qt::LinksAccessibleByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setAccessibleName(QStringLiteral("Scroll down the text"));
    horizontalScrollBar()->setAccessibleName(QStringLiteral("Scroll across the text"));
}

bool RichTextBox::loadFile(const MediaFs &fs, const QString &mediaPath)
{
    // A file beyond the reader's limit is refused before anything is read.
    const auto bytes = fs.readAll(mediaPath, MaxRtfBytes);
    if (!bytes)
        return false;
    auto loaded = std::make_unique<QTextDocument>(this);
    if (!readRtf(*bytes, *loaded).ok)
        return false;
    // The box holds one document: setDocument deletes only the document it
    // made itself, so the one loaded before is deleted here.
    QTextDocument *previous = document()->parent() == this ? document() : nullptr;
    setDocument(loaded.release());
    delete previous;
    return true;
}

int RichTextBox::textLength() const
{
    return document()->characterCount() - 1;
}

void RichTextBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTextBrowser::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}
