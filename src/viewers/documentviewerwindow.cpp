#include "documentviewerwindow.h"

#include "documentviewerrules.h"
#include "core/errortable.h"
#include "core/mainwindowhost.h"
#include "platform/base/platformbundle.h"
#include "platform/ui/busypointer.h"
#include "platform/ui/controls.h"
#include "platform/ui/richtextbox.h"
#include "platform/ui/sscommand.h"

#include <optional>

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>

namespace {
constexpr int OneInch = 1440;

// The print button's picture: a printer with a sheet going in at the back
// and one coming out at the front.
QPixmap printerPicture()
{
    QPixmap picture(20, 18);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(5, 0, 9, 6);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(1, 6, 17, 7);
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(1, 13, 17, 3);
    p.setPen(QColor(0, 160, 0));
    p.drawPoint(15, 8);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(4, 14, 11, 3);
    return picture;
}
}

DocumentViewerWindow::DocumentViewerWindow(Platform &platform, MainWindowHost &host, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_host(host)
{
    setObjectName(QStringLiteral("txtForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(531, 456);

    rtbText    = new RichTextBox(this);
    rtbText->setObjectName(QStringLiteral("rtbText"));
    rtbText->setAccessibleName(QStringLiteral("Document"));
    rtbText->setGeometry(8, 8, 513, 409);
    SSCommand1 = makeButton(this, QStringLiteral("SSCommand1"), QStringLiteral("OK"), pixelPlace(8, 424, 97, 25));
    cmdPrint   = makeButton(this, QStringLiteral("cmdPrint"),   QString(),             pixelPlace(488, 424, 33, 25));
    cmdPrint->setPicture(printerPicture());
    cmdPrint->setAccessibleName(QStringLiteral("Print"));
    cmdPrint->setToolTip(QStringLiteral("Print"));
    SSCommand1->setDefault(true);

    connect(SSCommand1, &QPushButton::clicked, this, &DocumentViewerWindow::SSCommand1_Click);
    connect(rtbText, &RichTextBox::doubleClicked, this, &DocumentViewerWindow::rtbText_DblClick);
    connect(cmdPrint, &QPushButton::clicked, this, &DocumentViewerWindow::cmdPrint_Click);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, &DocumentViewerWindow::cmdPrint_Click);
    SSCommand1->installEventFilter(this);
    cmdPrint->installEventFilter(this);
}

DocumentViewerWindow::~DocumentViewerWindow()
{
    SSCommand1->removeEventFilter(this);
    cmdPrint->removeEventFilter(this);
}

bool DocumentViewerWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The text scrolls from the keyboard whichever button has the focus.
    if (event->type() == QEvent::KeyPress && (watched == SSCommand1 || watched == cmdPrint)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const auto action = [&]() -> std::optional<QAbstractSlider::SliderAction> {
            switch (key->key()) {
            case Qt::Key_PageUp: return QAbstractSlider::SliderPageStepSub;
            case Qt::Key_PageDown: return QAbstractSlider::SliderPageStepAdd;
            case Qt::Key_Up: return QAbstractSlider::SliderSingleStepSub;
            case Qt::Key_Down: return QAbstractSlider::SliderSingleStepAdd;
            case Qt::Key_Home: return QAbstractSlider::SliderToMinimum;
            case Qt::Key_End: return QAbstractSlider::SliderToMaximum;
            default: return std::nullopt;
            }
        }();
        if (action) {
            rtbText->verticalScrollBar()->triggerAction(*action);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DocumentViewerWindow::widenOkButton()
{
    const int width = okButtonWidth(pixelsToTwips(rtbText->width()), pixelsToTwips(cmdPrint->width()));
    SSCommand1->resize(twips(width), SSCommand1->height());
}

void DocumentViewerWindow::SSCommand1_Click()
{
    accept();
}

void DocumentViewerWindow::rtbText_DblClick()
{
    accept();
}

void DocumentViewerWindow::cmdPrint_Click()
{
    const Dialogs::Answer answer = m_platform.dialogs.message(
        { ProgramTitle, printQuestion(windowTitle()), Dialogs::Buttons::YesNo, Dialogs::Icon::Question });
    if (answer != Dialogs::Answer::Yes)
        return;
    PrintOutcome outcome;
    {
        BusyPointer busy;
        outcome = PrintRichText(m_platform.printer, *rtbText->document(), PageMargins{ OneInch, OneInch, OneInch, OneInch },
                                windowTitle());
    }
    m_platform.dialogs.message(printedMessage(outcome));
}

void DocumentViewerWindow::Form_Activate()
{
    SSCommand1->setFocus();
}

void DocumentViewerWindow::done(int result)
{
    QDialog::done(result);
    m_host.enableMainWindow();
    m_host.FocusYearButton();
}

void DocumentViewerWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred on the screen, frame included, once the frame is known.
    const QSize screen = m_platform.screen.sizeInPixels();
    const QSize outer = frameGeometry().size();
    move((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
}

void DocumentViewerWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}
