#include "pageviewerwindow.h"

#include "core/session.h"
#include "platform/base/mediafs.h"
#include "platform/base/pictureloader.h"
#include "platform/base/screen.h"
#include "platform/ui/busypointer.h"
#include "platform/ui/controls.h"
#include "platform/ui/spinbutton.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/stretchedimage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>

namespace {
constexpr int ScrollBarThickness = 17;
// The fit view's width as the opening sets it, before the layout shapes it.
constexpr int FirstFitViewWidth = 620;

const QString FullSizeTip =
    QStringLiteral("Click the left mouse button to view zoom out. Click the Right mouse button to close.");
const QString FitViewTip = QStringLiteral("Click the left mouse button to zoom in. Click the Right mouse button to close.");
const QString SpinTip = QStringLiteral("Selects backward and forward through multiple ads if present. ");

QScrollBar *makeScrollBar(QWidget *parent, Qt::Orientation orientation, const QString &name)
{
    auto *bar = new QScrollBar(orientation, parent);
    bar->setObjectName(name);
    bar->setAccessibleName(orientation == Qt::Horizontal ? QStringLiteral("Scroll across the page")
                                                         : QStringLiteral("Scroll down the page"));
    bar->setFocusPolicy(Qt::NoFocus);
    bar->resize(ScrollBarThickness, ScrollBarThickness);
    return bar;
}
}

PageViewerWindow::PageViewerWindow(MediaFs &fs, Screen &screen, Session &session, PageViewerState &state)
    : m_fs(fs)
    , m_screen(screen)
    , m_session(session)
    , m_state(state)
{
    setObjectName(QStringLiteral("frmScroll"));
    setAttribute(Qt::WA_DeleteOnClose);

    // Created bottom to top: the fit view lies beneath the viewport, the spin
    // control and the counter lie over the page.
    Image1 = makeImage(this, QStringLiteral("Image1"), pixelPlace(0, 0, 0, 0));
    Image1->setToolTip(FitViewTip);
    Image1->setAccessibleName(QStringLiteral("Page"));
    picParent = new QWidget(this);
    picParent->setObjectName(QStringLiteral("picParent"));
    picParent->setToolTip(FullSizeTip);
    picParent->setAutoFillBackground(true); // hides the fit view beneath it
    picChild = makeImage(picParent, QStringLiteral("picChild"), pixelPlace(0, 0, 0, 0));
    picChild->setToolTip(FullSizeTip);
    picChild->setAccessibleName(QStringLiteral("Page at full size"));
    HScroll1 = makeScrollBar(this, Qt::Horizontal, QStringLiteral("HScroll1"));
    VScroll1 = makeScrollBar(this, Qt::Vertical, QStringLiteral("VScroll1"));
    sscommand1 = makeButton(this, QStringLiteral("sscommand1"), QString(), pixelPlace(0, 0, 17, 17));
    sscommand1->setAccessibleName(QStringLiteral("Close"));
    SpinButton1 = new SpinButton(Qt::Horizontal, this);
    SpinButton1->setObjectName(QStringLiteral("SpinButton1"));
    SpinButton1->setHalfNames(QStringLiteral("Forward"), QStringLiteral("Back"));
    // The halves pass the hover on, so the control's own tooltip shows.
    SpinButton1->upButton()->setToolTip(QString());
    SpinButton1->downButton()->setToolTip(QString());
    SpinButton1->setToolTip(SpinTip);
    SpinButton1->resize(49, 16);
    Text1 = makeTextBox(this, QStringLiteral("Text1"), pixelPlace(49, 0, 57, 19));
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);
    Text1->setAccessibleName(QStringLiteral("Page"));

    connect(HScroll1, &QScrollBar::valueChanged, this, &PageViewerWindow::HScroll1_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &PageViewerWindow::VScroll1_Change);
    connect(Image1, &StretchedImage::clicked, this, &PageViewerWindow::Image1_Click);
    connect(Image1, &StretchedImage::mousePressed, this, &PageViewerWindow::Image1_MouseDown);
    connect(picChild, &StretchedImage::clicked, this, &PageViewerWindow::picChild_Click);
    connect(picChild, &StretchedImage::mousePressed, this, &PageViewerWindow::picChild_MouseDown);
    connect(SpinButton1, &SpinButton::SpinDown, this, [this] {
        SpinDown();
        sscommand1->setFocus();
    });
    connect(SpinButton1, &SpinButton::SpinUp, this, [this] {
        SpinUp();
        sscommand1->setFocus();
    });
    connect(sscommand1, &QPushButton::clicked, this, &QWidget::close);
    sscommand1->installEventFilter(this);
}

