#pragma once

#include <QImage>
#include <QObject>
#include <QRect>

class MediaFs;
class QLineEdit;
class QWidget;
class SpinButton;
class SSPanel;
class StretchedImage;

// The photograph of the main window and the small controls over its top
// left corner: Image4, the arrows SpinButton1, the photo number panPhoto,
// the selection's label panYear and the file name txtFile. The controls lie
// in the main window's client area at their designed places.
class PhotoArea : public QObject
{
    Q_OBJECT
public:
    explicit PhotoArea(QWidget *client);
    ~PhotoArea() override;

    // Decodes the photograph straight to the size of Image4 and puts it
    // there; false (and the picture on show kept) when it cannot be decoded.
    bool loadPhoto(const MediaFs &fs, const QString &mediaPath);
    void clearPhoto();
    void setPhotoVisible(bool visible);
    bool photoVisible() const;
    QImage photo() const;
    QRect photoGeometry() const;

    // The label of the selection: panYear's caption ("panYear" before the first one).
    QString selectionLabel() const;
    void setSelectionLabel(const QString &label);
    // The arrows, the photo number and the label, shown once there is a selection.
    void showSelectionControls();
    void showSelectionLabel();
    QString photoNumber() const;
    void setPhotoNumber(const QString &number);

    // The photograph, its arrows and the file name come after this control
    // when Tab moves the focus.
    void followInTabOrder(QWidget *previous);

    void setFileName(const QString &fileName);
    void setFileNameVisible(bool visible);

Q_SIGNALS:
    void Image4_MouseDown(Qt::MouseButton button);
    void SpinButton1_SpinUp();
    void SpinButton1_SpinDown();
    void panPhoto_DblClick();
    void txtFile_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StretchedImage *m_Image4;
    SpinButton *m_SpinButton1;
    SSPanel *m_panPhoto;
    SSPanel *m_panYear;
    QLineEdit *m_txtFile;
};
