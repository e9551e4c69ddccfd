#include "detailrules.h"

namespace DetailRules {

namespace {
const QString Seven = QStringLiteral("The Vireon Anthology       ");
const QString Five = QStringLiteral("The Vireon Anthology     ");

QString century(const QString &label)
{
    return label.left(2);
}

QString yy(const QString &label)
{
    return label.mid(2, 2);
}

QString lastDigit(const QString &label)
{
    return label.mid(3, 1);
}

bool isNoSelection(const QString &label)
{
    return label == QLatin1String("panYear");
}

struct CategoryDocument
{
    const char *label;
    const char *path;
    const char *captionTail;
};

// The categories with a description of their own.
const CategoryDocument CategoryDescriptions[] = {
    { "Vireon Postage Stamps ", "\\richtext\\stamps.rtf", "Vireon Postage Stamps " },
    { "Vireon Coin ", "\\richtext\\zy002.rtf", "Vireon Coin " },
    { "Franklin Mint Collector Knives ", "\\richtext\\knives.rtf", "Franklin Mint Collector Knives " },
    { "Franklin Mint Collector Plates ", "\\richtext\\plates.rtf", "Franklin Mint Collector Plates " },
    { "Franklin Mint Die Cast Models ", "\\richtext\\franklin.rtf", "Franklin Mint Die Cast Models " },
    { "Danbury Mint Die Cast Models ", "\\richtext\\danbury.rtf", "Danbury Mint Die Cast Models " },
    { "The Vireon Monopoly Game ", "\\richtext\\monopoly.rtf", "The Vireon Monopoly Game " },
    { "Vireon Metal Signs ", "\\richtext\\desperat.rtf", "Vireon Metal Signs " },
    { "Early Vireon Prototypes ", "\\richtext\\ptdesc.rtf", "Early Vireon Prototypes Description " },
};

// Options and Colors share their form; only the file names and the last word differ.
std::optional<Document> yearDetail(const QString &label, const char *strallen, const QString &twentyFirst,
                                   const QString &folder, const QString &name, const QString &word)
{
    if (isNoSelection(label))
        return std::nullopt;
    if (label == QLatin1String("The Classic Strallen "))
        return Document{ QLatin1String(strallen), Seven + label + word };
    if (century(label) == QLatin1String("20"))
        return Document{ QStringLiteral("\\RichText\\a") + lastDigit(label) + twentyFirst,
                         Five + QStringLiteral("20") + yy(label) + word };
    return Document{ folder + yy(label) + name, Seven + QStringLiteral("19") + yy(label) + word };
}

struct StatisticsPrefix
{
    const char *label;
    const char *below5;
    const char *from5;
};

// In the order the labels are compared.
const StatisticsPrefix StatisticsPrefixes[] = {
    { "Early Vireon Prototypes ", "pt00", "pt0" },
    { "Vireon Mach I ", "m100", "m10" },
    { "Osterlin Art Print ", "glsj0", "glsj0" },
    { "Vireon Cookies ", "usa00", "usa00" },
    { "The Vireon Monopoly Game ", "vck00", "vck00" },
    { "Vireon Metal Signs ", "vms0", "vms0" },
    { "Vireon Postage Stamps ", "zz00", "zz0" },
    { "Franklin Mint Collector Knives ", "tek00", "tek0" },
    { "Franklin Mint Die Cast Models ", "tfm0", "tfm" },
};
}

Document description(const QString &label)
{
    if (isNoSelection(label))
        return { QStringLiteral("\\richtext\\Introduction.rtf"), Seven + QStringLiteral("Introduction") };
    for (const CategoryDocument &category : CategoryDescriptions)
        if (label == QLatin1String(category.label))
            return { QLatin1String(category.path), Seven + QLatin1String(category.captionTail) };
    if (century(label) == QLatin1String("20"))
        return { QStringLiteral("\\RichText\\a") + lastDigit(label) + QStringLiteral("desc.rtf"),
                 Five + QStringLiteral("20") + yy(label) + QStringLiteral(" Description") };
    return { QStringLiteral("\\richtext\\") + yy(label) + QStringLiteral("desc.rtf"),
             Seven + QStringLiteral("19") + yy(label) + QStringLiteral(" Description") };
}

std::optional<Document> options(const QString &label)
{
    return yearDetail(label, "\\RichText\\sbopts.rtf", QStringLiteral("OPTS.rtf"), QStringLiteral("\\richtext\\"),
                      QStringLiteral("opts.rtf"), QStringLiteral(" Options"));
}

std::optional<Document> colors(const QString &label)
{
    return yearDetail(label, "\\RichText\\sbcolors.rtf", QStringLiteral("colors.rtf"), QStringLiteral("\\RichText\\"),
                      QStringLiteral("colors.rtf"), QStringLiteral(" Colors"));
}

std::optional<Document> nostalgia(const QString &label)
{
    if (isNoSelection(label))
        return std::nullopt;
    return Document{ QStringLiteral("\\richtext\\nostalgia") + yy(label) + QStringLiteral(".rtf"),
                     Five + QStringLiteral("Nostalgia ") + label.left(4) };
}

QString scriptPicture(const QString &label)
{
    if (label == QLatin1String("The Classic Strallen "))
        return QStringLiteral("\\SCRIPTS\\SCRISB.jpg");
    if (label == QLatin1String("Early Vireon Prototypes "))
        return QStringLiteral("\\SCRIPTS\\SCRIpt.jpg");
    return QStringLiteral("\\scripts\\scri") + yy(label) + QStringLiteral(".jpg");
}

QString emblemPicture(const QString &label)
{
    if (label == QLatin1String("The Classic Strallen "))
        return QStringLiteral("\\emblems\\embsb.jpg");
    if (label == QLatin1String("Early Vireon Prototypes "))
        return QStringLiteral("\\emblems\\EMBpt.jpg");
    return QStringLiteral("\\emblems\\emb") + yy(label) + QStringLiteral(".jpg");
}

QString clipArtPicture(const QString &label, bool fromButton)
{
    return fromButton ? QStringLiteral("\\Clipart\\") + yy(label) + QStringLiteral("clip.jpg")
                      : QStringLiteral("\\ClipArt\\") + yy(label) + QStringLiteral("Clip.jpg");
}

Statistics statistics(const QString &label, int n, const QString &photoPath)
{
    const QString folder = QStringLiteral("\\richtext\\");
    for (const StatisticsPrefix &prefix : StatisticsPrefixes) {
        if (label != QLatin1String(prefix.label))
            continue;
        const QString name = QLatin1String(n < 5 ? prefix.below5 : prefix.from5) + QString::number(2 * qint64(n));
        return { true, { folder + name + QStringLiteral(".rtf"), {} } };
    }
    if (label == QLatin1String("Danbury Mint Die Cast Models ")) {
        // The two characters before the four-character extension: the photograph's last two digits.
        const QString digits = photoPath.size() >= 6 ? photoPath.mid(photoPath.size() - 6, 2) : QString();
        return { true, { folder + QStringLiteral("tdm") + digits + QStringLiteral(".rtf"), {} } };
    }
    if (century(label) == QLatin1String("20"))
        return { false,
                 { QStringLiteral("\\RichText\\a") + lastDigit(label) + QStringLiteral("stats.rtf"),
                   Five + QStringLiteral("20") + yy(label) + QStringLiteral(" Statistics") } };
    return { false,
             { folder + yy(label) + QStringLiteral("stats.rtf"),
               Seven + QStringLiteral("19") + yy(label) + QStringLiteral(" Statistics") } };
}

} // namespace DetailRules
