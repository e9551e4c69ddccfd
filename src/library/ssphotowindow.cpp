#include "ssphotowindow.h"

#include "core/errortable.h"
#include "platform/ui/controls.h"

#include <QLabel>

ScreenSaverPhotoWindow::ScreenSaverPhotoWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSSPhoto"));
    setWindowTitle(ProgramTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    Text4 = makePictureBox(this, QStringLiteral("Text4"), Twips{ 240, 120, 4095, 375 });
    Text4->setText(QStringLiteral("Screen Saver Photo Selection"));
    Text4->setAlignment(Qt::AlignCenter);
    resize(toPixels(Twips{ 0, 0, 4575, 6600 }).size());
}