void PageViewerWindow::setCounter()
{
    Text1->setText(counterText(m_state.CurrentPage, m_state.PageCount));
}

void PageViewerWindow::setSpinVisible(bool visible)
{
    SpinButton1->setVisible(visible);
    Text1->setVisible(visible);
}

void PageViewerWindow::placeFullScreen()
{
    const QSize screen = m_screen.sizeInPixels();
    create(); // the native window knows its frame, which the screen's size includes
    setOuterPlace(this, Twips{ 0, 0, pixelsToTwips(screen.width()), pixelsToTwips(screen.height()) });
    // A window not yet shown hears of its new size only when it is shown;
    // the opening needs the viewport's height now.
    Form_Resize();
}

bool PageViewerWindow::loadFirstPage(const QString &mediaPath)
{
    showFullSizeView(false);
    picChild->move(0, 0);
    const std::optional<QImage> page = loadPage(mediaPath);
    if (!page)
        return false;
    setPage(*page);
    Image1->setGeometry(picChild->x(), picChild->y(), FirstFitViewWidth, picParent->height());
    return true;
}

void PageViewerWindow::showFullSizeView(bool visible)
{
    HScroll1->setVisible(visible);
    VScroll1->setVisible(visible);
    picParent->setVisible(visible);
    picChild->setVisible(visible);
}

void PageViewerWindow::SpinDown()
{
    turnPage(spinDownCandidates(m_state.CurrentPage));
}

void PageViewerWindow::SpinUp()
{
    turnPage(spinUpCandidates(m_state.CurrentPage, m_state.PageCount));
}

void PageViewerWindow::turnPage(const QList<int> &candidates)
{
    BusyPointer busy;
    // Read at every turn: the main window may have chosen another year since the opening.
    const QString code = selectionPageCode(m_session.SelectionCode);
    const std::optional<int> page = acceptedPage(candidates, [&](int candidate) {
        const std::optional<QImage> picture = loadPage(pagePath(m_session.roots.MediaRoot, pageKindOf(m_state.BrochureMode), code, candidate));
        if (!picture)
            return false;
        setPage(*picture);
        ScrollAxis across = scrollAxis(picChild->width(), picParent->width(), 1);
        across.largeStep.reset();
        applyScrollAxis(HScroll1, across);
        applyScrollAxis(VScroll1, scrollAxis(picChild->height(), picParent->height(), 1));
        return true;
    });
    if (!page)
        return;
    m_state.CurrentPage = qint16(*page);
    setCounter();
    HScroll1->setValue(0);
    VScroll1->setValue(0);
}

void PageViewerWindow::Form_Resize()
{
    if (!m_state.BrochureMode)
        Image1->setGeometry(fitViewBox(Image1->y(), Image1->height(), m_screen.sizeInPixels().width()));
    SpinButton1->move(0, 0);
    Text1->move(SpinButton1->width(), 0);
    picParent->setGeometry(0, 0, width() - VScroll1->width(), height() - HScroll1->height());
    HScroll1->setGeometry(0, picParent->height(), picParent->width(), HScroll1->height());
    applyScrollAxis(HScroll1, scrollAxis(picChild->width(), picParent->width(), 6));
    VScroll1->setGeometry(picParent->width(), 0, VScroll1->width(), picParent->height());
    applyScrollAxis(VScroll1, scrollAxis(picChild->height(), picParent->height(), 6));
    sscommand1->setFocus();
    sscommand1->setGeometry(HScroll1->width(), VScroll1->height(), VScroll1->width(), HScroll1->height());
}

