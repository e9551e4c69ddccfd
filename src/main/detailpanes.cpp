#include "detailpanes.h"

#include "mainwindow.h"
#include "core/detailrules.h"
#include "core/errortable.h"
#include "core/selectionrules.h"
#include "core/session.h"
#include "platform/base/pictureloader.h"
#include "platform/ui/busypointer.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/platformbundle.h"
#include "platform/ui/richtextbox.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/sspanel.h"
#include "platform/ui/stretchedimage.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

using namespace DetailRules;

namespace {
const QString CopyTip = QStringLiteral("Click the Right mouse button to copy");
}

DetailPanes::DetailPanes(MainWindow &window, Platform &platform, Session &session, DocumentOpener open)
    : QObject(&window)
    , m_window(window)
    , m_platform(platform)
    , m_session(session)
    , m_open(std::move(open))
{
    m_window.cmdDesc->setToolTip(
        QStringLiteral("This button displays a text file describing the selected model year Tarvello."));
    connect(m_window.cmdDesc, &QPushButton::clicked, this, &DetailPanes::cmdDesc_Click);
    connect(m_window.cmdOptions, &QPushButton::clicked, this, &DetailPanes::cmdOptions_Click);
    connect(m_window.cmdColors, &QPushButton::clicked, this, &DetailPanes::cmdColors_Click);
    connect(m_window.cmdNostalgia, &QPushButton::clicked, this, &DetailPanes::cmdNostalgia_Click);
    connect(m_window.cmdScript, &QPushButton::clicked, this, &DetailPanes::cmdScript_Click);
    connect(m_window.cmdEmblem, &QPushButton::clicked, this, &DetailPanes::cmdEmblem_Click);
    connect(m_window.cmdClipArt, &QPushButton::clicked, this, &DetailPanes::cmdClipArt_Click);
    connect(m_window.cmdStats, &QPushButton::clicked, this, &DetailPanes::cmdStats_Click);
    for (QLabel *picture : { m_window.picScript, m_window.picEmblem, m_window.picClipArt }) {
        picture->setToolTip(CopyTip);
        picture->installEventFilter(this);
    }
    m_window.rtbDetails->viewport()->installEventFilter(this);
}

QString DetailPanes::label() const
{
    return m_window.CurrentSelection();
}

bool DetailPanes::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return QObject::eventFilter(watched, event);
    const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
    if (watched == m_window.rtbDetails->viewport()) {
        if (button != Qt::LeftButton)
            return false;
        m_window.rtbDetails->hide();
        m_window.FocusYearButton();
        return true;
    }
    auto *picture = qobject_cast<QLabel *>(watched);
    if (!picture)
        return false;
    if (button == Qt::RightButton) {
        CopyToClipboard(picture);
    } else if (button == Qt::LeftButton) {
        picture->hide();
        m_window.FocusYearButton();
    }
    return true;
}

void DetailPanes::openLookedUp(const Document &document, const QString &folder, const QString &code)
{
    const QString root = m_session.roots.MediaRoot;
    const QStringList found = m_platform.fs.list(root + document.path);
    if (found.isEmpty() || !m_open(root + folder + found.constFirst(), document.caption)) {
        m_session.errors.setErrorCode(code);
        m_session.errors.reportError();
    }
}

void DetailPanes::cmdDesc_Click()
{
    openLookedUp(description(label()), QStringLiteral("\\richtext\\"), QStringLiteral("ER002"));
}

void DetailPanes::cmdOptions_Click()
{
    if (const auto document = options(label()))
        openLookedUp(*document, QStringLiteral("\\RichText\\"), QStringLiteral("ER026"));
}

void DetailPanes::cmdColors_Click()
{
    if (const auto document = colors(label()))
        openLookedUp(*document, QStringLiteral("\\RichText\\"), QStringLiteral("ER029"));
}

void DetailPanes::cmdNostalgia_Click()
{
    const auto document = nostalgia(label());
    if (!document)
        return;
    if (m_open(m_session.roots.MediaRoot + document->path, document->caption))
        return;
    m_session.errors.setErrorCode(QStringLiteral("ER005"));
    m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
    restoreDefaultPointer();
}

