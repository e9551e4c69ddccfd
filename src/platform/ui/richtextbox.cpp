#include "richtextbox.h"

#include "platform/base/mediafs.h"
#include "platform/richtext/rtfreader.h"

#include <QTextDocument>

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
}

bool RichTextBox::loadFile(const MediaFs &fs, const QString &mediaPath)
{
    const auto bytes = fs.readAll(mediaPath);
    if (!bytes)
        return false;
    auto *loaded = new QTextDocument(this);
    if (!readRtf(*bytes, *loaded).ok) {
        delete loaded;
        return false;
    }
    // The box owns its documents: the one shown before is deleted here.
    setDocument(loaded);
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
