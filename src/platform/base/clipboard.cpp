#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void QtClipboard::setImage(const QImage &picture)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(picture);
}

void QtClipboard::setText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

QImage QtClipboard::image() const
{
    return QGuiApplication::clipboard()->image();
}

QString QtClipboard::text() const
{
    return QGuiApplication::clipboard()->text();
}
