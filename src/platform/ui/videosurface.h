#pragma once

#include <QObject>
#include <QPointer>
#include <QVideoFrame>

#include <functional>

class QVideoWidget;
class QWidget;

// The video widget of a media control, laid over its display window and
// kept for the control's life: a widget made anew for each movie now and
// then never gets the movie's first picture. The widget also forgets its
// picture when it is first shown or moved into another window; while the
// movie does not play, the surface gives it back.
class VideoSurface : public QObject
{
    Q_OBJECT
public:
    explicit VideoSurface(std::function<bool()> holdsPicture);
    ~VideoSurface() override;

    // The widget, made on first use; it lies over the window, or waits
    // hidden for one to be named.
    QVideoWidget *widget();
    void setWindow(QWidget *window);
    // A movie is open: the widget shows over the window. Closed: it goes.
    void setShown(bool shown);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();

    std::function<bool()> m_holdsPicture;
    QPointer<QWidget> m_window;
    QPointer<QVideoWidget> m_video;
    QVideoFrame m_picture; // the latest picture
    bool m_shown = false;
};
