#include "splashwindow.h"

#include "splashartwork.h"
#include "core/errortable.h"
#include "platform/base/screen.h"
#include "platform/ui/controls.h"
#include "platform/ui/sspanel.h"
#include "platform/ui/stretchedimage.h"

#include <QLabel>

SplashWindow::SplashWindow(const MediaControlFactory &mediaControls, const Screen &screen, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_screen(screen)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(ProgramTitle);
    setAccessibleName(ProgramTitle);
    setAttribute(Qt::WA_DeleteOnClose, false);

    SSPanel1 = makePanel(this, QStringLiteral("SSPanel1"), QString(), Twips{ 0, 0, 9390, 6600 });
    SSPanel1->setBevelOuter(SSPanel::Bevel::Raised);
    SSPanel1->setBevelWidth(3);
    Image1 = makeImage(this, QStringLiteral("Image1"), Twips{ 360, 360, 8670, 5895 });
    Image1->setImage(splashArtwork(Image1->size()));
    Image1->setAccessibleName(QStringLiteral("The Vireon Anthology artwork"));
    Picture3 = makePictureBox(this, QStringLiteral("Picture3"), Twips{ 360, 600, 8655, 1080 });
    Picture3->setPixmap(QPixmap::fromImage(splashTitleBand(Picture3->size())));
    Picture3->setAccessibleName(ProgramTitle);
    setFixedSize(SSPanel1->size());

    MMControl1 = mediaControls();
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setSingleShot(true);
}

SplashWindow::~SplashWindow() = default;

void SplashWindow::showCentred()
{
    move(QRect(QPoint(0, 0), m_screen.sizeInPixels()).center() - rect().center());
    show();
    raise();
}
