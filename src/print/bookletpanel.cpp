#include "bookletpanel.h"

#include "bookletprint.h"
#include "core/errortable.h"
#include "core/mainwindowhost.h"
#include "core/session.h"
#include "platform/base/platformbundle.h"
#include "platform/base/text.h"
#include "platform/ui/busypointer.h"
#include "platform/ui/controls.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/stretchedimage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>

#include <algorithm>
#include <optional>

namespace {
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, const Twips &place)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(toPixels(place));
    return label;
}

QCheckBox *makeCheckBox(QWidget *parent, const QString &name, const QString &caption, const Twips &place)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setAccessibleName(caption.trimmed());
    box->setGeometry(toPixels(place));
    return box;
}

// Image3's decoration: an open booklet with a car on its left page and
// lines of text on its right.
QImage bookletPicture()
{
    QImage picture(225, 129, QImage::Format_RGB32);
    picture.fill(QColor(192, 192, 192));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    const QRectF left(22, 12, 90, 106), right(112, 12, 90, 106);
    p.setBrush(QColor(252, 250, 240));
    p.drawRect(left);
    p.drawRect(right);
    p.setBrush(QColor(150, 20, 30));
    QPolygonF car;
    car << QPointF(32, 70) << QPointF(44, 60) << QPointF(62, 56) << QPointF(82, 56) << QPointF(96, 62)
        << QPointF(104, 70) << QPointF(104, 76) << QPointF(32, 76);
    p.drawPolygon(car);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(46, 77), 6, 6);
    p.drawEllipse(QPointF(90, 77), 6, 6);
    p.setPen(QPen(QColor(60, 60, 110), 2));
    for (int line = 0; line < 8; ++line) {
        const qreal y = 28 + line * 10;
        p.drawLine(QPointF(122, y), QPointF(line % 3 == 2 ? 170 : 192, y));
    }
    return picture;
}
}

BookletPanel::BookletPanel(Platform &platform, Session &session, MainWindowHost &host, QWidget *client)
    : SSPanel(client)
    , m_platform(platform)
    , m_session(session)
    , m_host(host)
{
    placeHiddenPanel(this, QStringLiteral("pnlPrint"), QStringLiteral("Print Vireon Booklet"), Twips{ 1800, 720, 6015, 5895 });
    createControls();
    for (QCheckBox *box : m_Check1)
        connect(box, &QCheckBox::clicked, this, &BookletPanel::Check1_Click);
    connect(SSCommand7, &QPushButton::clicked, this, &BookletPanel::SSCommand7_Click);
    connect(cmdOK, &QPushButton::clicked, this, &BookletPanel::cmdOK_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &BookletPanel::cmdPrint_Click);
    cmdPrint->setEnabled(false);
}

