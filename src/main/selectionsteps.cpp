// The photograph steps of the main window: the arrows, the photo number
// panel, the file-name display and the details pane that follows the steps.
#include "selection.h"

#include "detailpanes.h"
#include "photoarea.h"
#include "yearstrip.h"
#include "core/contentcatalog.h"
#include "core/mainwindowhost.h"
#include "core/selectionrules.h"
#include "core/session.h"
#include "platform/base/platformbundle.h"

namespace {
// txtFile shows at most this much of a name.
constexpr int FileNameWidth = 12;
}

bool Selection::refuseWithoutSelection()
{
    if (label() != SelectionRules::NoSelection)
        return false;
    m_strip.setYearEnabled(1, true);
    m_strip.focusYear(1);
    return true;
}

bool Selection::showPhoto(int position)
{
    return m_photo.loadPhoto(m_platform.fs, m_session.photoIndex.pathAt(position));
}

bool Selection::showStep(int position)
{
    if (!showPhoto(position))
        return false;
    m_photo.setPhotoNumber(m_session.photoIndex.numberAt(position));
    if (m_session.ShowFileNames)
        showFileName(m_session.photoIndex.fileNameAt(position));
    return true;
}

void Selection::showFileName(const QString &fileName)
{
    m_photo.setFileName(fileName.left(FileNameWidth));
}

void Selection::NextPhoto()
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
    m_strip.focusYear(SelectionRules::yearButtonAfterStep(m_session.SelectionCode));
    if (m_details.detailsVisible() && !LoadPhotoDetails(p))
        m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
    m_host.RefreshScreenSaverButtons();
}

void Selection::PreviousPhoto()
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
    m_strip.focusYear(SelectionRules::yearButtonAfterStep(m_session.SelectionCode));
    if (m_details.detailsVisible() && !LoadPhotoDetails(shown) && shown == p)
        m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
    m_host.RefreshScreenSaverButtons();
}

bool Selection::LoadPhotoDetails(int position)
{
    QString name = m_session.photoIndex.fileNameAt(position);
    name.truncate(name.lastIndexOf(u'.') < 0 ? name.size() : name.lastIndexOf(u'.'));
    return m_details.loadPhotoDetails(m_session.roots.PhotoRoot + MediaFolders::RichText + name + QStringLiteral(".rtf"));
}

void Selection::panPhoto_DblClick()
{
    m_session.photoIndex = BuildPhotoIndex(m_platform.fs, m_session.roots.PhotoRoot, m_session.errors);
    m_session.navigator.indexRebuilt();
    NextPhoto();
}

void Selection::setFileNamesShown(bool shown)
{
    m_session.ShowFileNames = shown;
    m_photo.setFileNameVisible(shown);
    Q_EMIT fileNamesShown(shown);
}

void Selection::mnuNames_Click()
{
    if (label() == SelectionRules::NoSelection)
        return;
    if (m_session.ShowFileNames)
        return setFileNamesShown(false);
    const QString path = m_session.navigator.CurrentPhotoPath;
    m_photo.setFileName(path.mid(path.lastIndexOf(u'\\') + 1));
    setFileNamesShown(true);
}

void Selection::txtFile_Click()
{
    setFileNamesShown(false);
}
