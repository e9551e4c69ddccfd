#pragma once

#include <QList>
#include <QPoint>
#include <QString>

// The fixed rules of the booklet: the year values of the From and To lists,
// the document prefixes, the cover's pictures and the order in which
// everything is printed. Qt Core only; the panel wires them to its controls.
namespace BookletRules {

// What the panel asks for: its four check boxes and the entries selected in
// the From and To lists (empty when none is selected).
struct Choice
{
    bool cover = false;
    bool introduction = false;
    bool description = false;
    bool details = false;
    QString from;
    QString to;
};

// The year value of a list entry: "1957" gives 57, "2002" gives 67, so that
// 55 to 67 run from 1955 to 1966 and then 2002. No selection gives 0.
int yearValue(const QString &entry);
// The prefix of a year's documents: "A2" for 67, otherwise the value ("57").
QString documentPrefix(int value);
// "ER034" when a year is missing, "ER036" when To lies before From, else empty.
QString rangeError(int from, int to);

// One thing the booklet prints, with its media path relative to MediaRoot.
struct Item
{
    enum class Kind { Picture, Document };
    Kind kind = Kind::Document;
    QString path;
    // A picture's top left corner, in twips from the printable area's origin.
    QPoint place;

    bool operator==(const Item &) const = default;
};

// The booklet in print order. The cover and the introduction come before the
// year range is checked, so a range error follows them: rangeError is then
// set and no year's documents are listed.
struct Plan
{
    QList<Item> items;
    QString rangeError;
};

Plan plan(const Choice &choice);

} // namespace BookletRules
