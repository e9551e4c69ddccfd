#pragma once

#include "selectionrules.h"

#include <QString>

class QWidget;

// What the error reporter, the viewers and the panels need from the main
// window, without knowing it. The main window implements it; tests pass a
// recording fake.
class MainWindowHost
{
public:
    virtual ~MainWindowHost();

    // The main window itself: the parent of modal viewers and panels.
    virtual QWidget *mainWindow() = 0;
    // The label of the selection: the caption of panYear ("panYear" before the first one).
    virtual QString CurrentSelection() const = 0;

    // Focus on the year button after the selected one (cmdYR(1) after 2002 or a category).
    virtual void FocusYearButton() = 0;
    // Focus on cmdYR(index); an index outside 1..13 leaves the focus where it is.
    virtual void focusYearButtonAt(int index) = 0;

    // A window or panel that keeps the main window out of play disables it
    // while open; ReportError enables it again after a failure.
    virtual void disableMainWindow() = 0;
    virtual void enableMainWindow() = 0;
    // Places a panel of the main window centred in the span from the window's
    // left edge to the right edge of cmdExit, with its top at the given pixel.
    virtual void placePanel(QWidget *panel, int top) = 0;

    // Takes the screen-saver photo window out of the always-on-top layer and closes it, if open.
    virtual void closeScreenSaverPhotoWindow() = 0;
    // Add and Remove of the screen-saver photo window for the photograph on screen.
    virtual void RefreshScreenSaverButtons() = 0;
    // Buttons, pictures and year buttons for the label now in panYear.
    virtual void RefreshSelection() = 0;

    // What the slide show's "Exit" sets when it hands its photograph back.
    // Loads the photograph into Image4 at its size and shows it; false when it cannot be decoded.
    virtual bool showHandedBackPhoto(const QString &mediaPath) = 0;
    // The caption of panPhoto: the photograph's number within its group.
    virtual void setPhotoNumber(const QString &number) = 0;
    // The caption of panYear, which is then shown.
    virtual void setSelectionLabel(const QString &label) = 0;
    // The file-name box txtFile.
    virtual void setFileName(const QString &fileName) = 0;
    virtual void setStatsCaption(const QString &caption) = 0;
    virtual void setDetailButtonEnabled(SelectionRules::DetailButton button, bool enabled) = 0;
};