bool DetailPanes::loadInto(QLabel *box, const QString &relativePath)
{
    const QImage picture = loadPicture(m_platform.fs, m_session.roots.MediaRoot + relativePath);
    if (picture.isNull())
        return false;
    box->setPixmap(QPixmap::fromImage(picture));
    box->resize(picture.size());
    return true;
}

void DetailPanes::loadOverlay(QLabel *picture, const QString &code, const QString &relativePath,
                              const std::function<QPoint()> &place)
{
    m_session.errors.setErrorCode(code);
    picture->hide();
    if (!loadInto(picture, relativePath))
        return m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
    picture->move(place());
    picture->raise();
    picture->show();
}

void DetailPanes::LoadYearScript()
{
    loadOverlay(m_window.picScript, QStringLiteral("ER021"), scriptPicture(label()),
                [this] { return m_window.Image4->pos() + QPoint(1, 25); });
}

void DetailPanes::LoadYearEmblem()
{
    // Just above the year strip, ending near the photograph's right edge.
    QLabel *picture = m_window.picEmblem;
    loadOverlay(picture, QStringLiteral("ER022"), emblemPicture(label()), [this, picture] {
        return QPoint(m_window.Image4->width() - picture->width() + 9, m_window.Frame1->y() - picture->height() - 1);
    });
}

QPoint DetailPanes::clipArtPlace() const
{
    // Near the photograph's top right corner.
    return QPoint(m_window.Image4->width() - m_window.picClipArt->width() + 6, m_window.Image4->y());
}

void DetailPanes::LoadYearClipArt()
{
    m_session.errors.setErrorCode(QStringLiteral("ER024"));
    if (!loadInto(m_window.picClipArt, clipArtPicture(label(), false)))
        return m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
    m_window.picClipArt->move(clipArtPlace());
}

void DetailPanes::toggle(QLabel *picture, void (DetailPanes::*load)())
{
    if (label() == SelectionRules::NoSelection)
        return;
    if (picture->isVisible())
        picture->hide();
    else
        (this->*load)();
    m_window.FocusYearButton();
}

void DetailPanes::cmdScript_Click()
{
    toggle(m_window.picScript, &DetailPanes::LoadYearScript);
}

void DetailPanes::cmdEmblem_Click()
{
    toggle(m_window.picEmblem, &DetailPanes::LoadYearEmblem);
}

void DetailPanes::cmdClipArt_Click()
{
    QLabel *picture = m_window.picClipArt;
    if (picture->isVisible())
        return picture->hide();
    if (label() == SelectionRules::NoSelection)
        return;
    m_window.FocusYearButton();
    m_session.errors.setErrorCode(QStringLiteral("ER035"));
    if (!loadInto(picture, clipArtPicture(label(), true)))
        return m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
    picture->move(clipArtPlace());
    picture->raise();
    picture->show();
}

void DetailPanes::cmdStats_Click()
{
    if (label() == SelectionRules::NoSelection)
        return;
    m_session.errors.setErrorCode(QStringLiteral("ER027"));
    m_window.FocusYearButton();
    RichTextBox *pane = m_window.rtbDetails;
    if (pane->isVisible())
        return pane->hide();

    pane->raise();
    pane->resize(329, 106);
    const QRect ad = m_window.cmdAd->geometry();
    pane->move(ad.x() + ad.width() - 329 - 10, m_window.Image4->y() + 9);

    const int n = m_window.panPhoto->caption().toInt();
    const Statistics stats = statistics(label(), n, m_session.navigator.CurrentPhotoPath);
    if (!stats.perPhotograph)
        return openLookedUp(stats.document, QStringLiteral("\\richtext\\"), QStringLiteral("ER027"));
    if (!pane->loadFile(m_platform.fs, m_session.roots.MediaRoot + stats.document.path))
        return m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
    pane->show();
}

void DetailPanes::CopyToClipboard(QLabel *picture)
{
    const auto answer = m_platform.dialogs.message(
        { ProgramTitle, QStringLiteral("Would you like to copy this image to the Windows Clipboard?"),
          Dialogs::Buttons::YesNo, Dialogs::Icon::Question });
    if (answer == Dialogs::Answer::Yes)
        placeOnClipboard(picture->pixmap().toImage());
}
