#include "soundpanel.h"

#include "splashartwork.h"
#include "core/mainwindowhost.h"
#include "core/session.h"
#include "platform/base/platformbundle.h"
#include "platform/ui/controls.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/stretchedimage.h"
#include "platform/ui/transportbar.h"

#include <QLabel>

namespace {
constexpr int FirstRow = 40;
constexpr int RowHeight = 24;
constexpr int ButtonSide = 17;

// The three columns: the first index of each, where its buttons stand, and
// how wide its names may be.
struct Column
{
    int firstIndex;
    int buttonLeft;
    int nameWidth;
};
constexpr std::array<Column, 3> Columns { { { 0, 24, 160 }, { 13, 216, 120 }, { 21, 368, 160 } } };

const Column &columnOf(int index)
{
    return index >= Columns[2].firstIndex ? Columns[2]
        : index >= Columns[1].firstIndex  ? Columns[1]
                                          : Columns[0];
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, const QRect &place)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    return label;
}
} // namespace

SoundPanel::SoundPanel(
    Platform &platform, Session &session, MediaControl &media, MainWindowHost &host, QWidget *client)
    : SSPanel(client)
    , m_platform(platform)
    , m_session(session)
    , MMControl1(media)
    , m_host(host)
{
    placeHiddenPanel(
        this, QStringLiteral("pnlSound"), QStringLiteral("Sound Effects"), Twips { 3720, 480, 8415, 5895 });
    m_Label10 = makeLabel(
        this, QStringLiteral("Label10"), QStringLiteral("Automobile Sound Effects"), QRect(152, 8, 233, 25));
    m_Label10->setAlignment(Qt::AlignCenter);
    QFont title = m_Label10->font();
    title.setBold(true);
    title.setPointSize(11);
    m_Label10->setFont(title);

    const QPixmap play = TransportBar::icon(TransportBar::Action::Play).pixmap(11, 11);
    for (int i = 0; i < SoundCount; ++i) {
        const Column &column = columnOf(i);
        const int top = FirstRow + (i - column.firstIndex) * RowHeight;
        const QString name = soundTable().at(i).name;
        SSCommand *button = makeButton(this, arrayName(QStringLiteral("SSCommand2"), i), QString(),
            pixelPlace(column.buttonLeft, top, ButtonSide, ButtonSide));
        button->setPicture(play);
        button->setAccessibleName(QStringLiteral("Play ") + name);
        button->setToolTip(QStringLiteral("Play ") + name);
        connect(button, &QPushButton::clicked, this, [this, i] { SSCommand2_Click(i); });
        m_SSCommand2[i] = button;
        m_lblSound[i] = makeLabel(this, arrayName(QStringLiteral("lblSound"), i), name,
            QRect(column.buttonLeft + 24, top, column.nameWidth, ButtonSide));
        m_lblSound[i]->setBuddy(button);
    }

    m_Image5 = makeImage(this, QStringLiteral("Image5"), pixelPlace(298, 236, 159, 108));
    m_Image5->setImage(splashArtwork(m_Image5->size()));
    m_Image5->setAccessibleName(QStringLiteral("The Vireon Anthology artwork"));
    m_SSCommand3 = makeButton(
        this, QStringLiteral("SSCommand3"), QStringLiteral("Stop"), pixelPlace(24, 352, 241, 25));
    m_SSCommand1 = makeButton(
        this, QStringLiteral("SSCommand1"), QStringLiteral("Close"), pixelPlace(264, 352, 241, 25));
    connect(m_SSCommand3, &QPushButton::clicked, this, &SoundPanel::SSCommand3_Click);
    connect(m_SSCommand1, &QPushButton::clicked, this, &SoundPanel::SSCommand1_Click);
    setEscapeButton(m_SSCommand1);
}

void SoundPanel::mnuSound_Click(int image4Top)
{
    m_host.closeScreenSaverPhotoWindow();
    m_host.placePanel(this, image4Top);
    show();
    raise();
    m_SSCommand1->setFocus();
}

void SoundPanel::SSCommand2_Click(int index)
{
    m_session.errors.setErrorCode(QStringLiteral("ER038"));
    const auto file = m_platform.fs.resolve(soundPath(m_session.roots.MediaRoot, index));
    if (!file)
        return m_session.errors.reportError();
    MMControl1.command(QStringLiteral("close")); // ends the sound that plays
    MMControl1.setDeviceType(QStringLiteral("WaveAudio"));
    MMControl1.setFileName(*file);
    if (!MMControl1.command(QStringLiteral("open")) || !MMControl1.command(QStringLiteral("play")))
        m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
}

void SoundPanel::SSCommand3_Click()
{
    MMControl1.command(QStringLiteral("close"));
}

void SoundPanel::SSCommand1_Click()
{
    m_host.enableMainWindow();
    hide();
}
