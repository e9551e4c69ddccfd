#pragma once

#include <QWidget>

// The client area of the main window. A press on its own background (not
// one that a control under the pointer passed on) is reported: the first
// click on the window selects 1955.
class ClientArea : public QWidget
{
    Q_OBJECT
public:
    explicit ClientArea(QWidget *parent);

Q_SIGNALS:
    void backgroundPressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
