#include "helpwindow.h"

#include "core/errortable.h"
#include "platform/base/platformbundle.h"
#include "platform/base/text.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
constexpr int OneInch = 1440;

QString topicPage(const HelpTopic &topic)
{
    return QStringLiteral("<h2>") + topic.title.toHtmlEscaped() + QStringLiteral("</h2>\n") + topic.html;
}

QString missingTopicPage(const QString &address)
{
    return QStringLiteral("<h2>No such topic</h2><p>This help file has no topic ") + address.toHtmlEscaped()
        + QStringLiteral(".</p><p><a href=\"") + helpAddress(HelpManual::ContentsPage)
        + QStringLiteral("\">Contents</a></p>");
}

QString plainText(const HelpTopic &topic)
{
    QTextDocument document;
    document.setHtml(topicPage(topic));
    return document.toPlainText();
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}
}

// The page of the window: topics are loaded from the manual by their
// "help:" address, and nothing is ever loaded from outside it.
class HelpBrowser : public QTextBrowser
{
public:
    HelpBrowser(const std::optional<HelpManual> &manual, QWidget *parent)
        : QTextBrowser(parent)
        , m_manual(manual)
    {
        setOpenLinks(false);
    }

    QVariant loadResource(int type, const QUrl &name) override
    {
        if (type != QTextDocument::HtmlResource || !m_manual)
            return {};
        const auto context = helpContextOfAddress(name.toString());
        const HelpTopic *topic = context ? m_manual->topic(*context) : nullptr;
        return topic ? topicPage(*topic) : missingTopicPage(name.toString());
    }

private:
    const std::optional<HelpManual> &m_manual;
};

HelpWindow::HelpWindow(Platform &platform, QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("The Vireon Anthology Help"));
    resize(620, 520);

    m_contents = makeButton(this, QStringLiteral("cmdContents"), QStringLiteral("&Contents"));
    m_back = makeButton(this, QStringLiteral("cmdBack"), QStringLiteral("&Back"));
    m_forward = makeButton(this, QStringLiteral("cmdForward"), QStringLiteral("&Forward"));
    m_print = makeButton(this, QStringLiteral("cmdPrint"), QStringLiteral("&Print"));
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("txtFind"));
    m_find->setPlaceholderText(QStringLiteral("Find in the manual"));
    m_find->setAccessibleName(QStringLiteral("Find"));
    m_findNext = makeButton(this, QStringLiteral("cmdFindNext"), QStringLiteral("Find &Next"));
    m_browser = new HelpBrowser(m_manual, this);
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));

    auto *buttons = new QHBoxLayout;
    for (QWidget *item : std::initializer_list<QWidget *> { m_contents, m_back, m_forward, m_print })
        buttons->addWidget(item);
    buttons->addStretch();
    buttons->addWidget(m_find);
    buttons->addWidget(m_findNext);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser, 1);
    layout->addWidget(m_status);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_contents, &QPushButton::clicked, this, [this] { showTopic(HelpManual::ContentsPage); });
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
        if (const auto context = helpContextOfAddress(link.toString()))
            showTopic(*context);
    });
    connect(m_find, &QLineEdit::returnPressed, this, &HelpWindow::findNext);
    connect(m_findNext, &QPushButton::clicked, this, &HelpWindow::findNext);
    connect(m_print, &QPushButton::clicked, this, &HelpWindow::printTopic);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::open(const QString &helpFile, const std::optional<QString> &nativeFile, int context)
{
    m_manual.reset();
    if (!nativeFile)
        return showProblem(QStringLiteral("The help file cannot be found"),
            QStringLiteral("The help file ") + helpFile + QStringLiteral(" is not there, and there is no ")
                + helpFile.section(u'\\', -1) + QStringLiteral(" in the program folder either."));
    const QString shownName = QDir::toNativeSeparators(*nativeFile);
    QFile file(*nativeFile);
    if (!file.open(QIODevice::ReadOnly))
        return showProblem(QStringLiteral("The help file cannot be read"),
            QStringLiteral("The help file ") + shownName + QStringLiteral(" cannot be read: ")
                + file.errorString() + u'.');
    HelpManual::Parsed parsed = HelpManual::parse(file.read(HelpManual::SizeLimit + 1));
    if (!parsed.manual)
        return showProblem(QStringLiteral("The help file is damaged"),
            QStringLiteral("The help file ") + shownName + QStringLiteral(" is damaged and cannot be shown (")
                + parsed.error + QStringLiteral(")."));
    m_manual = std::move(parsed.manual);
    for (QWidget *item : std::initializer_list<QWidget *> { m_contents, m_find, m_findNext, m_print })
        item->setEnabled(true);
    m_status->clear();
    showTopic(context);
}

void HelpWindow::showProblem(const QString &title, const QString &text)
{
    for (QWidget *item : std::initializer_list<QWidget *> { m_contents, m_find, m_findNext, m_print })
        item->setEnabled(false);
    m_browser->clearHistory();
    m_browser->setHtml(QStringLiteral("<h2>") + title.toHtmlEscaped() + QStringLiteral("</h2><p>")
        + text.toHtmlEscaped() + QStringLiteral("</p>"));
    m_status->setText(title);
}

void HelpWindow::showTopic(int context)
{
    if (!m_manual)
        return;
    const QUrl address(helpAddress(context));
    if (m_browser->source() == address)
        m_browser->reload();
    else
        m_browser->setSource(address, QTextDocument::HtmlResource);
}

std::optional<int> HelpWindow::currentTopic() const
{
    if (!m_manual)
        return std::nullopt;
    return helpContextOfAddress(m_browser->source().toString());
}

void HelpWindow::findNext()
{
    const QString text = m_find->text();
    if (text.isEmpty() || !m_manual)
        return;
    m_status->clear();
    if (m_browser->find(text))
        return;
    // On through the topics after this one, and round to this one's beginning.
    const QList<int> order = m_manual->topics().keys();
    const qsizetype here
        = qMax<qsizetype>(0, order.indexOf(currentTopic().value_or(HelpManual::ContentsPage)));
    for (qsizetype step = 1; step <= order.size(); ++step) {
        const int context = order.at((here + step) % order.size());
        if (!plainText(*m_manual->topic(context)).contains(text, Qt::CaseInsensitive))
            continue;
        if (context == currentTopic())
            m_browser->moveCursor(QTextCursor::Start);
        else
            showTopic(context);
        m_browser->find(text);
        return;
    }
    m_status->setText(u'"' + text + QStringLiteral("\" is not in the manual."));
}

void HelpWindow::printTopic()
{
    const PrintOutcome outcome = PrintRichText(m_platform.printer, *m_browser->document(),
        PageMargins { OneInch, OneInch, OneInch, OneInch }, windowTitle());
    QStringList message;
    if (!outcome.printed)
        message << QStringLiteral("The help topic could not be printed.") << QString() << outcome.failure;
    else if (!outcome.pdfFile.isEmpty())
        message << QStringLiteral("No printer is set up, so the help topic was saved as a PDF file:")
                << QString() << outcome.pdfFile;
    else
        message << QStringLiteral("Printing complete!");
    m_platform.dialogs.message({ ProgramTitle, joinLines(message), Dialogs::Buttons::Ok,
        outcome.printed ? Dialogs::Icon::Exclamation : Dialogs::Icon::Critical });
}
