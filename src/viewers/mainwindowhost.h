#pragma once

#include <QString>

class QWidget;

// What the viewers and panels need from the main window, without knowing it.
class MainWindowHost
{
public:
    virtual ~MainWindowHost();
    // The main window itself: the parent of modal viewers.
    virtual QWidget *mainWindow() = 0;
    // The label of the selection: the caption of panYear ("panYear" before the first one).
    virtual QString CurrentSelection() const = 0;
    // Focus on the year button after the selected one.
    virtual void FocusYearButton() = 0;
    // Focus on cmdYR(index); an index outside 1..13 leaves the focus where it is.
    virtual void focusYearButtonAt(int index) = 0;
    virtual void enableMainWindow() = 0;
    // Takes the screen-saver photo window out of the always-on-top layer and closes it, if open.
    virtual void closeScreenSaverPhotoWindow() = 0;
    // Buttons, pictures and year buttons for the label now in panYear.
    virtual void RefreshSelection() = 0;
};
