#pragma once

#include <QObject>
#include <QPointer>
#include <QVideoFrame>

#include <functional>

class QVideoSink;
class QVideoWidget;
class QWidget;

// The video widget of a media control, laid over its display window and
// kept for the control's life: a widget made anew for each movie now and
// then never gets the movie's first picture. The widget also forgets its
// picture when it is first shown or moved into another window; while the
// movie does not play, the surface gives it back.
//
// Players draw into the surface's own sink, which passes their pictures on
// to the widget. A player is given the sink before it loads its movie and
// keeps it: a sink handed to a player that already streams leaves the
// player's picture queue with nowhere to send pictures for a moment, and
// the movie stops with an error or stalls.
class VideoSurface : public QObject
{
    Q_OBJECT
public:
    explicit VideoSurface(std::function<bool()> holdsPicture);
    ~VideoSurface() override;

    // The sink a player draws into; the widget that shows its pictures is
    // made with it. It lies over the window, or waits hidden for one to be
    // named.
    QVideoSink *sink();
    void setWindow(QWidget *window);
    // A movie is open: the widget shows over the window. Closed: it goes.
    void setShown(bool shown);
    // Pictures stamped before this time (in microseconds) are not passed on
    // until one stamped at it or later comes: a movie loaded afresh to go on
    // from a place shows its first picture first, and the picture on show
    // stays instead.
    void holdBefore(qint64 startTime) { m_holdBefore = startTime; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QVideoWidget *widget();
    void pass(const QVideoFrame &picture);
    void place();

    std::function<bool()> m_holdsPicture;
    QPointer<QWidget> m_window;
    QPointer<QVideoWidget> m_video;
    QVideoSink *m_sink = nullptr; // made with the widget
    QVideoFrame m_picture; // the latest picture
    qint64 m_holdBefore = 0;
    bool m_shown = false;
};
