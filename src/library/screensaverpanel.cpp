#include "screensaverpanel.h"

#include "copypanel.h"
#include "mediacopy.h"
#include "screensaverrules.h"
#include "core/contentcatalog.h"
#include "core/errortable.h"
#include "core/mainwindowhost.h"
#include "core/screensaverconfig.h"
#include "core/session.h"
#include "core/slideshowrules.h"
#include "viewers/documenttable.h"
#include "platform/base/platformbundle.h"
#include "platform/ui/controls.h"
#include "platform/ui/spinbutton.h"
#include "platform/ui/sscommand.h"

#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>

using namespace ScreenSaverRules;

namespace {
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, const Twips &place)
{
    QLabel *label = makePictureBox(parent, name, place);
    label->setText(caption);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
}

ScreenSaverPanel::ScreenSaverPanel(Platform &platform, Session &session, MainWindowHost &host,
                                   CopyPanel &copyPanel, int top, QWidget *client)
    : SSPanel(client)
    , m_platform(platform)
    , m_session(session)
    , m_host(host)
    , m_copyPanel(copyPanel)
    , m_top(top)
{
    placeHiddenPanel(this, QStringLiteral("pnlSSaver"), QStringLiteral("Install Screen Saver"), Twips{ 1320, 720, 6255, 5175 });
    m_Label7       = makeLabel (this, QStringLiteral("Label7"), ProgramTitle, pixelPlace(8, 12, 401, 28));
    m_Label8       = makeLabel (this, QStringLiteral("Label8"), QStringLiteral("Install Screen Saver"), pixelPlace(8, 44, 401, 22));
    m_Option1[0]   = makeOption(this, QStringLiteral("Option1(0)"), QStringLiteral("All Photos"), pixelPlace(120, 88, 200, 22));
    m_Option1[1]   = makeOption(this, QStringLiteral("Option1(1)"), QStringLiteral("Selected Photos"), pixelPlace(120, 116, 200, 22));
    m_Label9       = makeLabel (this, QStringLiteral("Label9"), QStringLiteral("Select the photo delay:"), pixelPlace(8, 168, 401, 20));
    m_panInterval  = makePanel (this, QStringLiteral("panInterval"), FirstIntervalText, pixelPlace(136, 196, 121, 25));
    m_SpinInterval = new SpinButton(Qt::Vertical, this);
    m_SSCommand4   = makeButton(this, QStringLiteral("SSCommand4"), QStringLiteral("Install"), pixelPlace(24, 304, 97, 25));
    m_SSCommand5   = makeButton(this, QStringLiteral("SSCommand5"), QStringLiteral("Help"), pixelPlace(160, 304, 97, 25));
    m_SSCommand6   = makeButton(this, QStringLiteral("SSCommand6"), QStringLiteral("Cancel"), pixelPlace(296, 304, 97, 25));

    QFont title = m_Label7->font();
    title.setPointSize(14);
    title.setBold(true);
    m_Label7->setFont(title);
    QFont heading = m_Label8->font();
    heading.setPointSize(11);
    heading.setBold(true);
    m_Label8->setFont(heading);
    m_Option1[0]->setChecked(true);
    m_panInterval->setBevelOuter(SSPanel::Bevel::Inset);
    m_SpinInterval->setObjectName(QStringLiteral("SpinInterval"));
    m_SpinInterval->setToolTip(QStringLiteral("Set Slide Show Delay"));
    m_SpinInterval->setGeometry(toPixels(pixelPlace(260, 196, 17, 25)));
    setEscapeButton(m_SSCommand6);

    connect(m_SpinInterval, &SpinButton::SpinUp, this, &ScreenSaverPanel::SpinInterval_SpinUp);
    connect(m_SpinInterval, &SpinButton::SpinDown, this, &ScreenSaverPanel::SpinInterval_SpinDown);
    connect(m_SSCommand4, &QPushButton::clicked, this, &ScreenSaverPanel::SSCommand4_Click);
    connect(m_SSCommand5, &QPushButton::clicked, this, &ScreenSaverPanel::SSCommand5_Click);
    connect(m_SSCommand6, &QPushButton::clicked, this, &ScreenSaverPanel::SSCommand6_Click);
}

void ScreenSaverPanel::mnuSaver_Click()
{
    m_host.closeScreenSaverPhotoWindow();
    m_host.placePanel(this, m_top);
    const QString list = m_session.roots.ProgramFolder + MediaFolders::ScreenSaverPhotos + QStringLiteral("*.jpg");
    m_Option1[1]->setEnabled(!m_platform.fs.list(list).isEmpty());
    show();
    raise();
    m_SSCommand6->setFocus();
    m_SSCommand6->setText(QStringLiteral("Cancel"));
    m_SSCommand6->setAccessibleName(m_SSCommand6->text());
    m_session.PhotoDelay = SlideShowRules::FirstDelay;
    m_panInterval->setCaption(FirstIntervalText);
}

