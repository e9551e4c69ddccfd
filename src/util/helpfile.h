#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <optional>

// The program's help manual, Vireon.HLP: UTF-8 text whose first line is
// exactly "VIREON HELP 1". Each topic begins with a line
//
//     @topic <number> <title>
//
// and holds the HTML lines that follow it up to the next topic. The number
// is the topic's help context number (the menu entries and windows carry
// these); topic 0 is the contents page and must be there. Links between
// topics are written <a href="help:1510">. Lines before the first topic
// other than the header, other lines beginning with "@", a topic without a
// number or title, or a number used twice make the file damaged.
struct HelpTopic
{
    int context = 0;
    QString title;
    QString html;
};

class HelpManual
{
public:
    static constexpr int ContentsPage = 0;
    // A help file larger than this is refused rather than read.
    static constexpr qsizetype SizeLimit = 4 * 1024 * 1024;

    struct Parsed;
    // The manual, or why the bytes are not one (with the line at fault).
    static Parsed parse(const QByteArray &bytes);

    const HelpTopic *topic(int context) const;
    // Every topic, by context number.
    const QMap<int, HelpTopic> &topics() const { return m_topics; }

private:
    QMap<int, HelpTopic> m_topics;
};

struct HelpManual::Parsed
{
    std::optional<HelpManual> manual;
    QString error;
};

// The address of a topic in links: "help:1510".
QString helpAddress(int context);
// The context number of a "help:" address; nothing for any other address.
std::optional<int> helpContextOfAddress(const QString &address);
