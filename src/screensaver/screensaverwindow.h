#pragma once

#include "photoplaylist.h"

#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <optional>

class MediaFs;
class QTextStream;

// The screen saver's surface: the photographs of the playlist one after the
// other, scaled to fit on black, or the program title on a dark screen when
// there is nothing to show. On its own screen it ends on a key press, a
// mouse button or a movement of the mouse; drawn into another program's
// window, that program decides when it ends.
class ScreenSaverWindow : public QWidget
{
    Q_OBJECT
public:
    ScreenSaverWindow(const MediaFs &fs, PhotoPlaylist playlist, int intervalSeconds, bool endsOnInput,
                      QTextStream *trace = nullptr);

    // The next photograph that can be decoded; a corrupt one is passed over,
    // and when none can be, the title is shown.
    void showNext();
    // The media path on show; empty while the title is shown.
    QString shownPath() const { return m_shownPath; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QImage loadFitted(const QString &mediaPath) const;

    const MediaFs &m_fs;
    PhotoPlaylist m_playlist;
    const bool m_endsOnInput;
    QTextStream *m_trace;
    QTimer m_timer;
    QImage m_picture;
    QString m_shownPath;
    std::optional<QPoint> m_firstMouse;
};
