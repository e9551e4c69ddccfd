#pragma once

#include "pagerules.h"

#include <QDialog>
#include <QImage>
#include <optional>

class MediaFs;
class QLineEdit;
class QScrollBar;
class Screen;
class SpinButton;
class SSCommand;
class StretchedImage;
struct PageViewerState;
struct Session;

// The page viewer frmScroll: one brochure or advertisement page at a time,
// on the whole screen. The full-size view shows the page (picChild) at its
// natural size in the viewport picParent with two scroll bars; the fit view
// (Image1, beneath the viewport) stretches the whole page into a box. The
// window is destroyed when it closes.
class PageViewerWindow : public QDialog
{
    Q_OBJECT
public:
    PageViewerWindow(MediaFs &fs, Screen &screen, Session &session, PageViewerState &state);

    // The opening's steps, in the order it takes them.
    void setCounter();
    void setSpinVisible(bool visible);
    // Left 0, top 0, as wide and as high as the screen; the controls are laid out for it.
    void placeFullScreen();
    // Hides the views and the scroll bars and loads the page into picChild and
    // Image1, Image1 620 wide and as high as the viewport; false when the page
    // cannot be read.
    bool loadFirstPage(const QString &mediaPath);
    // Shows or hides the viewport, the page and both scroll bars together.
    void showFullSizeView(bool visible);

    // Previous and next page, with wrap-around; missing pages are skipped.
    void SpinDown();
    void SpinUp();

    // Event handlers.
    void Form_Resize();
    void HScroll1_Change(int value);
    void VScroll1_Change(int value);
    void Image1_Click();
    void Image1_MouseDown(Qt::MouseButton button);
    void picChild_Click();
    void picChild_MouseDown(Qt::MouseButton button);
    void sscommand1_KeyPress(QChar key);

    QWidget *picParent;
    StretchedImage *picChild;
    StretchedImage *Image1;
    QScrollBar *HScroll1;
    QScrollBar *VScroll1;
    SSCommand *sscommand1;
    SpinButton *SpinButton1;
    QLineEdit *Text1;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Reads a page file; a missing, damaged or oversized picture gives nothing.
    std::optional<QImage> loadPage(const QString &mediaPath) const;
    void setPage(const QImage &page);
    void turnPage(const QList<int> &candidates);
    void applyScrollAxis(QScrollBar *bar, const ScrollAxis &axis);
    // The full-size view scrolled by the keyboard or the wheel, a line at a time.
    static constexpr int LineStep = 20;
    void scrollBy(QScrollBar *bar, int pixels);
    // The arrows, Page Up and Down, Home and End; false for any other key.
    bool scrollKey(int key);

    MediaFs &m_fs;
    Screen &m_screen;
    Session &m_session;
    PageViewerState &m_state;
};
