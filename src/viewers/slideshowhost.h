#pragma once

#include <QString>

// What the slide show's "Exit" sets in the main window when it hands the
// photograph on screen back; the rest it reaches through MainWindowHost.
class SlideShowHost
{
public:
    virtual ~SlideShowHost() = default;
    // Loads the photograph into Image4 at its size and shows it; false when it cannot be decoded.
    virtual bool showHandedBackPhoto(const QString &mediaPath) = 0;
    // The caption of panPhoto: the photograph's number within its group.
    virtual void setPhotoNumber(const QString &number) = 0;
    // The caption of panYear, which is then shown.
    virtual void setSelectionLabel(const QString &label) = 0;
    // The file-name box txtFile.
    virtual void setFileName(const QString &fileName) = 0;
    virtual void setStatsCaption(const QString &caption) = 0;
    // A detail button of the top row by its name ("cmdDesc", "cmdAd", ...).
    virtual void setDetailButtonEnabled(const QString &name, bool enabled) = 0;
};
