#include "photoarea.h"

#include "platform/base/pictureloader.h"
#include "platform/ui/controls.h"
#include "platform/ui/spinbutton.h"
#include "platform/ui/sspanel.h"
#include "platform/ui/stretchedimage.h"

#include <QEvent>
#include <QKeyEvent>
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
    m_SpinButton1->setHalfNames(QStringLiteral("Next photograph"), QStringLiteral("Previous photograph"));
    m_SpinButton1->setGeometry(toPixels(Twips{ 120, 360, 615, 300 }));
    m_SpinButton1->hide();

    m_panPhoto = makePanel(client, QStringLiteral("panPhoto"), QString(), Twips{ 720, 360, 390, 300 });
    m_panPhoto->setToolTip(QStringLiteral("Double-click to show photo #1"));
    m_panPhoto->setSpokenPrefix(QStringLiteral("Photograph "));
    m_panPhoto->hide();
    m_panYear = makePanel(client, QStringLiteral("panYear"), QStringLiteral("panYear"), Twips{ 1080, 360, 915, 300 });
    m_panYear->hide();

    m_txtFile = makeTextBox(client, QStringLiteral("txtFile"), Twips{ 180, 795, 1140, 285 });
    m_txtFile->setReadOnly(true);
    m_txtFile->hide();
    m_txtFile->installEventFilter(this);
    // The arrow keys step the photographs while the photograph or its arrows have the focus.
    for (QWidget *control : { static_cast<QWidget *>(m_Image4), static_cast<QWidget *>(m_SpinButton1) }) {
        control->setFocusPolicy(Qt::StrongFocus);
        control->installEventFilter(this);
    }

    connect(m_Image4, &StretchedImage::mousePressed, this, &PhotoArea::Image4_MouseDown);
    connect(m_SpinButton1, &SpinButton::SpinUp, this, &PhotoArea::SpinButton1_SpinUp);
    connect(m_SpinButton1, &SpinButton::SpinDown, this, &PhotoArea::SpinButton1_SpinDown);
    connect(m_panPhoto, &SSPanel::doubleClicked, this, &PhotoArea::panPhoto_DblClick);
}

PhotoArea::~PhotoArea()
{
    for (QObject *control : { static_cast<QObject *>(m_txtFile), static_cast<QObject *>(m_Image4),
                              static_cast<QObject *>(m_SpinButton1) })
        control->removeEventFilter(this);
}

bool PhotoArea::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_txtFile && event->type() == QEvent::MouseButtonPress) {
        Q_EMIT txtFile_Click();
        return true;
    }
    if ((watched == m_Image4 || watched == m_SpinButton1) && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Right:
        case Qt::Key_Up:
            Q_EMIT SpinButton1_SpinUp();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Down:
            Q_EMIT SpinButton1_SpinDown();
            return true;
        default:
            break;
        }
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

void PhotoArea::followInTabOrder(QWidget *previous)
{
    QWidget::setTabOrder(previous, m_Image4);
    QWidget::setTabOrder(m_Image4, m_SpinButton1);
    QWidget::setTabOrder(m_SpinButton1, m_txtFile);
}

void PhotoArea::setFileNameVisible(bool visible)
{
    m_txtFile->setVisible(visible);
    if (visible)
        m_txtFile->raise();
}
