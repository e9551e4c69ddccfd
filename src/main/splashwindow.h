#pragma once

#include "platform/base/mediacontrol.h"

#include <QTimer>
#include <QWidget>
#include <memory>

class QLabel;
class Screen;
class SSPanel;
class StretchedImage;

// The splash window Form2: the artwork and title band on a 3-D panel, the
// hidden media control that plays the intro sound, and Timer1, which opens
// the main window once.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    SplashWindow(const MediaControlFactory &mediaControls, const Screen &screen, QWidget *parent = nullptr);
    ~SplashWindow() override;

    SSPanel *SSPanel1;
    StretchedImage *Image1;
    QLabel *Picture3;
    std::unique_ptr<MediaControl> MMControl1;
    QTimer Timer1;

    // Shows the window in the middle of the screen.
    void showCentred();

private:
    const Screen &m_screen;
};
