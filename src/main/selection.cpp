#include "selection.h"

#include "detailpanes.h"
#include "photoarea.h"
#include "yearstrip.h"
#include "core/contentcatalog.h"
#include "core/mainwindowhost.h"
#include "core/selectionrules.h"
#include "core/session.h"
#include "platform/base/platformbundle.h"
#include "platform/ui/busypointer.h"

using namespace SelectionRules;

Selection::Selection(Platform &platform, Session &session, MainWindowHost &host, YearStrip &strip, PhotoArea &photo,
                     DetailPanes &details)
    : m_platform(platform)
    , m_session(session)
    , m_host(host)
    , m_strip(strip)
    , m_photo(photo)
    , m_details(details)
{
    connect(&strip, &YearStrip::cmdYR_Click, this, &Selection::cmdYR_Click);
    connect(&strip, &YearStrip::cmdYR_KeyPress, this, &Selection::cmdYR_KeyPress);
    connect(&photo, &PhotoArea::Image4_MouseDown, this, &Selection::Image4_MouseDown);
    connect(&photo, &PhotoArea::SpinButton1_SpinUp, this, &Selection::NextPhoto);
    connect(&photo, &PhotoArea::SpinButton1_SpinDown, this, &Selection::PreviousPhoto);
    connect(&photo, &PhotoArea::panPhoto_DblClick, this, &Selection::panPhoto_DblClick);
    connect(&photo, &PhotoArea::txtFile_Click, this, &Selection::txtFile_Click);
}

QString Selection::label() const
{
    return m_photo.selectionLabel();
}

void Selection::setSelection(const QString &label)
{
    m_photo.setSelectionLabel(label);
}

void Selection::ShowSelection()
{
    m_details.hideDetails();
    m_session.navigator.selectionStarted();
    RefreshSelection();

    m_session.SelectionCode = ContentCatalog::GroupCodeOf(label());
    if (usesDetailsCaption(label()))
        m_details.setStatsCaption(QStringLiteral("Details"));

    const PhotoIndex &index = m_session.photoIndex;
    int found = 0;
    for (int p = 1; p <= index.Count() && !found; ++p)
        if (index.groupCodeAt(p) == m_session.SelectionCode)
            found = p;
    if (found) {
        m_session.navigator.CurrentPhotoPath = index.pathAt(found);
        if (m_session.ShowFileNames)
            showFileName(index.fileNameAt(found));
        if (showPhoto(found)) {
            m_photo.setPhotoVisible(true);
            m_session.navigator.CurrentPosition = found;
            return m_host.RefreshScreenSaverButtons();
        }
    }
    m_session.errors.setErrorCode(QStringLiteral("ER023"));
    m_session.errors.reportError(found ? ErrorReporter::Origin::FailureHandler : ErrorReporter::Origin::Detected);
    m_photo.setPhotoVisible(false);
    m_session.navigator.CurrentPosition = found ? found : index.Count() + 1;
    m_host.RefreshScreenSaverButtons();
}

void Selection::FinishSelection()
{
    m_session.navigator.FinishSelection();
    m_photo.setPhotoNumber(QStringLiteral("1"));
    restoreDefaultPointer();
}

void Selection::RefreshSelection()
{
    m_session.SlideShowFlag = false;
    m_host.enableMainWindow();
    m_details.setButtonEnabled(DetailButton::cmdDesc, true);
    if (label() == NoSelection)
        return;

    m_photo.showSelectionControls();
    m_details.setButtons(detailButtonsFor(label()));
    m_session.SelectionCode = ContentCatalog::GroupCodeOf(label());
    if (hidesOverlayPictures(label()))
        m_details.hideOverlayPictures();
    else
        m_details.reloadVisibleOverlayPictures();
    m_strip.enableAllYears();
}

void Selection::HighlightYearButton(int index)
{
    m_strip.HighlightYearButton(isNumericLabel(label()) ? index : 0);
}

void Selection::cmdYR_Click(int index)
{
    setSelection(QStringLiteral("0"));
    HighlightYearButton(index);
    selectYear(index);
}

void Selection::cmdYR_KeyPress(int index, int key)
{
    switch (key) {
    case Qt::Key_Comma:
        PreviousPhoto();
        return;
    case Qt::Key_Period:
        NextPhoto();
        return;
    case Qt::Key_Space:
        // Selects (without painting the buttons) only until the first selection.
        if (!m_session.AnySelectionMade)
            selectYear(index);
        return;
    default:
        return;
    }
}

void Selection::selectYear(int index)
{
    m_session.AnySelectionMade = true;
    showBusyPointer();
    m_details.hideDetails();
    m_photo.clearPhoto();
    setSelection(ContentCatalog::yearLabel(index));
    ShowSelection();
    m_strip.focusYear(index == 13 ? 1 : index + 1);
    FinishSelection();
    m_session.YearButtonIndex = qint16(index);
}

void Selection::Form_Click()
{
    if (!m_session.FirstClickPending)
        return;
    m_session.FirstClickPending = false;
    showBusyPointer();
    m_photo.clearPhoto();
    m_strip.setYearEnabled(2, true);
    m_strip.focusYear(2);
    setSelection(QStringLiteral("1955"));
    ShowSelection();
    m_strip.setYearEnabled(1, false);
    m_strip.focusYear(2);
    FinishSelection();
    m_session.YearButtonIndex = 1;
}

void Selection::Image4_MouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        m_platform.fs.makeFolder(m_session.roots.ProgramFolder + MediaFolders::ScreenSaverPhotos);
        Q_EMIT screenSaverPhotosWanted();
        return;
    }
    AdvanceSelection();
}

void Selection::AdvanceSelection()
{
    m_session.AnySelectionMade = true;
    showBusyPointer();
    m_details.hideDetails();
    const Advance next = nextInClickCycle(label(), m_session.YearButtonIndex);
    setSelection(next.label);
    if (next.viaShowCategory) {
        ShowCategory();
    } else {
        ShowSelection();
        if (next.resetsStatsCaption)
            m_details.setStatsCaption(QStringLiteral("Statistics"));
    }
    HighlightYearButton(next.yearButtonIndex);
    m_strip.focusYear(next.yearButtonIndex == 13 ? 1 : next.yearButtonIndex + 1);
    FinishSelection();
    m_session.YearButtonIndex = next.yearButtonIndex;
}

void Selection::mnuStuff_Click(int index)
{
    showBusyPointer();
    m_photo.clearPhoto();
    setSelection(stuffLabel(index));
    HighlightYearButton(0);
    ShowCategory();
}

void Selection::ShowCategory()
{
    m_session.AnySelectionMade = true;
    showBusyPointer();
    m_photo.clearPhoto();
    ShowSelection();
    FinishSelection();
    m_details.setStatsCaption(QStringLiteral("Details"));
    for (DetailButton button : { DetailButton::cmdOptions, DetailButton::cmdColors, DetailButton::cmdScript,
                                 DetailButton::cmdEmblem, DetailButton::cmdAd, DetailButton::cmdNostalgia,
                                 DetailButton::cmdBrochure })
        m_details.setButtonEnabled(button, false);
    m_details.hideDetails();
    m_session.YearButtonIndex = 0;
    m_strip.setYearEnabled(1, true);
    m_strip.focusYear(1);
}

void Selection::Form_LostFocus()
{
    if (!m_session.SlideShowFlag)
        return;
    if (label() != NoSelection)
        m_photo.setPhotoVisible(true);
    RefreshSelection();
}
