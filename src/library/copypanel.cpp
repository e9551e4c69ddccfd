#include "copypanel.h"

#include "copyrules.h"
#include "gaugedcopy.h"
#include "core/contentcatalog.h"
#include "core/errortable.h"
#include "core/mainwindowhost.h"
#include "core/movielist.h"
#include "core/session.h"
#include "platform/base/platformbundle.h"
#include "platform/ui/busypointer.h"
#include "platform/ui/controls.h"
#include "platform/ui/sscommand.h"

#include <QElapsedTimer>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QScopeGuard>
#include <optional>

using namespace CopyRules;

namespace {
// While files are copied, the panel paints at most this often (milliseconds).
constexpr qint64 RepaintInterval = 40;

// Image1: a disc with an arrow into a drive.
QPixmap discToDrive(QSize size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const int d = size.height() - 8;
    p.setBrush(QColor(200, 205, 215));
    p.setPen(QPen(QColor(90, 90, 110), 1));
    p.drawEllipse(QRect(4, 4, d, d));
    p.setBrush(Qt::white);
    p.drawEllipse(QPoint(4 + d / 2, 4 + d / 2), d / 8, d / 8);
    const QRect drive(size.width() - d - 4, size.height() / 2 - d / 4, d, d / 2);
    // The arrow runs in the gap between the two.
    p.setBrush(QColor(120, 125, 140));
    p.drawRoundedRect(drive, 3, 3);
    p.setPen(QPen(QColor(0, 0, 160), 3));
    const int y = size.height() / 2;
    p.drawLine(8 + d, y, drive.left() - 6, y);
    p.drawLine(drive.left() - 12, y - 6, drive.left() - 6, y);
    p.drawLine(drive.left() - 12, y + 6, drive.left() - 6, y);
    return picture;
}

SSPanel *makeGauge(QWidget *parent, const QString &name, const Twips &place)
{
    SSPanel *gauge = makePanel(parent, name, QString(), place);
    gauge->setBevelOuter(SSPanel::Bevel::Inset);
    gauge->setFloodEnabled(true);
    return gauge;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, const Twips &place)
{
    QLabel *label = makePictureBox(parent, name, place);
    label->setText(caption);
    return label;
}

void setChangedText(QLineEdit *box, const QString &text)
{
    if (box->text() != text)
        box->setText(text);
}
}

CopyPanel::CopyPanel(Platform &platform, Session &session, MainWindowHost &host, int top, QWidget *client)
    : SSPanel(client)
    , m_platform(platform)
    , m_session(session)
    , m_host(host)
    , m_top(top)
{
    placeHiddenPanel(this, QStringLiteral("pnlProgress"), QStringLiteral("Copying"), Twips{ 720, 960, 7215, 4935 });
    m_Label2         = makeLabel  (this, QStringLiteral("Label2"), QStringLiteral("Copy photos from CD-ROM to hard drive"), pixelPlace(8, 12, 465, 24));
    m_Label1         = makeLabel  (this, QStringLiteral("Label1"), QStringLiteral("Copying file:"), pixelPlace(24, 52, 200, 17));
    m_Text1          = makeTextBox(this, QStringLiteral("Text1"), pixelPlace(24, 72, 433, 22));
    m_ProgressGuage  = makeGauge  (this, QStringLiteral("ProgressGuage"), pixelPlace(24, 108, 433, 25));
    m_Image1         = makePictureBox(this, QStringLiteral("Image1"), pixelPlace(152, 142, 177, 64));
    m_ProgressGuage2 = makeGauge  (this, QStringLiteral("ProgressGuage2"), pixelPlace(24, 218, 433, 25));
    m_cmdCopy        = makeButton (this, QStringLiteral("cmdCopy"), QStringLiteral("Copy Photos"), pixelPlace(80, 272, 129, 33));
    m_cmdCancel      = makeButton (this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), pixelPlace(272, 272, 129, 33));

    QFont title = m_Label2->font();
    title.setPointSize(12);
    title.setBold(true);
    m_Label2->setFont(title);
    m_Label2->setAlignment(Qt::AlignCenter);
    m_Text1->setReadOnly(true);
    m_Text1->setAccessibleName(QStringLiteral("Copying file"));
    m_Image1->setPixmap(discToDrive(m_Image1->size()));
    m_Image1->setAccessibleName(QStringLiteral("From the disc to the hard disk"));
    connect(m_cmdCopy, &QPushButton::clicked, this, &CopyPanel::cmdCopy_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &CopyPanel::cmdCancel_Click);
    setEscapeButton(m_cmdCancel);
}