void BookletPanel::createControls()
{
    Label3      = makeLabel   (this, QStringLiteral("Label3"),     QStringLiteral("Print Vireon Booklet"), pixelPlace(80, 24, 241, 25));
    m_Check1[0] = makeCheckBox(this, QStringLiteral("Check1(0)"),  QStringLiteral(" Cover"),               pixelPlace(64, 80, 120, 17));
    m_Check1[1] = makeCheckBox(this, QStringLiteral("Check1(1)"),  QStringLiteral(" Introduction"),        pixelPlace(64, 112, 120, 17));
    Frame2      = new QGroupBox(QStringLiteral(" By year "), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(216, 56, 121, 89);
    m_Check1[2] = makeCheckBox(Frame2, QStringLiteral("Check1(2)"), QStringLiteral(" Description"),        pixelPlace(8, 24, 105, 17));
    m_Check1[3] = makeCheckBox(Frame2, QStringLiteral("Check1(3)"), QStringLiteral(" Details"),            pixelPlace(8, 56, 105, 17));
    Image3      = makeImage   (this, QStringLiteral("Image3"),                                             pixelPlace(88, 152, 225, 129));
    Label5      = makeLabel   (this, QStringLiteral("Label5"),     QStringLiteral("Choose print range:"),  pixelPlace(24, 288, 160, 17));
    Label4      = makeLabel   (this, QStringLiteral("Label4"),     QStringLiteral("From:"),                pixelPlace(24, 312, 41, 17));
    m_List1[0]  = makeListBox (this, arrayName(QStringLiteral("List1"), 0),                               pixelPlace(72, 312, 73, 52));
    Label6      = makeLabel   (this, QStringLiteral("Label6"),     QStringLiteral("To:"),                  pixelPlace(152, 312, 25, 17));
    m_List1[1]  = makeListBox (this, arrayName(QStringLiteral("List1"), 1),                               pixelPlace(184, 312, 81, 52));
    cmdPrint    = makeButton  (this, QStringLiteral("cmdPrint"),   QStringLiteral("Print"),                pixelPlace(280, 296, 97, 25));
    SSCommand7  = makeButton  (this, QStringLiteral("SSCommand7"), QStringLiteral("Clear"),                pixelPlace(280, 320, 97, 25));
    cmdOK       = makeButton  (this, QStringLiteral("cmdOK"),      QStringLiteral("Cancel"),               pixelPlace(280, 344, 97, 25));

    QFont title = Label3->font();
    title.setPointSize(14);
    title.setBold(true);
    Label3->setFont(title);
    Label3->setAlignment(Qt::AlignCenter);
    Image3->setImage(bookletPicture());
    Image3->setAccessibleName(QStringLiteral("An open booklet"));
    m_List1[0]->setAccessibleName(QStringLiteral("From"));
    m_List1[1]->setAccessibleName(QStringLiteral("To"));
    for (QListWidget *list : m_List1)
        list->setSelectionMode(QAbstractItemView::SingleSelection);
    setEscapeButton(cmdOK);
}

QStringList BookletPanel::bookletYears()
{
    QStringList years;
    for (int i = 0; i <= 12; ++i)
        years << (i <= 11 ? QStringLiteral("19") + QString::number(55 + i) : QString::number(i + 1990));
    return years;
}

void BookletPanel::fillYearLists()
{
    const QStringList years = bookletYears();
    m_List1[0]->addItems(years);
    m_List1[1]->addItems(years);
}

void BookletPanel::mnuPrnt_Click(int photoTop)
{
    m_host.closeScreenSaverPhotoWindow();
    m_host.placePanel(this, photoTop + 5);
    // The Cover box keeps its state; Print waits for a click on a box.
    for (int index = 1; index <= 3; ++index)
        m_Check1[index]->setChecked(false);
    resetButtonsAndLists();
    show();
    raise();
    cmdOK->setFocus();
}

void BookletPanel::Check1_Click()
{
    cmdPrint->setEnabled(std::any_of(m_Check1.begin(), m_Check1.end(), [](QCheckBox *box) { return box->isChecked(); }));
}

void BookletPanel::SSCommand7_Click()
{
    for (QCheckBox *box : m_Check1)
        box->setChecked(false);
    resetButtonsAndLists();
}

void BookletPanel::cmdOK_Click()
{
    hide();
    m_host.enableMainWindow();
}

void BookletPanel::cmdPrint_Click()
{
    std::optional<BusyPointer> busy(std::in_place);
    m_session.errors.setErrorCode(QStringLiteral("ER040"));
    const BookletResult result =
        printBooklet(m_platform.fs, m_platform.printer, m_session.roots.MediaRoot, BookletRules::plan(choice()));
    if (!result.errorCode.isEmpty())
        return reportError(result.errorCode);

    busy.reset();
    QStringList message{ QStringLiteral("Booklet printed!") };
    if (!result.outcome.pdfFile.isEmpty())
        message << QString() << QStringLiteral("No printer is set up, so the booklet was saved as a PDF file:")
                << QString() << result.outcome.pdfFile;
    message << QString();
    m_platform.dialogs.message({ ProgramTitle, joinLines(message), Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation });
    cmdPrint->setText(QStringLiteral("Print Again"));
    cmdOK->setText(QStringLiteral("Exit"));
}

void BookletPanel::reportError(const QString &code)
{
    m_session.errors.setErrorCode(code);
    // The range checks are the panel's own; a file that would not load or
    // print is a failure of the printing.
    const bool detected = code != QStringLiteral("ER040");
    m_session.errors.reportError(detected ? ErrorReporter::Origin::Detected : ErrorReporter::Origin::FailureHandler);
}

void BookletPanel::resetButtonsAndLists()
{
    cmdPrint->setEnabled(false);
    cmdPrint->setText(QStringLiteral("Print"));
    cmdOK->setText(QStringLiteral("Cancel"));
    for (QListWidget *list : m_List1) {
        list->clearSelection();
        list->setCurrentRow(-1);
        list->scrollToTop();
    }
}

BookletRules::Choice BookletPanel::choice() const
{
    return { m_Check1[0]->isChecked(), m_Check1[1]->isChecked(), m_Check1[2]->isChecked(),
             m_Check1[3]->isChecked(), selectedYear(0), selectedYear(1) };
}

QString BookletPanel::selectedYear(int index) const
{
    const QList<QListWidgetItem *> selected = m_List1[index]->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text();
}
