#include "detailpanes.h"

#include "photoarea.h"
#include "yearstrip.h"
#include "core/detailrules.h"
#include "core/errortable.h"
#include "core/mainwindowhost.h"
#include "core/session.h"
#include "platform/base/pictureloader.h"
#include "platform/base/platformbundle.h"
#include "platform/ui/busypointer.h"
#include "platform/ui/controls.h"
#include "platform/ui/richtextbox.h"
#include "platform/ui/sscommand.h"

#include <QLabel>
#include <QMouseEvent>

using namespace DetailRules;
using SelectionRules::DetailButton;

namespace {
const QString CopyTip = QStringLiteral("Click the Right mouse button to copy");

QLabel *makeOverlayPicture(QWidget *client, const QString &name)
{
    QLabel *picture = makePictureBox(client, name, Twips{ 120, 360, 11640, 7440 });
    picture->setToolTip(CopyTip);
    picture->hide();
    return picture;
}
}

DetailPanes::DetailPanes(QWidget *client, Platform &platform, Session &session, MainWindowHost &host,
                         const PhotoArea &photo, const YearStrip &strip, DocumentOpener open)
    : m_platform(platform)
    , m_session(session)
    , m_host(host)
    , m_photo(photo)
    , m_strip(strip)
    , m_open(std::move(open))
{
    createControls(client);
    connect(button(DetailButton::cmdDesc), &QPushButton::clicked, this, &DetailPanes::cmdDesc_Click);
    connect(button(DetailButton::cmdOptions), &QPushButton::clicked, this, &DetailPanes::cmdOptions_Click);
    connect(button(DetailButton::cmdStats), &QPushButton::clicked, this, &DetailPanes::cmdStats_Click);
    connect(button(DetailButton::cmdColors), &QPushButton::clicked, this, &DetailPanes::cmdColors_Click);
    connect(button(DetailButton::cmdScript), &QPushButton::clicked, this, &DetailPanes::cmdScript_Click);
    connect(button(DetailButton::cmdEmblem), &QPushButton::clicked, this, &DetailPanes::cmdEmblem_Click);
    connect(button(DetailButton::cmdClipArt), &QPushButton::clicked, this, &DetailPanes::cmdClipArt_Click);
    connect(button(DetailButton::cmdAd), &QPushButton::clicked, this, &DetailPanes::cmdAd_Click);
    connect(button(DetailButton::cmdBrochure), &QPushButton::clicked, this, &DetailPanes::cmdBrochure_Click);
    connect(button(DetailButton::cmdNostalgia), &QPushButton::clicked, this, &DetailPanes::cmdNostalgia_Click);
}

DetailPanes::~DetailPanes()
{
    for (QLabel *picture : { m_picScript, m_picEmblem, m_picClipArt })
        picture->removeEventFilter(this);
    m_rtbDetails->viewport()->removeEventFilter(this);
}

void DetailPanes::createControls(QWidget *client)
{
    auto make = [client](const char *name, const char *caption, const Twips &place) {
        return makeButton(client, QLatin1String(name), QLatin1String(caption), place);
    };
    m_buttons = {
        make("cmdDesc",      "Description", Twips{ 120, 0, 1455, 330 }),
        make("cmdOptions",   "Options",     Twips{ 1560, 0, 1215, 330 }),
        make("cmdStats",     "Statistics",  Twips{ 2760, 0, 1335, 330 }),
        make("cmdColors",    "Colors",      Twips{ 4080, 0, 1095, 330 }),
        make("cmdScript",    "Script",      Twips{ 5160, 0, 975, 330 }),
        make("cmdEmblem",    "Emblem",      Twips{ 6120, 0, 1335, 330 }),
        make("cmdClipArt",   "ClipArt ",    Twips{ 7440, 0, 1095, 330 }),
        make("cmdAd",        "Ads",         Twips{ 8520, 0, 735, 330 }),
        make("cmdBrochure",  "Brochure",    Twips{ 9240, 0, 1215, 330 }),
        make("cmdNostalgia", "Nostalgia",   Twips{ 10440, 0, 1335, 330 }),
    };
    button(DetailButton::cmdDesc)->setToolTip(
        QStringLiteral("This button displays a text file describing the selected model year Tarvello."));

    m_rtbDetails = new RichTextBox(client);
    m_rtbDetails->setObjectName(QStringLiteral("rtbDetails"));
    m_rtbDetails->setAccessibleName(QStringLiteral("Details"));
    m_rtbDetails->setGeometry(toPixels(Twips{ 6000, 1080, 4935, 975 }));
    m_rtbDetails->hide();
    m_rtbDetails->viewport()->installEventFilter(this);

    m_picClipArt = makeOverlayPicture(client, QStringLiteral("picClipArt"));
    m_picEmblem = makeOverlayPicture(client, QStringLiteral("picEmblem"));
    m_picScript = makeOverlayPicture(client, QStringLiteral("picScript"));
    for (QLabel *picture : { m_picScript, m_picEmblem, m_picClipArt })
        picture->installEventFilter(this);
}

SSCommand *DetailPanes::button(DetailButton which) const
{
    return m_buttons.at(std::size_t(which));
}

QWidget *DetailPanes::lastInTabOrder() const
{
    return button(DetailButton::cmdNostalgia);
}

