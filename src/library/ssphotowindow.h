#pragma once

#include <QWidget>

class QLabel;

// The screen-saver photo selection window frmSSPhoto: a small window that
// stays on top of the main window while open and does not block it.
class ScreenSaverPhotoWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ScreenSaverPhotoWindow(QWidget *parent = nullptr);

    QLabel *Text4;
};
