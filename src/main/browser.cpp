#include "browser.h"

#include "mainwindow.h"
#include "overlaypictures.h"
#include "core/contentcatalog.h"
#include "core/selectionrules.h"
#include "core/session.h"
#include "platform/ui/busypointer.h"
#include "platform/ui/controls.h"
#include "platform/ui/platformbundle.h"
#include "platform/ui/richtextbox.h"
#include "platform/ui/spinbutton.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/sspanel.h"
#include "platform/ui/stretchedimage.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

using namespace SelectionRules;

namespace {
const QColor Navy(0, 0, 128);
const QColor Green(0, 128, 0);
const QColor Red(255, 0, 0);
}

Browser::Browser(MainWindow &window, Platform &platform, Session &session)
    : QObject(&window)
    , m_window(window)
    , m_platform(platform)
    , m_session(session)
{
    connectControls();
}

void Browser::connectControls()
{
    for (int i = 1; i <= 13; ++i) {
        connect(m_window.cmdYR(i), &QPushButton::clicked, this, [this, i] { cmdYR_Click(i); });
        m_window.cmdYR(i)->installEventFilter(this);
    }
    for (int i = 0; i <= 5; ++i)
        connect(m_window.menu(arrayName(QStringLiteral("mnuStuff"), i)), &QAction::triggered, this,
                [this, i] { mnuStuff_Click(i); });
    connect(m_window.Image4, &StretchedImage::mousePressed, this, &Browser::Image4_MouseDown);
    m_window.centralWidget()->installEventFilter(this);
    connect(m_window.SpinButton1, &SpinButton::SpinUp, this, &Browser::NextPhoto);
    connect(m_window.SpinButton1, &SpinButton::SpinDown, this, &Browser::PreviousPhoto);
    connect(m_window.panPhoto, &SSPanel::doubleClicked, this, &Browser::panPhoto_DblClick);
    connect(m_window.menu(QStringLiteral("mnuNames")), &QAction::triggered, this, &Browser::mnuNames_Click);
    m_window.txtFile->installEventFilter(this);
}

bool Browser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window.centralWidget() && event->type() == QEvent::MouseButtonPress) {
        Form_Click();
    } else if (watched == m_window.txtFile && event->type() == QEvent::MouseButtonPress) {
        txtFile_Click();
        return true;
    } else if (event->type() == QEvent::KeyPress) {
        for (int i = 1; i <= 13; ++i) {
            if (watched != m_window.cmdYR(i))
                continue;
            const int key = static_cast<QKeyEvent *>(event)->key();
            cmdYR_KeyPress(i, key);
            // The comma and period step; the space bar still presses the button.
            return key == Qt::Key_Comma || key == Qt::Key_Period;
        }
    }
    return QObject::eventFilter(watched, event);
}

void Browser::setSelection(const QString &label)
{
    m_window.panYear->setCaption(label);
}

void Browser::focusYearButton(int index)
{
    m_window.cmdYR(index)->setFocus();
}

void Browser::ShowSelection()
{
    m_window.menu(QStringLiteral("mnuNames"))->setEnabled(true);
    m_window.rtbDetails->hide();
    m_session.navigator.selectionStarted();
    RefreshSelection();

    const QString label = m_window.CurrentSelection();
    m_session.SelectionCode = ContentCatalog::GroupCodeOf(label);
    if (usesDetailsCaption(label))
        m_window.cmdStats->setText(QStringLiteral("Details"));

    const PhotoIndex &index = m_session.photoIndex;
    int found = 0;
    for (int p = 1; p <= index.Count() && !found; ++p)
        if (index.groupCodeAt(p) == m_session.SelectionCode)
            found = p;
    if (found) {
        m_session.navigator.CurrentPhotoPath = index.pathAt(found);
        if (ShowFileNames)
            showFileName(index.fileNameAt(found));
        if (showPhoto(found)) {
            m_window.Image4->show();
            m_session.navigator.CurrentPosition = found;
            return;
        }
    }
    m_session.errors.setErrorCode(QStringLiteral("ER023"));
    m_session.errors.reportError(found ? ErrorReporter::Origin::FailureHandler : ErrorReporter::Origin::Detected);
    m_window.Image4->hide();
    m_session.navigator.CurrentPosition = found ? found : index.Count() + 1;
}

void Browser::FinishSelection()
{
    m_session.navigator.FinishSelection();
    m_window.panPhoto->setCaption(QStringLiteral("1"));
    restoreDefaultPointer();
}

