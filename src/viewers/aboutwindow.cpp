#include "aboutwindow.h"

#include "aboutartwork.h"
#include "core/mainwindowhost.h"
#include "core/maker.h"
#include "platform/base/platformbundle.h"
#include "platform/base/text.h"
#include "platform/ui/controls.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/sspanel.h"
#include "platform/ui/stretchedimage.h"

#include <QLabel>

AboutWindow::AboutWindow(Platform &platform, MainWindowHost &host)
    : QDialog(host.mainWindow())
    , m_platform(platform)
    , m_host(host)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString());
    setAccessibleName(QStringLiteral("About The Vireon Anthology"));
    setFixedSize(641, 481);

    // clang-format off
    SSPanel3   = makePanel     (this,     QStringLiteral("SSPanel3"),   QString(),                          pixelPlace(0, 0, 641, 329));
    Image1     = makeImage     (SSPanel3, QStringLiteral("Image1"),                                         pixelPlace(6, 11, 629, 307));
    panAbout   = makePanel     (this,     QStringLiteral("panAbout"),   QString(),                          pixelPlace(0, 328, 641, 153));
    Picture2   = makePictureBox(panAbout, QStringLiteral("Picture2"),                                       pixelPlace(240, 16, 161, 86));
    SSPanel5   = makePanel     (panAbout, QStringLiteral("SSPanel5"),   QStringLiteral("The"),              pixelPlace(96, 32, 41, 16));
    SSPanel1   = makePanel     (panAbout, QStringLiteral("SSPanel1"),   QStringLiteral("Vireon Anthology"), pixelPlace(24, 48, 201, 24));
    SSPanel2   = makePanel     (panAbout, QStringLiteral("SSPanel2"),   QString(),                          pixelPlace(32, 80, 177, 24));
    panQuillon = makePanel     (panAbout, QStringLiteral("panQuillon"), QString(),                          pixelPlace(432, 24, 177, 49));
    SSCommand2 = makeButton    (panAbout, QStringLiteral("SSCommand2"), Maker::WebAddress,                  pixelPlace(432, 80, 180, 25));
    SSCommand1 = makeButton    (panAbout, QStringLiteral("SSCommand1"), QStringLiteral("OK"),               pixelPlace(16, 112, 608, 25));
    // clang-format on

    Image1->setImage(aboutIllustration(Image1->size()));
    Image1->setAccessibleName(QStringLiteral("An open Vireon on a mountain road"));
    Picture2->setPixmap(QPixmap::fromImage(aboutEmblem(QSize(160, 100))));
    Picture2->setAccessibleName(QStringLiteral("The Vireon's emblem and grille"));
    QFont title(QStringLiteral("Arial"));
    title.setBold(true);
    title.setItalic(true);
    title.setPointSizeF(13.5);
    SSPanel1->setFont(title);
    for (SSPanel *panel : { SSPanel5, SSPanel1, SSPanel2, panQuillon })
        panel->setBevelOuter(SSPanel::Bevel::None);
    QFont small = panQuillon->font();
    small.setPixelSize(8);
    panQuillon->setFont(small);
    SSCommand2->setToolTip(QStringLiteral("Visit the Quillon Software website"));

    connect(SSCommand1, &QPushButton::clicked, this, &AboutWindow::SSCommand1_Click);
    connect(SSCommand2, &QPushButton::clicked, this, &AboutWindow::SSCommand2_Click);
}

void AboutWindow::Form_Load()
{
    const QSize main = m_host.mainWindow()->frameGeometry().size();
    const QSize own = frameGeometry().size();
    move((main.width() - own.width()) / 2, (main.height() - own.height()) / 2);
    panQuillon->setCaption(
        joinLines({ Maker::Name, Maker::Street, Maker::Town, QString(), Maker::WebAddress }));
    SSPanel2->setCaption(Maker::RightsNotice);
}

void AboutWindow::SSCommand1_Click()
{
    close();
}

void AboutWindow::SSCommand2_Click()
{
    // The main window's "HideStatusBar" may have hidden the task bar; its
    // entry keeps what it says.
    m_platform.desktop.setTaskbarVisible(true);
    m_platform.desktop.openAddress(Maker::WebAddress);
}

void ShowAbout(Platform &platform, MainWindowHost &host)
{
    host.closeScreenSaverPhotoWindow();
    AboutWindow window(platform, host);
    window.Form_Load();
    platform.dialogs.runModal(window);
}