void ScreenSaverPanel::SpinInterval_SpinUp()
{
    m_session.PhotoDelay = SlideShowRules::delayAfterSpinUp(m_session.PhotoDelay);
    m_panInterval->setCaption(intervalText(m_session.PhotoDelay));
}

void ScreenSaverPanel::SpinInterval_SpinDown()
{
    m_session.PhotoDelay = SlideShowRules::delayAfterSpinDown(m_session.PhotoDelay);
    m_panInterval->setCaption(intervalText(m_session.PhotoDelay));
}

void ScreenSaverPanel::SSCommand4_Click()
{
    EventPump::Loop loop(m_platform.events, QStringLiteral("SSCommand4_Click"));
    if (!loop.entered())
        return;
    m_session.errors.setErrorCode(QStringLiteral("ER049"));
    QPointer<ScreenSaverPanel> self(this);
    const std::optional<QString> folder = chooseFolder();
    if (!self || m_stopped || !folder)
        return;
    if (!writeSetting(ScreenSaverConfig::Interval, intervalSetting(m_session.PhotoDelay))
        || !writeSetting(ScreenSaverConfig::VireonsDir, *folder) || !installProgram())
        return m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
    m_platform.dialogs.message({ ProgramTitle, installedMessage(), Dialogs::Buttons::Ok, Dialogs::Icon::None });
    m_SSCommand6->setText(QStringLiteral("Exit"));
    m_SSCommand6->setAccessibleName(m_SSCommand6->text());
}

std::optional<QString> ScreenSaverPanel::chooseFolder()
{
    const Roots &roots = m_session.roots;
    if (m_Option1[1]->isChecked())
        return roots.ProgramFolder + MediaFolders::ScreenSaverPhotos;
    const QString copies = roots.ProgramFolder + MediaFolders::PhotoCopy;
    if (!m_platform.fs.list(copies + QStringLiteral("*.jpg")).isEmpty())
        return copies;
    const QString disc = roots.MediaRoot + MediaFolders::PhotoCopy;
    const Dialogs::Answer answer = m_platform.dialogs.message(
        { ProgramTitle, copyFirstQuestion(), Dialogs::Buttons::YesNo, Dialogs::Icon::Question });
    if (answer != Dialogs::Answer::Yes)
        return disc;
    m_session.CopyPending = true;
    m_session.CopyKind = true;
    m_copyPanel.OpenCopyPanel();
    const std::optional<bool> copied = waitForPhotoCopy();
    if (!copied)
        return std::nullopt;
    return *copied ? copies : disc;
}

std::optional<bool> ScreenSaverPanel::waitForPhotoCopy()
{
    QPointer<ScreenSaverPanel> self(this);
    QPointer<CopyPanel> copy(&m_copyPanel);
    // The copy panel closed without a job (Cancel, a refusal, a declined
    // repeat) ends the wait as well as a completed job does.
    while (m_session.CopyPending && copy && !copy->isHidden()) {
        m_platform.events.waitForEvents();
        if (!self || m_stopped)
            return std::nullopt;
    }
    const bool completed = !m_session.CopyPending;
    m_session.CopyPending = false;
    // A job that completed with failures left the photographs on the disc.
    return completed && m_session.roots.PhotoRoot == m_session.roots.ProgramFolder;
}

bool ScreenSaverPanel::writeSetting(const QString &key, const QString &value)
{
    using namespace ScreenSaverConfig;
    m_platform.settings.write(Application, Section, key, value);
    // The store does not say whether it could write: read the value back.
    return m_platform.settings.read(Application, Section, key, QString()) == value;
}

bool ScreenSaverPanel::installProgram()
{
    const QString windows = m_platform.desktop.windowsDirectory();
    if (windows.isEmpty() || !QDir().mkpath(windows))
        return false;
    const QString program = u'\\' + ScreenSaverConfig::FileName;
    // A program of its own: copied in large pieces, runnable where it lands.
    return copyMediaFile(m_platform.fs, m_session.roots.ProgramFolder + program, windows + program, 1 << 20, {},
                         ProgramPermissions)
        == CopyFailure::None;
}

void ScreenSaverPanel::SSCommand5_Click()
{
    ShowScreenSaverHelp(m_platform, m_session, m_host);
}

void ScreenSaverPanel::SSCommand6_Click()
{
    hide();
}
