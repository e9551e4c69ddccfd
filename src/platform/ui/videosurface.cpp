#include "videosurface.h"

#include <QEvent>
#include <QTimer>
#include <QVideoSink>
#include <QVideoWidget>

VideoSurface::VideoSurface(std::function<bool()> holdsPicture)
    : m_holdsPicture(std::move(holdsPicture))
{
}

VideoSurface::~VideoSurface()
{
    delete m_video;
}

QVideoSink *VideoSurface::sink()
{
    widget();
    return m_sink;
}

void VideoSurface::pass(const QVideoFrame &picture)
{
    if (picture.isValid() && picture.startTime() >= 0 && picture.startTime() < m_holdBefore)
        return;
    if (picture.isValid())
        m_holdBefore = 0;
    if (m_video)
        m_video->videoSink()->setVideoFrame(picture);
}

QVideoWidget *VideoSurface::widget()
{
    if (m_video)
        return m_video;
    m_sink = new QVideoSink(this);
    connect(m_sink, &QVideoSink::videoFrameChanged, this, &VideoSurface::pass);
    m_video = new QVideoWidget(m_window);
    m_video->hide();
    QVideoSink *sink = m_video->videoSink();
    connect(sink, &QVideoSink::videoFrameChanged, this, [this, sink](const QVideoFrame &picture) {
        if (picture.isValid())
            m_picture = picture;
        else if (m_shown && m_picture.isValid() && m_holdsPicture())
            QTimer::singleShot(0, sink, [this, sink] {
                if (!sink->videoFrame().isValid() && m_shown) // no new picture came meanwhile
                    sink->setVideoFrame(m_picture);
            });
    });
    place();
    return m_video;
}

void VideoSurface::setWindow(QWidget *window)
{
    if (window == m_window)
        return;
    if (m_window) {
        m_window->removeEventFilter(this);
        m_window->disconnect(this);
    }
    m_window = window;
    if (m_window) {
        m_window->installEventFilter(this);
        // A window may go while a movie plays into it: the widget leaves it
        // first, and the movie plays on unseen.
        connect(m_window, &QObject::destroyed, this, [this] {
            if (m_video) {
                m_video->hide();
                m_video->setParent(nullptr);
            }
        });
    }
    if (m_video)
        m_video->setParent(m_window); // hidden until placed
    place();
}

void VideoSurface::setShown(bool shown)
{
    m_shown = shown;
    m_holdBefore = 0;
    if (!shown)
        m_picture = QVideoFrame();
    place();
}

bool VideoSurface::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize)
        place();
    return QObject::eventFilter(watched, event);
}

void VideoSurface::place()
{
    if (!m_video)
        return;
    if (!m_window || !m_shown)
        return m_video->hide();
    m_video->setGeometry(m_window->rect());
    m_video->show();
}
