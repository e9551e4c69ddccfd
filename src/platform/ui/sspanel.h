#pragma once

#include <QColor>
#include <QFrame>
#include <QString>

class QAbstractButton;

// The period's 3-D panel: a bevelled area that paints its own caption, and,
// with a flood type set, a gauge that fills from the left and shows a
// percentage. Its accessible name always follows the caption (or the
// percentage while it is a gauge).
class SSPanel : public QFrame
{
    Q_OBJECT
public:
    enum class Bevel { None, Inset, Raised };

    explicit SSPanel(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // Words said before the caption, for a caption that alone means little
    // to a listener ("Photograph " before the number "3").
    void setSpokenPrefix(const QString &prefix);
    void setAlignment(Qt::Alignment alignment);
    void setBevelOuter(Bevel bevel);
    void setBevelInner(Bevel bevel);
    void setBevelWidth(int pixels);
    void setForeColor(const QColor &color);
    void setBackColor(const QColor &color);

    // Gauge: while enabled the panel fills floodPercent of its width with the
    // flood colour and paints "NN%" in its middle.
    void setFloodEnabled(bool enabled);
    void setFloodPercent(int percent); // clamped to 0..100
    int floodPercent() const { return m_floodPercent; }
    bool isGauge() const { return m_flood; }
    void setFloodColor(const QColor &color);
    // The button that Escape presses while the focus is inside the panel
    // (its Close or Cancel).
    void setEscapeButton(QAbstractButton *button) { m_escapeButton = button; }
    // A one-line caption wider than the panel, drawn cut short with an
    // ellipsis; its tooltip and accessible name give it whole.
    bool captionCutShort() const;

Q_SIGNALS:
    void clicked();
    void doubleClicked();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void updateAccessibleName();
    QRect captionArea() const;

    QString m_caption;
    QString m_spokenPrefix;
    QAbstractButton *m_escapeButton = nullptr;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    Bevel m_outer = Bevel::Raised;
    Bevel m_inner = Bevel::None;
    int m_bevelWidth = 1;
    QColor m_foreColor;
    QColor m_backColor;
    bool m_flood = false;
    int m_floodPercent = 0;
    QColor m_floodColor = QColor(0, 0, 255);
};