void PageViewerWindow::HScroll1_Change(int value)
{
    picChild->move(-value, picChild->y());
}

void PageViewerWindow::VScroll1_Change(int value)
{
    picChild->move(picChild->x(), -value);
}

void PageViewerWindow::Image1_Click()
{
    showFullSizeView(true);
    const ScrollAxis across = scrollAxis(picChild->width(), picParent->width(), 1);
    HScroll1->setMaximum(across.maximum);
    HScroll1->setEnabled(across.enabled);
    HScroll1->setValue(0);
    VScroll1->setValue(0);
}

void PageViewerWindow::Image1_MouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        close();
}

void PageViewerWindow::picChild_Click()
{
    if (m_state.BrochureMode)
        return;
    showFullSizeView(picParent->isHidden());
    const QSize screen = m_screen.sizeInPixels();
    Image1->setGeometry(fitViewBox(Image1->y(), screen.height(), screen.width()));
}

void PageViewerWindow::picChild_MouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        close();
}

void PageViewerWindow::sscommand1_KeyPress(QChar key)
{
    if (SpinButton1->isHidden())
        return;
    if (key == u',')
        SpinDown();
    else if (key == u'.')
        SpinUp();
    else
        picChild_Click();
    sscommand1->setFocus();
}

void PageViewerWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void PageViewerWindow::closeEvent(QCloseEvent *event)
{
    // A single-page brochure hides the counter; the next viewer starts with it shown.
    Text1->setVisible(true);
    QDialog::closeEvent(event);
}

void PageViewerWindow::wheelEvent(QWheelEvent *event)
{
    if (VScroll1->isHidden())
        return;
    // A notch moves the page by the desktop's usual wheel step, a few lines.
    const int notches = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
    scrollBy(VScroll1, -notches * QApplication::wheelScrollLines() * LineStep);
}

void PageViewerWindow::scrollBy(QScrollBar *bar, int pixels)
{
    bar->setValue(qBound(bar->minimum(), bar->value() + pixels, bar->maximum()));
}

bool PageViewerWindow::scrollKey(int key)
{
    if (VScroll1->isHidden())
        return false;
    switch (key) {
    case Qt::Key_Up:
        scrollBy(VScroll1, -LineStep);
        return true;
    case Qt::Key_Down:
        scrollBy(VScroll1, LineStep);
        return true;
    case Qt::Key_Left:
        scrollBy(HScroll1, -LineStep);
        return true;
    case Qt::Key_Right:
        scrollBy(HScroll1, LineStep);
        return true;
    case Qt::Key_PageUp:
        scrollBy(VScroll1, -picParent->height());
        return true;
    case Qt::Key_PageDown:
        scrollBy(VScroll1, picParent->height());
        return true;
    case Qt::Key_Home:
        VScroll1->setValue(0);
        return true;
    case Qt::Key_End:
        VScroll1->setValue(VScroll1->maximum());
        return true;
    default:
        return false;
    }
}

bool PageViewerWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != sscommand1 || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    if (scrollKey(key->key()))
        return true;
    // Enter and Backspace are typed characters too; the keys that type
    // nothing (Tab, the modifiers) are left to the window.
    QString text = key->text();
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        text = QStringLiteral("\r");
    if (text.isEmpty() || (!text.at(0).isPrint() && text != u"\r" && text != u"\b"))
        return false;
    // Typed characters never reach the button, so a blank does not close the viewer.
    sscommand1_KeyPress(text.at(0));
    return true;
}

std::optional<QImage> PageViewerWindow::loadPage(const QString &mediaPath) const
{
    QImage page = loadPicture(m_fs, mediaPath);
    if (page.isNull())
        return std::nullopt;
    return page;
}

void PageViewerWindow::setPage(const QImage &page)
{
    picChild->setImage(page);
    picChild->resize(page.size());
    Image1->setImage(page);
}

void PageViewerWindow::applyScrollAxis(QScrollBar *bar, const ScrollAxis &axis)
{
    bar->setMaximum(axis.maximum);
    bar->setEnabled(axis.enabled);
    if (axis.largeStep)
        bar->setPageStep(*axis.largeStep);
}
