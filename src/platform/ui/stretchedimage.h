#pragma once

#include <QImage>
#include <QWidget>

// A picture stretched to fill the control (smooth scaling), like the period's
// image control with Stretch on, or fitted inside it keeping its proportions. Empty until a picture is set. Reports mouse
// presses with their button, and clicks/double-clicks.
class StretchedImage : public QWidget
{
    Q_OBJECT
public:
    explicit StretchedImage(QWidget *parent = nullptr);

    void setImage(const QImage &image);
    QImage image() const { return m_image; }
    void clear();
    bool hasImage() const { return !m_image.isNull(); }
    // A photograph keeps its proportions: fitted inside the control and
    // centred (a picture with the control's own proportions fills it).
    void setKeepsProportions(bool keeps);
    // Where the picture is drawn inside the control.
    QRect pictureRect() const;

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button);
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QImage m_image;
    QPixmap m_scaled; // the picture at the size it is drawn, made once per size
    bool m_keepsProportions = false;
};