void CopyPanel::mnuCopy_Click()
{
    m_host.closeScreenSaverPhotoWindow();
    m_Text1->setText(QStringLiteral(" "));
    m_session.CopyKind = true;
    OpenCopyPanel();
}

void CopyPanel::mnuCopyMovies_Click()
{
    m_host.closeScreenSaverPhotoWindow();
    m_Text1->setText(QStringLiteral(" "));
    m_session.CopyKind = false;
    OpenCopyPanel();
}

void CopyPanel::OpenCopyPanel()
{
    m_Text1->setText(QStringLiteral(" "));
    const bool photos = m_session.CopyKind;
    const qint64 needed = neededBytes(photos);
    m_Label2->setText(photos ? QStringLiteral("Copy photos from CD-ROM to hard drive")
                             : QStringLiteral("Copy Movies from CD-ROM to hard drive"));
    m_cmdCopy->setText(photos ? QStringLiteral("Copy Photos") : QStringLiteral("Copy Movies"));
    m_cmdCopy->setAccessibleName(m_cmdCopy->text());
    m_host.placePanel(this, m_top);

    const qint64 available = availableFromFree(GetDiskFree());
    if (available < needed) {
        hide();
        m_platform.dialogs.message(
            { ProgramTitle, refusalMessage(available, needed), Dialogs::Buttons::Ok, Dialogs::Icon::Critical });
        return;
    }
    setGauge(*m_ProgressGuage, 0, true);
    setGauge(*m_ProgressGuage2, 0, true);
    show();
    raise();
    m_cmdCopy->setEnabled(true);
    m_cmdCancel->setEnabled(true);
    m_cmdCancel->setFocus();
}

qint64 CopyPanel::GetDiskFree()
{
    // The volume the copies go to, not that of the current directory.
    const std::optional<qint64> free = m_platform.fs.freeSpace(m_session.roots.ProgramFolder);
    if (free)
        return *free;
    m_platform.dialogs.message(
        { ProgramTitle, QStringLiteral("Internal GetDisk error!"), Dialogs::Buttons::Ok, Dialogs::Icon::None });
    return 0;
}

void CopyPanel::cmdCopy_Click()
{
    EventPump::Loop loop(m_platform.events, QStringLiteral("cmdCopy_Click"));
    if (!loop.entered())
        return;
    const bool photos = m_session.CopyKind;
    const QString folder
        = m_session.roots.ProgramFolder + (photos ? MediaFolders::Photos : MediaFolders::Movies);
    m_cmdCopy->setEnabled(false);
    m_cmdCancel->setEnabled(false);
    show();
    CopyDeclined = false;

    const bool existed = m_platform.fs.isFolder(folder);
    if (!existed && !m_platform.fs.makeFolder(folder)) {
        // A folder that cannot be made (a read-only program folder) takes no
        // copy at all: say so once instead of once for every file.
        showCopyFailure(m_platform, CopyFailure::AccessError);
        CopyDeclined = true;
    } else if (existed) {
        const Dialogs::Answer answer = m_platform.dialogs.message(
            { ProgramTitle, copyAgainQuestion(), Dialogs::Buttons::OkCancel, Dialogs::Icon::Question });
        CopyDeclined = answer != Dialogs::Answer::Ok;
    }
    if (CopyDeclined) {
        m_cmdCopy->setEnabled(true);
        m_cmdCancel->setEnabled(true);
        hide();
        return;
    }

    QPointer<CopyPanel> self(this);
    const int failed = photos ? CopyPhotos() : CopyMovies();
    if (!self || m_stopped)
        return;
    // The photographs come from the copies only when all of them arrived.
    if (photos && failed == 0) {
        m_session.roots.PhotoRoot = m_session.roots.ProgramFolder;
        m_session.photoIndex = BuildPhotoIndex(m_platform.fs, m_session.roots.PhotoRoot, m_session.errors);
        m_session.navigator.indexRebuilt();
    }
    hide();
    m_session.CopyPending = false;
}

