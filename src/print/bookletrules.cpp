#include "bookletrules.h"

namespace BookletRules {

namespace {
// The number its leading digits spell, as the period's text-to-number
// conversion reads it: "57" gives 57, "" or "x" gives 0.
int leadingNumber(const QString &text)
{
    int value = 0;
    for (const QChar c : text) {
        if (!c.isDigit())
            break;
        value = value * 10 + c.digitValue();
    }
    return value;
}

Item picture(const QString &path, int left, int top)
{
    return Item { Item::Kind::Picture, path, QPoint(left, top) };
}

Item document(const QString &name)
{
    return Item { Item::Kind::Document, QStringLiteral("\\RichText\\") + name, QPoint() };
}
}

int yearValue(const QString &entry)
{
    bool numeric = false;
    const double number = entry.trimmed().toDouble(&numeric);
    if (numeric && number > 2001)
        return leadingNumber(entry.mid(3, 1)) + 65;
    return leadingNumber(entry.mid(2, 2));
}

QString documentPrefix(int value)
{
    return value == 67 ? QStringLiteral("A2") : QString::number(value);
}

QString rangeError(int from, int to)
{
    if (from == 0 || to == 0)
        return QStringLiteral("ER034");
    if (to < from)
        return QStringLiteral("ER036");
    return {};
}

Plan plan(const Choice &choice)
{
    Plan booklet;
    if (choice.cover) {
        booklet.items << picture(QStringLiteral("\\graphics\\logoBW.jpg"), 1600, 1600)
                      << picture(QStringLiteral("\\clipart\\55clip.jpg"), 2200, 4300)
                      << picture(QStringLiteral("\\graphics\\bklettxt.jpg"), 500, 8800)
                      << picture(QStringLiteral("\\graphics\\quillon3.jpg"), 2800, 12000);
    }
    if (choice.introduction)
        booklet.items << document(QStringLiteral("introduction.rtf"));
    if (!choice.description && !choice.details)
        return booklet;

    const int from = yearValue(choice.from);
    const int to = yearValue(choice.to);
    booklet.rangeError = rangeError(from, to);
    if (!booklet.rangeError.isEmpty())
        return booklet;
    for (int value = from; value <= to; ++value) {
        const QString p = documentPrefix(value);
        if (choice.description)
            booklet.items << document(p + QStringLiteral("desc.rtf"));
        if (choice.details) {
            booklet.items << document(p + QStringLiteral("opts.rtf"))
                          << document(p + QStringLiteral("stats.rtf"))
                          << document(p + QStringLiteral("colors.rtf"));
        }
    }
    return booklet;
}

} // namespace BookletRules
