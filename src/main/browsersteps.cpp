// The photograph steps of the main window: the arrows, the photo number
// panel, the file-name display and the details pane that follows the steps.
#include "browser.h"

#include "mainwindow.h"
#include "core/contentcatalog.h"
#include "core/selectionrules.h"
#include "core/session.h"
#include "platform/ui/platformbundle.h"
#include "platform/ui/richtextbox.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/sspanel.h"
#include "platform/ui/stretchedimage.h"

#include <QAction>
#include <QLineEdit>

namespace {
const QString ShowNamesCaption = QStringLiteral("Show File &Names");
const QString HideNamesCaption = QStringLiteral("Hide File &Names");
// txtFile shows at most this much of a name.
constexpr int FileNameWidth = 12;
}

bool Browser::refuseWithoutSelection()
{
    if (m_window.CurrentSelection() != SelectionRules::NoSelection)
        return false;
    m_window.cmdYR(1)->setEnabled(true);
    focusYearButton(1);
    return true;
}

bool Browser::showPhoto(int position)
{
    return m_window.loadImage4(m_session.photoIndex.pathAt(position));
}

bool Browser::showStep(int position)
{
    if (!showPhoto(position))
        return false;
    m_window.panPhoto->setCaption(m_session.photoIndex.numberAt(position));
    if (ShowFileNames)
        showFileName(m_session.photoIndex.fileNameAt(position));
    return true;
}

void Browser::showFileName(const QString &fileName)
{
    m_window.txtFile->setText(fileName.left(FileNameWidth));
}

void Browser::NextPhoto()
{
    if (refuseWithoutSelection())
        return;
    PhotoNavigator &navigator = m_session.navigator;
    const int p = navigator.NextPhoto(m_session.SelectionCode);
    if (!p)
        return;
    m_session.errors.setErrorCode(QStringLiteral("ER012"));
    if (!showStep(p))
        return m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
    navigator.shownForward(p);
    focusYearButton(SelectionRules::yearButtonAfterStep(m_session.SelectionCode));
    if (m_window.rtbDetails->isVisible() && !LoadPhotoDetails(p))
        return m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
}

void Browser::PreviousPhoto()
{
    if (refuseWithoutSelection())
        return;
    PhotoNavigator &navigator = m_session.navigator;
    const int p = navigator.PreviousPhoto(m_session.SelectionCode);
    if (!p)
        return;
    m_session.errors.setErrorCode(QStringLiteral("ER011"));
    int shown = p;
    if (showStep(p)) {
        navigator.shownBackward(p);
    } else {
        // The photograph on screen stays: the one after the entry that failed.
        m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
        navigator.failedBackward(p);
        shown = p + 1;
    }
    focusYearButton(SelectionRules::yearButtonAfterStep(m_session.SelectionCode));
    if (m_window.rtbDetails->isVisible() && !LoadPhotoDetails(shown) && shown == p)
        m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
}

bool Browser::LoadPhotoDetails(int position)
{
    QString name = m_session.photoIndex.fileNameAt(position);
    name.truncate(name.lastIndexOf(u'.') < 0 ? name.size() : name.lastIndexOf(u'.'));
    const QString document = m_session.roots.PhotoRoot + MediaFolders::RichText + name + QStringLiteral(".rtf");
    if (!m_window.rtbDetails->loadFile(m_platform.fs, document))
        return false;
    const QRect ad = m_window.cmdAd->geometry();
    m_window.rtbDetails->move(ad.x() + ad.width() - m_window.rtbDetails->width() - 10, m_window.Image4->y() + 9);
    return true;
}

void Browser::panPhoto_DblClick()
{
    m_session.photoIndex = BuildPhotoIndex(m_platform.fs, m_session.roots.PhotoRoot, m_session.errors);
    m_session.navigator.indexRebuilt();
    NextPhoto();
}

void Browser::setFileNamesShown(bool shown)
{
    ShowFileNames = shown;
    m_window.menu(QStringLiteral("mnuNames"))->setText(shown ? HideNamesCaption : ShowNamesCaption);
    m_window.txtFile->setVisible(shown);
}

void Browser::mnuNames_Click()
{
    if (m_window.CurrentSelection() == SelectionRules::NoSelection)
        return;
    if (ShowFileNames)
        return setFileNamesShown(false);
    const QString path = m_session.navigator.CurrentPhotoPath;
    m_window.txtFile->setText(path.mid(path.lastIndexOf(u'\\') + 1));
    setFileNamesShown(true);
    m_window.txtFile->raise();
}

void Browser::txtFile_Click()
{
    setFileNamesShown(false);
}
