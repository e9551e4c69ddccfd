#include "screensaverwindow.h"

#include "core/errortable.h"
#include "platform/base/mediafs.h"
#include "platform/base/pictureloader.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextStream>

namespace {
// A mouse that moves less than this (a table knock) does not end the screen saver.
constexpr int MouseSlack = 4;
}

ScreenSaverWindow::ScreenSaverWindow(const MediaFs &fs, PhotoPlaylist playlist, int intervalSeconds,
                                     bool endsOnInput, QTextStream *trace)
    : m_fs(fs)
    , m_playlist(std::move(playlist))
    , m_endsOnInput(endsOnInput)
    , m_trace(trace)
{
    setObjectName(QStringLiteral("VireonScreenSaver"));
    setWindowTitle(ProgramTitle);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    if (m_endsOnInput)
        setCursor(Qt::BlankCursor);
    m_timer.setInterval(intervalSeconds * 1000);
    connect(&m_timer, &QTimer::timeout, this, &ScreenSaverWindow::showNext);
    m_timer.start();
}

QImage ScreenSaverWindow::loadFitted(const QString &mediaPath) const
{
    const auto file = m_fs.resolve(mediaPath);
    if (!file)
        return {};
    const QSize natural = QImageReader(*file).size();
    if (!natural.isValid() || natural.isEmpty())
        return {};
    return loadPicture(m_fs, mediaPath, natural.scaled(size().expandedTo(QSize(1, 1)), Qt::KeepAspectRatio));
}

void ScreenSaverWindow::showNext()
{
    // A photograph that cannot be shown leaves the list, so this ends.
    while (!m_playlist.isEmpty()) {
        const QString path = m_playlist.next();
        QImage picture = loadFitted(path);
        if (picture.isNull()) {
            m_playlist.passOver(path);
            continue;
        }
        m_playlist.shown(path);
        m_picture = std::move(picture);
        m_shownPath = path;
        if (m_trace)
            *m_trace << "shown " << path << Qt::endl;
        update();
        return;
    }
    m_picture = QImage();
    m_shownPath.clear();
    if (m_trace)
        *m_trace << "shown title" << Qt::endl;
    update();
}

void ScreenSaverWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!m_picture.isNull()) {
        QRect place(QPoint(), m_picture.size().scaled(size(), Qt::KeepAspectRatio));
        place.moveCenter(rect().center());
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(place, m_picture);
        return;
    }
    QFont font = p.font();
    font.setPointSizeF(qMax(12.0, height() / 20.0));
    p.setFont(font);
    p.setPen(QColor(150, 150, 165));
    p.drawText(rect(), Qt::AlignCenter, ProgramTitle);
}

void ScreenSaverWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The picture is decoded for the window's size: a new size decodes it again.
    if (!m_shownPath.isEmpty())
        if (QImage picture = loadFitted(m_shownPath); !picture.isNull())
            m_picture = std::move(picture);
}

void ScreenSaverWindow::keyPressEvent(QKeyEvent *event)
{
    if (m_endsOnInput)
        close();
    else
        QWidget::keyPressEvent(event);
}

void ScreenSaverWindow::mousePressEvent(QMouseEvent *event)
{
    if (m_endsOnInput)
        close();
    else
        QWidget::mousePressEvent(event);
}

void ScreenSaverWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_endsOnInput)
        return QWidget::mouseMoveEvent(event);
    const QPoint at = event->globalPosition().toPoint();
    if (!m_firstMouse)
        m_firstMouse = at;
    else if ((at - *m_firstMouse).manhattanLength() > MouseSlack)
        close();
}
