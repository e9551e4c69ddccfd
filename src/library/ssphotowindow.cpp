#include "ssphotowindow.h"

#include "gaugedcopy.h"
#include "mediacopy.h"
#include "photoexport.h"
#include "screensaverrules.h"
#include "core/contentcatalog.h"
#include "core/errortable.h"
#include "core/mainwindowhost.h"
#include "core/session.h"
#include "platform/base/platformbundle.h"
#include "platform/ui/busypointer.h"
#include "platform/ui/controls.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/sspanel.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <optional>

using namespace ScreenSaverRules;

namespace {
// The stand-ins for the photograph on screen before anything is selected.
const QString AddedStandIn = QStringLiteral("55090.jpg");
const QString CheckedStandIn = QStringLiteral("55080.jpg");
}

ScreenSaverPhotoWindow::ScreenSaverPhotoWindow(Platform &platform, Session &session, MainWindowHost &host,
                                               std::function<QImage()> photograph, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_platform(platform)
    , m_session(session)
    , m_host(host)
    , m_photograph(std::move(photograph))
{
    setObjectName(QStringLiteral("frmSSPhoto"));
    setWindowTitle(ProgramTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    m_Text4         = makePictureBox(this, QStringLiteral("Text4"),         Twips{ 240, 120, 4095, 375 });
    m_Picture1      = makePictureBox(this, QStringLiteral("Picture1"),      Twips{ 240, 600, 4095, 2040 });
    m_ProgressGuage = makePanel     (this, QStringLiteral("ProgressGuage"), QString(), Twips{ 240, 2760, 4095, 375 });
    m_SSCommand7    = makeButton(this, QStringLiteral("SSCommand7"), QStringLiteral("Add this photo to SS list"),          Twips{ 240, 3240, 4095, 375 });
    m_SSCommand8    = makeButton(this, QStringLiteral("SSCommand8"), QStringLiteral("Remove this photo from SS list"),     Twips{ 240, 3600, 4095, 375 });
    m_SSCommand2    = makeButton(this, QStringLiteral("SSCommand2"), QStringLiteral("Remove all photos from the SS list"), Twips{ 240, 3960, 4095, 375 });
    m_SSCommand3    = makeButton(this, QStringLiteral("SSCommand3"), QStringLiteral("Copy this photo to Clipboard"),       Twips{ 240, 4440, 4095, 375 });
    m_SSCommand4    = makeButton(this, QStringLiteral("SSCommand4"), QStringLiteral("Copy this photo to disk"),            Twips{ 240, 4800, 4095, 375 });
    m_SSCommand5    = makeButton(this, QStringLiteral("SSCommand5"), QStringLiteral("Print this photo"),                   Twips{ 240, 5280, 4095, 375 });
    m_SSCommand1    = makeButton(this, QStringLiteral("SSCommand1"), QStringLiteral("Help"),                               Twips{ 240, 5760, 2055, 375 });
    m_SSCommand9    = makeButton(this, QStringLiteral("SSCommand9"), QStringLiteral("Exit"),                               Twips{ 2280, 5760, 2055, 375 });
    resize(toPixels(Twips{ 0, 0, 4575, 6600 }).size());

    m_Text4->setText(QStringLiteral("Screen Saver Photo Selection"));
    m_Text4->setAlignment(Qt::AlignCenter);
    QFont title = m_Text4->font();
    title.setBold(true);
    title.setPointSize(11);
    m_Text4->setFont(title);
    m_Picture1->setAlignment(Qt::AlignCenter);
    m_ProgressGuage->setBevelOuter(SSPanel::Bevel::Inset);
    m_ProgressGuage->setFloodEnabled(true);

    connect(m_SSCommand1, &QPushButton::clicked, this, &ScreenSaverPhotoWindow::SSCommand1_Click);
    connect(m_SSCommand2, &QPushButton::clicked, this, &ScreenSaverPhotoWindow::SSCommand2_Click);
    connect(m_SSCommand3, &QPushButton::clicked, this, &ScreenSaverPhotoWindow::SSCommand3_Click);
    connect(m_SSCommand4, &QPushButton::clicked, this, &ScreenSaverPhotoWindow::SSCommand4_Click);
    connect(m_SSCommand5, &QPushButton::clicked, this, &ScreenSaverPhotoWindow::SSCommand5_Click);
    connect(m_SSCommand7, &QPushButton::clicked, this, &ScreenSaverPhotoWindow::SSCommand7_Click);
    connect(m_SSCommand8, &QPushButton::clicked, this, &ScreenSaverPhotoWindow::SSCommand8_Click);
    connect(m_SSCommand9, &QPushButton::clicked, this, &ScreenSaverPhotoWindow::SSCommand9_Click);
}

void ScreenSaverPhotoWindow::Form_Load()
{
    RefreshScreenSaverButtons();
    m_platform.desktop.setTopmost(this, true);
}

bool ScreenSaverPhotoWindow::nothingSelected() const
{
    return ScreenSaverRules::nothingSelected(m_host.CurrentSelection());
}

QString ScreenSaverPhotoWindow::listFile(const QString &standIn) const
{
    const QString name = nothingSelected() ? standIn : photoFileName(m_session.navigator.CurrentPhotoPath);
    if (!isPlainFileName(name))
        return {};
    return m_session.roots.ProgramFolder + MediaFolders::ScreenSaverPhotos + name;
}

void ScreenSaverPhotoWindow::setListButtons(bool listed)
{
    m_SSCommand7->setEnabled(!listed);
    m_SSCommand8->setEnabled(listed);
}

void ScreenSaverPhotoWindow::RefreshScreenSaverButtons()
{
    const QString file = listFile(CheckedStandIn);
    setListButtons(!file.isEmpty() && m_platform.fs.exists(file));
    // Picture1 shows which photograph the buttons act on.
    const QImage shown = m_photograph ? m_photograph() : QImage();
    m_Picture1->setPixmap(shown.isNull() ? QPixmap()
                                         : QPixmap::fromImage(shown.scaled(m_Picture1->size(), Qt::KeepAspectRatio,
                                                                           Qt::SmoothTransformation)));
}

void ScreenSaverPhotoWindow::SSCommand7_Click()
{
    std::optional<BusyPointer> busy(std::in_place);
    const QString source = nothingSelected()
        ? m_session.roots.ProgramFolder + MediaFolders::Photos + AddedStandIn
        : m_session.navigator.CurrentPhotoPath;
    const QString destination = listFile(AddedStandIn);
    QPointer<ScreenSaverPhotoWindow> self(this);
    bool copied = false;
    if (destination.isEmpty())
        showCopyFailure(m_platform, CopyFailure::BadFileName);
    else
        copied = CopyFileWithGauge(m_platform, source, destination, *m_ProgressGuage);
    if (!self)
        return;
    busy.reset();
    // A failed copy was reported with its description: no success after it.
    if (!copied)
        return;
    m_platform.dialogs.message(
        { ProgramTitle, QStringLiteral("Photo Successfully Copied!"), Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation });
    setListButtons(true);
}

void ScreenSaverPhotoWindow::SSCommand8_Click()
{
    std::optional<BusyPointer> busy(std::in_place);
    const QString file = listFile(AddedStandIn);
    const bool removed = !file.isEmpty() && (m_platform.fs.remove(file) || !m_platform.fs.exists(file));
    busy.reset();
    if (!removed) {
        m_platform.dialogs.message({ ProgramTitle, QStringLiteral("The photo could not be removed from the SS list."),
                                     Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation });
        return;
    }
    m_platform.dialogs.message(
        { ProgramTitle, QStringLiteral("Photo Successfully Removed!"), Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation });
    setListButtons(false);
    setGauge(*m_ProgressGuage, 0, false);
}

void ScreenSaverPhotoWindow::SSCommand2_Click()
{
    if (m_platform.dialogs.message({ ProgramTitle, emptyListQuestion(), Dialogs::Buttons::YesNo, Dialogs::Icon::Question })
        != Dialogs::Answer::Yes)
        return;
    {
        BusyPointer busy;
        m_platform.fs.removeMatching(m_session.roots.ProgramFolder + MediaFolders::ScreenSaverPhotos
                                     + QStringLiteral("*.jpg"));
    }
    m_platform.dialogs.message({ ProgramTitle, listEmptiedMessage(), Dialogs::Buttons::Ok, Dialogs::Icon::None });
    setListButtons(false);
    m_SSCommand2->setEnabled(false);
    setGauge(*m_ProgressGuage, 0, false);
}

void ScreenSaverPhotoWindow::SSCommand1_Click()
{
    m_platform.dialogs.message({ ProgramTitle, photoWindowHelp(), Dialogs::Buttons::Ok, Dialogs::Icon::None });
}

void ScreenSaverPhotoWindow::SSCommand3_Click()
{
    m_platform.clipboard.setImage(m_photograph ? m_photograph() : QImage());
}

void ScreenSaverPhotoWindow::SSCommand4_Click()
{
    const QString folder = m_session.roots.PhotoRoot + MediaFolders::Photos;
    const QString source = nothingSelected() ? folder + PhotoExportRules::UnselectedPhoto
                                             : m_session.navigator.CurrentPhotoPath;
    copyPhotoToDisk(m_platform, source, folder, *m_ProgressGuage);
}

void ScreenSaverPhotoWindow::SSCommand5_Click()
{
    printPhoto(m_platform, m_photograph ? m_photograph() : QImage(), m_host.CurrentSelection(),
               PhotoExportRules::PrintHeading::PhotoWindow);
}

void ScreenSaverPhotoWindow::SSCommand9_Click()
{
    m_platform.desktop.setTopmost(this, false);
    close();
}

void ScreenSaverPhotoWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    m_host.enableMainWindow();
}
