#pragma once

#include <QImage>
#include <QString>

// The system clipboard. Placing something replaces whatever it held, as a
// bitmap or plain text other programs can paste.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void setImage(const QImage &picture) = 0;
    virtual void setText(const QString &text) = 0;
    virtual QImage image() const = 0;
    virtual QString text() const = 0;
};

// The clipboard of the window system.
class QtClipboard : public Clipboard
{
public:
    void setImage(const QImage &picture) override;
    void setText(const QString &text) override;
    QImage image() const override;
    QString text() const override;
};