int CopyPanel::CopyPhotos()
{
    std::optional<BusyPointer> busy(std::in_place);
    RemainingBytes = jobTotal(true);
    m_host.disableMainWindow();
    m_session.roots.PhotoRoot = m_session.roots.MediaRoot;
    m_session.photoIndex = BuildPhotoIndex(m_platform.fs, m_session.roots.PhotoRoot, m_session.errors);
    m_session.navigator.indexRebuilt();
    QStringList names;
    for (int p = 1; p <= m_session.photoIndex.Count(); ++p)
        names.append(m_session.photoIndex.fileNameAt(p));
    QPointer<CopyPanel> self(this);
    const int failed = copyFiles(names, MediaFolders::Photos);
    if (!self || m_stopped)
        return failed;
    busy.reset();
    finishJob(failed, int(names.size()));
    return failed;
}

int CopyPanel::CopyMovies()
{
    std::optional<BusyPointer> busy(std::in_place);
    RemainingBytes = jobTotal(false);
    m_host.disableMainWindow();
    BuildMovieList(m_platform.fs, m_session);
    const QStringList names = m_session.MovieList.mid(0, m_session.MovieCount);
    QPointer<CopyPanel> self(this);
    const int failed = copyFiles(names, MediaFolders::Movies);
    if (!self || m_stopped)
        return failed;
    busy.reset();
    finishJob(failed, int(names.size()));
    return failed;
}

int CopyPanel::copyFiles(const QStringList &names, const QString &folder)
{
    QPointer<CopyPanel> self(this);
    // The gauges and the file box change after every chunk, hundreds of times
    // a second; painting each change would cost more than the copy itself.
    // While the files are copied the panel paints what they hold at most
    // every RepaintInterval milliseconds.
    setUpdatesEnabled(false);
    m_repaintClock.start();
    const auto paintAgain = qScopeGuard([self] {
        if (self)
            self->setUpdatesEnabled(true);
    });
    // An earlier copy under another letter case is replaced, not doubled.
    QHash<QString, QString> copied;
    for (const QString &onDisk : m_platform.fs.list(m_session.roots.ProgramFolder + folder + u'*'))
        copied.insert(onDisk.toCaseFolded(), onDisk);
    int failed = 0;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString &name = names.at(i);
        const QString target = copied.value(name.toCaseFolded(), name);
        const CopyFailure failure = isPlainFileName(name)
            ? CopyMediaFile(m_session.roots.MediaRoot + folder + name, m_session.roots.ProgramFolder + folder + target)
            : CopyFailure::BadFileName;
        if (!self || m_stopped || failure == CopyFailure::Stopped)
            return failed + int(names.size() - i);
        if (failure == CopyFailure::None)
            continue;
        ++failed;
        setUpdatesEnabled(true);
        showCopyFailure(m_platform, failure);
        if (!self)
            return failed;
        setUpdatesEnabled(false);
        // A full disk or a folder that cannot be written fails every file after
        // this one too: one box says it, and the job ends here.
        if (failsEveryFile(failure))
            return failed + int(names.size() - i - 1);
    }
    return failed;
}

CopyFailure CopyPanel::CopyMediaFile(const QString &source, const QString &destination)
{
    const qint64 total = jobTotal(m_session.CopyKind);
    QPointer<CopyPanel> self(this);
    setChangedText(m_Text1, source);
    CopySteps steps;
    steps.afterChunk = [&](qint64 chunk, qint64 size) {
        setGauge(*m_ProgressGuage, fileGaugePercent(MediaChunk, chunk, size), true);
        RemainingBytes -= MediaChunk;
        setGauge(*m_ProgressGuage2, jobGaugePercent(RemainingBytes, total), true);
    };
    steps.afterPiece = [&] {
        const bool paint = m_repaintClock.elapsed() >= RepaintInterval;
        if (paint) {
            m_repaintClock.restart();
            setUpdatesEnabled(true); // schedules a paint of what changed
        }
        m_platform.events.processPendingEvents();
        if (!self)
            return false;
        if (paint)
            setUpdatesEnabled(false);
        return !m_stopped;
    };
    steps.beforeRest = [&] { setGauge(*m_ProgressGuage, 100, true); };
    return copyMediaFile(m_platform.fs, source, destination, MediaChunk, steps);
}

void CopyPanel::finishJob(int failed, int total)
{
    const bool photos = m_session.CopyKind;
    setGauge(*m_ProgressGuage2, 100, true);
    if (failed == 0)
        m_platform.dialogs.message(
            { ProgramTitle, copiedMessage(photos), Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation });
    else
        m_platform.dialogs.message(
            { ProgramTitle, failedMessage(photos, failed, total), Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation });
    m_host.enableMainWindow();
}

void CopyPanel::cmdCancel_Click()
{
    hide();
}