void DetailPanes::setButtons(const SelectionRules::DetailButtons &buttons)
{
    button(DetailButton::cmdDesc)->setEnabled(buttons.cmdDesc);
    button(DetailButton::cmdOptions)->setEnabled(buttons.cmdOptions);
    button(DetailButton::cmdStats)->setEnabled(buttons.cmdStats);
    button(DetailButton::cmdColors)->setEnabled(buttons.cmdColors);
    button(DetailButton::cmdScript)->setEnabled(buttons.cmdScript);
    button(DetailButton::cmdEmblem)->setEnabled(buttons.cmdEmblem);
    button(DetailButton::cmdClipArt)->setEnabled(buttons.cmdClipArt);
    button(DetailButton::cmdAd)->setEnabled(buttons.cmdAd);
    button(DetailButton::cmdBrochure)->setEnabled(buttons.cmdBrochure);
    button(DetailButton::cmdNostalgia)->setEnabled(buttons.cmdNostalgia);
}

void DetailPanes::setButtonEnabled(DetailButton which, bool enabled)
{
    button(which)->setEnabled(enabled);
}

void DetailPanes::setStatsCaption(const QString &caption)
{
    button(DetailButton::cmdStats)->setText(caption);
}

void DetailPanes::hideOverlayPictures()
{
    m_picClipArt->hide();
    m_picEmblem->hide();
    m_picScript->hide();
}

void DetailPanes::reloadVisibleOverlayPictures()
{
    if (m_picClipArt->isVisible())
        LoadYearClipArt();
    if (m_picScript->isVisible())
        LoadYearScript();
    if (m_picEmblem->isVisible())
        LoadYearEmblem();
}

void DetailPanes::hideDetails()
{
    m_rtbDetails->hide();
}

bool DetailPanes::detailsVisible() const
{
    return m_rtbDetails->isVisible();
}

void DetailPanes::placeDetails()
{
    const QRect ad = button(DetailButton::cmdAd)->geometry();
    m_rtbDetails->move(ad.x() + ad.width() - m_rtbDetails->width() - 10, m_photo.photoGeometry().y() + 9);
}

bool DetailPanes::loadPhotoDetails(const QString &mediaPath)
{
    if (!m_rtbDetails->loadFile(m_platform.fs, mediaPath))
        return false;
    placeDetails();
    return true;
}

QString DetailPanes::label() const
{
    return m_host.CurrentSelection();
}

bool DetailPanes::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return QObject::eventFilter(watched, event);
    const Qt::MouseButton pressed = static_cast<QMouseEvent *>(event)->button();
    if (watched == m_rtbDetails->viewport()) {
        if (pressed != Qt::LeftButton)
            return false;
        m_rtbDetails->hide();
        m_host.FocusYearButton();
        return true;
    }
    auto *picture = qobject_cast<QLabel *>(watched);
    if (picture != m_picScript && picture != m_picEmblem && picture != m_picClipArt)
        return false;
    if (pressed == Qt::RightButton) {
        CopyToClipboard(picture);
    } else if (pressed == Qt::LeftButton) {
        picture->hide();
        m_host.FocusYearButton();
    }
    return true;
}

void DetailPanes::openLookedUp(const Document &document, const QString &folder, const QString &code)
{
    const QString root = m_session.roots.MediaRoot;
    const QStringList found = m_platform.fs.list(root + document.path);
    if (found.isEmpty()) {
        m_session.errors.setErrorCode(code);
        return m_session.errors.reportError();
    }
    // A document that is there but cannot be read is a failed load: the focus stays.
    if (!m_open(root + folder + found.constFirst(), document.caption)) {
        m_session.errors.setErrorCode(code);
        m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
    }
}

int DetailPanes::buttonRowTop() const
{
    return button(DetailButton::cmdDesc)->y();
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
    loadOverlay(m_picScript, QStringLiteral("ER021"), scriptPicture(label()),
                [this] { return m_photo.photoGeometry().topLeft() + QPoint(1, 25); });
}

void DetailPanes::LoadYearEmblem()
{
    // Just above the year strip, ending near the photograph's right edge.
    QLabel *picture = m_picEmblem;
    loadOverlay(picture, QStringLiteral("ER022"), emblemPicture(label()), [this, picture] {
        return QPoint(m_photo.photoGeometry().width() - picture->width() + 9, m_strip.y() - picture->height() - 1);
    });
}

QPoint DetailPanes::clipArtPlace() const
{
    // Near the photograph's top right corner.
    const QRect photo = m_photo.photoGeometry();
    return QPoint(photo.width() - m_picClipArt->width() + 6, photo.y());
}

void DetailPanes::LoadYearClipArt()
{
    m_session.errors.setErrorCode(QStringLiteral("ER024"));
    if (!loadInto(m_picClipArt, clipArtPicture(label(), false)))
        return m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
    m_picClipArt->move(clipArtPlace());
}

void DetailPanes::toggle(QLabel *picture, void (DetailPanes::*load)())
{
    if (label() == SelectionRules::NoSelection)
        return;
    if (picture->isVisible())
        picture->hide();
    else
        (this->*load)();
    m_host.FocusYearButton();
}

void DetailPanes::cmdScript_Click()
{
    toggle(m_picScript, &DetailPanes::LoadYearScript);
}

void DetailPanes::cmdEmblem_Click()
{
    toggle(m_picEmblem, &DetailPanes::LoadYearEmblem);
}

void DetailPanes::cmdClipArt_Click()
{
    QLabel *picture = m_picClipArt;
    if (picture->isVisible())
        return picture->hide();
    if (label() == SelectionRules::NoSelection)
        return;
    m_host.FocusYearButton();
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
    m_host.FocusYearButton();
    RichTextBox *pane = m_rtbDetails;
    if (pane->isVisible())
        return pane->hide();

    pane->raise();
    pane->resize(329, 106);
    placeDetails();

    const int n = m_photo.photoNumber().toInt();
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
        m_platform.clipboard.setImage(picture->pixmap().toImage());
}
