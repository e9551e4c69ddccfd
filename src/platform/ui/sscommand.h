#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>

// The period's 3-D command button: a push button whose caption colour and
// size can be set (the year buttons are painted navy, green and red), and
// that may carry a picture instead of, or beside, its caption. A button with
// a picture and no caption needs an accessible name (setAccessibleName).
class SSCommand : public QPushButton
{
    Q_OBJECT
public:
    explicit SSCommand(const QString &caption = {}, QWidget *parent = nullptr);

    void setCaptionColor(const QColor &color);
    QColor captionColor() const { return m_captionColor; }
    void setCaptionPointSize(int points);
    void setPicture(const QPixmap &picture);

protected:
    // Enter and Return press the button that has the focus, as the space bar does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QColor m_captionColor;
};
