#include "helpfile.h"

#include <QStringDecoder>

#include <algorithm>

namespace {
const QByteArray Header = "VIREON HELP 1";
const QString TopicTag = QStringLiteral("@topic ");
const QString Scheme = QStringLiteral("help:");

// A context number as written in the file: digits only, within int.
std::optional<int> contextNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > 10
        || !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

QString atLine(int line, const QString &what)
{
    return QStringLiteral("line ") + QString::number(line) + QStringLiteral(": ") + what;
}
}

HelpManual::Parsed HelpManual::parse(const QByteArray &bytes)
{
    if (bytes.size() > SizeLimit)
        return { std::nullopt, QStringLiteral("the file is larger than a help file can be") };
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return { std::nullopt, QStringLiteral("the file is not UTF-8 text") };
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    QString first = lines.constFirst();
    if (first.startsWith(QChar(0xfeff)))
        first.remove(0, 1);
    if (first != QString::fromLatin1(Header))
        return { std::nullopt,
            QStringLiteral("the file does not begin with \"") + QString::fromLatin1(Header) + u'"' };

    HelpManual manual;
    std::optional<int> current;
    for (int i = 1; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const int number = i + 1;
        if (line.startsWith(TopicTag)) {
            const QString rest = line.mid(TopicTag.size());
            const qsizetype blank = rest.indexOf(u' ');
            const auto context = contextNumber(rest.left(blank));
            const QString title = blank < 0 ? QString() : rest.mid(blank + 1).trimmed();
            if (!context || title.isEmpty())
                return { std::nullopt, atLine(number, QStringLiteral("a topic needs a number and a title")) };
            if (manual.m_topics.contains(*context))
                return { std::nullopt,
                    atLine(number,
                        QStringLiteral("topic ") + QString::number(*context)
                            + QStringLiteral(" is there twice")) };
            manual.m_topics.insert(*context, HelpTopic { *context, title, QString() });
            current = context;
        } else if (line.startsWith(u'@')) {
            return { std::nullopt,
                atLine(number, QStringLiteral("unknown instruction ") + line.section(u' ', 0, 0)) };
        } else if (current) {
            manual.m_topics[*current].html += line + u'\n';
        } else if (!line.trimmed().isEmpty()) {
            return { std::nullopt, atLine(number, QStringLiteral("text before the first topic")) };
        }
    }
    if (!manual.m_topics.contains(ContentsPage))
        return { std::nullopt, QStringLiteral("the file has no contents page (topic 0)") };
    return { std::move(manual), QString() };
}

const HelpTopic *HelpManual::topic(int context) const
{
    const auto found = m_topics.constFind(context);
    return found == m_topics.cend() ? nullptr : &found.value();
}

QString helpAddress(int context)
{
    return Scheme + QString::number(context);
}

std::optional<int> helpContextOfAddress(const QString &address)
{
    if (!address.startsWith(Scheme))
        return std::nullopt;
    return contextNumber(address.mid(Scheme.size()));
}