void Browser::RefreshSelection()
{
    m_session.SlideShowFlag = false;
    m_window.enableMainWindow();
    m_window.cmdDesc->setEnabled(true);
    const QString label = m_window.CurrentSelection();
    if (label == NoSelection)
        return;

    m_window.SpinButton1->show();
    m_window.panPhoto->show();
    m_window.panYear->show();
    const DetailButtons buttons = detailButtonsFor(label);
    m_window.cmdDesc->setEnabled(buttons.cmdDesc);
    m_window.cmdOptions->setEnabled(buttons.cmdOptions);
    m_window.cmdStats->setEnabled(buttons.cmdStats);
    m_window.cmdColors->setEnabled(buttons.cmdColors);
    m_window.cmdScript->setEnabled(buttons.cmdScript);
    m_window.cmdEmblem->setEnabled(buttons.cmdEmblem);
    m_window.cmdClipArt->setEnabled(buttons.cmdClipArt);
    m_window.cmdAd->setEnabled(buttons.cmdAd);
    m_window.cmdBrochure->setEnabled(buttons.cmdBrochure);
    m_window.cmdNostalgia->setEnabled(buttons.cmdNostalgia);
    m_session.SelectionCode = ContentCatalog::GroupCodeOf(label);

    if (hidesOverlayPictures(label)) {
        m_window.picClipArt->hide();
        m_window.picEmblem->hide();
        m_window.picScript->hide();
    } else if (m_overlays) {
        if (m_window.picClipArt->isVisible())
            m_overlays->LoadYearClipArt();
        if (m_window.picScript->isVisible())
            m_overlays->LoadYearScript();
        if (m_window.picEmblem->isVisible())
            m_overlays->LoadYearEmblem();
    }
    for (int i = 1; i <= 13; ++i)
        m_window.cmdYR(i)->setEnabled(true);
}

void Browser::HighlightYearButton(int index)
{
    for (int i = 1; i <= 13; ++i) {
        m_window.cmdYR(i)->setCaptionPointSize(10);
        m_window.cmdYR(i)->setCaptionColor(i <= 12 ? Navy : Green);
    }
    if (isNumericLabel(m_window.CurrentSelection()) && index >= 1 && index <= 13) {
        m_window.cmdYR(index)->setCaptionColor(Red);
        m_window.cmdYR(index)->setCaptionPointSize(12);
    }
}

void Browser::cmdYR_Click(int index)
{
    setSelection(QStringLiteral("0"));
    HighlightYearButton(index);
    selectYear(index);
}

void Browser::cmdYR_KeyPress(int index, int key)
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

void Browser::selectYear(int index)
{
    m_session.AnySelectionMade = true;
    showBusyPointer();
    m_window.rtbDetails->hide();
    m_window.Image4->clear();
    setSelection(ContentCatalog::yearLabel(index));
    ShowSelection();
    focusYearButton(index == 13 ? 1 : index + 1);
    FinishSelection();
    m_session.YearButtonIndex = qint16(index);
}

void Browser::Form_Click()
{
    if (!m_session.FirstClickPending)
        return;
    m_session.FirstClickPending = false;
    showBusyPointer();
    m_window.Image4->clear();
    m_window.cmdYR(2)->setEnabled(true);
    focusYearButton(2);
    setSelection(QStringLiteral("1955"));
    ShowSelection();
    m_window.cmdYR(1)->setEnabled(false);
    focusYearButton(2);
    FinishSelection();
    m_session.YearButtonIndex = 1;
}

void Browser::Image4_MouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        m_platform.fs.makeFolder(m_session.roots.ProgramFolder + MediaFolders::ScreenSaverPhotos);
        m_window.showScreenSaverPhotoWindow();
        return;
    }
    AdvanceSelection();
}

void Browser::AdvanceSelection()
{
    m_session.AnySelectionMade = true;
    showBusyPointer();
    m_window.rtbDetails->hide();
    const Advance next = nextInClickCycle(m_window.CurrentSelection(), m_session.YearButtonIndex);
    setSelection(next.label);
    if (next.viaShowCategory) {
        ShowCategory();
    } else {
        ShowSelection();
        if (next.resetsStatsCaption)
            m_window.cmdStats->setText(QStringLiteral("Statistics"));
    }
    HighlightYearButton(next.yearButtonIndex);
    focusYearButton(next.yearButtonIndex == 13 ? 1 : next.yearButtonIndex + 1);
    FinishSelection();
    m_session.YearButtonIndex = next.yearButtonIndex;
}

void Browser::mnuStuff_Click(int index)
{
    showBusyPointer();
    m_window.Image4->clear();
    setSelection(stuffLabel(index));
    HighlightYearButton(0);
    ShowCategory();
}

void Browser::ShowCategory()
{
    m_session.AnySelectionMade = true;
    showBusyPointer();
    m_window.Image4->clear();
    ShowSelection();
    FinishSelection();
    m_window.cmdStats->setText(QStringLiteral("Details"));
    for (SSCommand *button : { m_window.cmdOptions, m_window.cmdColors, m_window.cmdScript, m_window.cmdEmblem,
                               m_window.cmdAd, m_window.cmdNostalgia, m_window.cmdBrochure })
        button->setEnabled(false);
    m_window.rtbDetails->hide();
    m_session.YearButtonIndex = 0;
    m_window.cmdYR(1)->setEnabled(true);
    focusYearButton(1);
}

void Browser::Form_LostFocus()
{
    if (!m_session.SlideShowFlag)
        return;
    if (m_window.CurrentSelection() != NoSelection)
        m_window.Image4->show();
    RefreshSelection();
}
