#pragma once

#include "platform/base/twips.h"

#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QWidget;
class SSCommand;
class SSPanel;
class StretchedImage;

// Builders for fixed layouts, so a window's constructor reads like its layout
// table: one line per control, its designed name (objectName) and its place
// in twips. A button's caption is its accessible name; other controls get
// theirs from the window, in words a listener understands.
SSCommand *makeButton(QWidget *parent, const QString &name, const QString &caption, const Twips &place);
SSPanel *makePanel(QWidget *parent, const QString &name, const QString &caption, const Twips &place);
// A panel of the main window that lies over the photograph: named, placed
// and hidden until it is opened.
void placeHiddenPanel(SSPanel *panel, const QString &name, const QString &accessibleName, const Twips &place);
StretchedImage *makeImage(QWidget *parent, const QString &name, const Twips &place);
// A picture box: shows its picture at natural size, clipped to the box.
QLabel *makePictureBox(QWidget *parent, const QString &name, const Twips &place);
QLineEdit *makeTextBox(QWidget *parent, const QString &name, const Twips &place);
QListWidget *makeListBox(QWidget *parent, const QString &name, const Twips &place);
// An option button; its caption is its accessible name.
QRadioButton *makeOption(QWidget *parent, const QString &name, const QString &caption, const Twips &place);

// A place stated in pixels, used as it stands.
constexpr Twips pixelPlace(int left, int top, int width, int height)
{
    return Twips{ pixelsToTwips(left), pixelsToTwips(top), pixelsToTwips(width), pixelsToTwips(height) };
}

// The index form of a control array's name: arrayName("cmdYR", 3) is "cmdYR(3)".
QString arrayName(const QString &name, int index);

// A top-level window's outer place (frame included) in twips, as the layout
// tables and the settings give it.
Twips outerPlace(const QWidget *window);
void setOuterPlace(QWidget *window, const Twips &place);
void setOuterSize(QWidget *window, int widthTwips, int heightTwips);
