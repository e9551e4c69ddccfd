#include "contentcatalog.h"

#include "platform/base/text.h"

namespace ContentCatalog {

const QList<Year> &YearTable()
{
    static const QList<Year> years = [] {
        QList<Year> list;
        for (int i = 1; i <= 13; ++i) {
            const QString label = yearLabel(i);
            list.append({ i, label, GroupCodeOf(label) });
        }
        return list;
    }();
    return years;
}

const QList<Category> &CategoryTable()
{
    using enum OfferedBy;
    static const QList<Category> categories = {
        { "Danbury Mint Die Cast Models ", "TD", StuffMenuAndClickCycle },
        { "Franklin Mint Die Cast Models ", "TF", StuffMenuAndClickCycle },
        { "Vireon Coin ", "ZY", StuffMenuAndClickCycle },
        { "Vireon Cookies ", "VC", StuffMenuAndClickCycle },
        { "Vireon Metal Signs ", "VM", StuffMenuAndClickCycle },
        { "Vireon Postage Stamps ", "ZZ", StuffMenuAndClickCycle },
        { "The Classic Strallen ", "SB", SpecialtyMenu },
        { "Early Vireon Prototypes ", "PT", SpecialtyMenu },
        { "Venmark Art Print ", "GB", ArtworkMenu },
        { "National Vireon Museum Print ", "GH", ArtworkMenu },
        { "Osterlin Art Print ", "GL", SlideShowOnly },
        { "Vireon Mach I ", "M1", SlideShowOnly },
        { "Vireon Mach III ", "M3", SlideShowOnly },
        { "Vireon Super Stallion ", "MS", SlideShowOnly },
        { "Franklin Mint Collector Knives ", "TE", SlideShowOnly },
        { "The Vireon Monopoly Game ", "US", SlideShowOnly },
        { "Vireon Calendars ", "TC", SlideShowOnly },
        { "Franklin Mint Collector Plates ", "TP", SlideShowOnly },
        { "The Vostrel Vireon ", "CW", SlideShowOnly },
    };
    return categories;
}

const Category *categoryByTitle(const QString &title)
{
    for (const Category &category : CategoryTable()) {
        if (sameLabel(category.title, title))
            return &category;
    }
    return nullptr;
}

QString yearLabel(int buttonIndex)
{
    if (buttonIndex == 13)
        return QStringLiteral("200") + QString::number(buttonIndex - 11);
    return QStringLiteral("19") + QString::number(buttonIndex + 54);
}

QString GroupCodeOf(const QString &label)
{
    if (const Category *category = categoryByTitle(label))
        return category->groupCode;
    QString code = label.mid(2, 2);
    if (code.startsWith(QLatin1Char('0')))
        code = QStringLiteral("A") + code.mid(1);
    return code;
}

QString labelOfGroupCode(const QString &groupCode)
{
    for (const Year &year : YearTable()) {
        if (year.groupCode == groupCode)
            return year.label;
    }
    for (const Category &category : CategoryTable()) {
        if (category.groupCode == groupCode)
            return category.title;
    }
    return {};
}

} // namespace ContentCatalog
