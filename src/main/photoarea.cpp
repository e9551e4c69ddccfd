#include "photoarea.h"

#include "platform/base/pictureloader.h"
#include "platform/ui/controls.h"
#include "platform/ui/spinbutton.h"
#include "platform/ui/sspanel.h"
#include "platform/ui/stretchedimage.h"

#include <QEvent>
#include <QLineEdit>

PhotoArea::PhotoArea(QWidget *client)
    : QObject()
{
    m_Image4 = makeImage(client, QStringLiteral("Image4"), Twips{ 120, 360, 11640, 7440 });
    m_Image4->setToolTip(QStringLiteral("Click the Right mouse button to copy photo or add to Screen Saver"));
    m_Image4->setAccessibleName(QStringLiteral("Photograph"));
    m_Image4->setKeepsProportions(true);

    m_SpinButton1 = new SpinButton(Qt::Vertical, client);
    m_SpinButton1->setObjectName(QStringLiteral("SpinButton1"));
    m_SpinButton1->setAccessibleName(QStringLiteral("Photographs"));
    m_SpinButton1->setGeometry(toPixels(Twips{ 120, 360, 615, 300 }));
    m_SpinButton1->hide();

    m_panPhoto = makePanel(client, QStringLiteral("panPhoto"), QString(), Twips{ 720, 360, 390, 300 });
    m_panPhoto->setToolTip(QStringLiteral("Double-click to show photo #1"));
    m_panPhoto->hide();
    m_panYear = makePanel(client, QStringLiteral("panYear"), QStringLiteral("panYear"), Twips{ 1080, 360, 915, 300 });
    m_panYear->hide();

    m_txtFile = makeTextBox(client, QStringLiteral("txtFile"), Twips{ 180, 795, 1140, 285 });
    m_txtFile->setReadOnly(true);
    m_txtFile->hide();
    m_txtFile->installEventFilter(this);

    connect(m_Image4, &StretchedImage::mousePressed, this, &PhotoArea::Image4_MouseDown);
    connect(m_SpinButton1, &SpinButton::SpinUp, this, &PhotoArea::SpinButton1_SpinUp);
    connect(m_SpinButton1, &SpinButton::SpinDown, this, &PhotoArea::SpinButton1_SpinDown);
    connect(m_panPhoto, &SSPanel::doubleClicked, this, &PhotoArea::panPhoto_DblClick);
}

PhotoArea::~PhotoArea()
{
    m_txtFile->removeEventFilter(this);
}

bool PhotoArea::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_txtFile && event->type() == QEvent::MouseButtonPress) {
        Q_EMIT txtFile_Click();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool PhotoArea::loadPhoto(const MediaFs &fs, const QString &mediaPath)
{
    const QImage picture = loadPicture(fs, mediaPath, m_Image4->size() * m_Image4->devicePixelRatioF());
    if (picture.isNull())
        return false;
    m_Image4->setImage(picture);
    return true;
}

void PhotoArea::clearPhoto()
{
    m_Image4->clear();
}

void PhotoArea::setPhotoVisible(bool visible)
{
    m_Image4->setVisible(visible);
}

bool PhotoArea::photoVisible() const
{
    return m_Image4->isVisible();
}

QImage PhotoArea::photo() const
{
    return m_Image4->image();
}

QRect PhotoArea::photoGeometry() const
{
    return m_Image4->geometry();
}

QString PhotoArea::selectionLabel() const
{
    return m_panYear->caption();
}

void PhotoArea::setSelectionLabel(const QString &label)
{
    m_panYear->setCaption(label);
}

void PhotoArea::showSelectionControls()
{
    m_SpinButton1->show();
    m_panPhoto->show();
    m_panYear->show();
}

void PhotoArea::showSelectionLabel()
{
    m_panYear->show();
}

QString PhotoArea::photoNumber() const
{
    return m_panPhoto->caption();
}

void PhotoArea::setPhotoNumber(const QString &number)
{
    m_panPhoto->setCaption(number);
}

void PhotoArea::setFileName(const QString &fileName)
{
    m_txtFile->setText(fileName);
}

void PhotoArea::setFileNameVisible(bool visible)
{
    m_txtFile->setVisible(visible);
    if (visible)
        m_txtFile->raise();
}
