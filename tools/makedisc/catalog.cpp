#include "catalog.h"

using namespace Qt::StringLiterals;

namespace Layout {

QStringList discFolders()
{
    return { Photos, RichText, Sounds, Emblems, Scripts, ClipArt, Graphics, Brochures, Ads, Movies, IndeoVideo };
}

namespace {

// How a group's photographs are numbered in their file names.
enum class Naming {
    Tens,   // group code + three digits in steps of ten: "55010", "55020", ...
    Units,  // group code + three digits in steps of one: "TD001", "TD002", ...
    Details // the name of photograph n's statistics document: "PT002", "PT010", ...
};

struct StatsPrefix
{
    QString label;
    QString below5; // prefix for photographs 1 to 4
    QString from5;  // prefix from photograph 5 on
};

// The Details button's document names: prefix + 2 x n. Cookies and the
// Monopoly game read each other's prefixes, as the program forms them.
const QList<StatsPrefix> &statsPrefixes()
{
    static const QList<StatsPrefix> table = {
        { u"Early Vireon Prototypes "_s, u"pt00"_s, u"pt0"_s },
        { u"Vireon Mach I "_s, u"m100"_s, u"m10"_s },
        { u"Vireon Postage Stamps "_s, u"zz00"_s, u"zz0"_s },
        { u"Franklin Mint Collector Knives "_s, u"tek00"_s, u"tek0"_s },
        { u"Franklin Mint Die Cast Models "_s, u"tfm0"_s, u"tfm"_s },
        { u"Osterlin Art Print "_s, u"glsj0"_s, u"glsj0"_s },
        { u"Vireon Cookies "_s, u"usa00"_s, u"usa00"_s },
        { u"The Vireon Monopoly Game "_s, u"vck00"_s, u"vck00"_s },
        { u"Vireon Metal Signs "_s, u"vms0"_s, u"vms0"_s },
    };
    return table;
}

QString statsName(const StatsPrefix &prefix, int n)
{
    return (n < 5 ? prefix.below5 : prefix.from5) + QString::number(2 * n);
}

const StatsPrefix *statsPrefixOf(const QString &label)
{
    for (const StatsPrefix &prefix : statsPrefixes())
        if (prefix.label == label)
            return &prefix;
    return nullptr;
}

Group makeGroup(const QString &label, const QString &code, int count, Naming naming, int hue,
                QList<int> large = {})
{
    Group group { label, code, QColor::fromHsv(hue, 170, 200), {} };
    for (int n = 1; n <= count; ++n) {
        QString base;
        switch (naming) {
        case Naming::Tens:
            base = code + QString::number(10 * n).rightJustified(3, u'0');
            break;
        case Naming::Units:
            base = code + QString::number(n).rightJustified(3, u'0');
            break;
        case Naming::Details:
            base = statsName(*statsPrefixOf(label), n).toUpper();
            break;
        }
        group.photos.append({ base + u".jpg"_s, n, count, large.contains(n) });
    }
    return group;
}

} // namespace

const QList<Group> &groups()
{
    // 55080, 55090 and 65090 are the photographs the program names when
    // nothing is selected yet, so 1955 and 1965 reach the ninth photograph.
    static const QList<Group> table = {
        makeGroup(u"1955"_s, u"55"_s, 10, Naming::Tens, 0),
        makeGroup(u"1956"_s, u"56"_s, 6, Naming::Tens, 200),
        makeGroup(u"1957"_s, u"57"_s, 14, Naming::Tens, 340, { 14 }),
        makeGroup(u"1958"_s, u"58"_s, 8, Naming::Tens, 30),
        makeGroup(u"1959"_s, u"59"_s, 6, Naming::Tens, 180),
        makeGroup(u"1960"_s, u"60"_s, 6, Naming::Tens, 55),
        makeGroup(u"1961"_s, u"61"_s, 5, Naming::Tens, 230),
        makeGroup(u"1962"_s, u"62"_s, 6, Naming::Tens, 120),
        makeGroup(u"1963"_s, u"63"_s, 5, Naming::Tens, 15),
        makeGroup(u"1964"_s, u"64"_s, 5, Naming::Tens, 260),
        makeGroup(u"1965"_s, u"65"_s, 9, Naming::Tens, 90),
        makeGroup(u"1966"_s, u"66"_s, 6, Naming::Tens, 300),
        makeGroup(u"2002"_s, u"A2"_s, 12, Naming::Tens, 210, { 12 }),
        makeGroup(u"Danbury Mint Die Cast Models "_s, u"TD"_s, 12, Naming::Units, 5, { 1 }),
        makeGroup(u"Franklin Mint Die Cast Models "_s, u"TF"_s, 6, Naming::Details, 40),
        makeGroup(u"Vireon Coin "_s, u"ZY"_s, 3, Naming::Tens, 48),
        makeGroup(u"Vireon Cookies "_s, u"VC"_s, 4, Naming::Tens, 25),
        makeGroup(u"Vireon Metal Signs "_s, u"VM"_s, 4, Naming::Details, 190),
        makeGroup(u"Vireon Postage Stamps "_s, u"ZZ"_s, 7, Naming::Details, 280),
        makeGroup(u"The Classic Strallen "_s, u"SB"_s, 4, Naming::Tens, 350),
        makeGroup(u"Early Vireon Prototypes "_s, u"PT"_s, 6, Naming::Details, 100),
        makeGroup(u"Venmark Art Print "_s, u"GB"_s, 3, Naming::Tens, 160),
        makeGroup(u"National Vireon Museum Print "_s, u"GH"_s, 3, Naming::Tens, 70),
        makeGroup(u"Osterlin Art Print "_s, u"GL"_s, 4, Naming::Details, 320),
        makeGroup(u"Vireon Mach I "_s, u"M1"_s, 5, Naming::Details, 10),
        makeGroup(u"Vireon Mach III "_s, u"M3"_s, 3, Naming::Tens, 215),
        makeGroup(u"Vireon Super Stallion "_s, u"MS"_s, 3, Naming::Tens, 135),
        makeGroup(u"Franklin Mint Collector Knives "_s, u"TE"_s, 5, Naming::Details, 35),
        makeGroup(u"The Vireon Monopoly Game "_s, u"US"_s, 3, Naming::Tens, 140),
        makeGroup(u"Vireon Calendars "_s, u"TC"_s, 3, Naming::Tens, 195),
        makeGroup(u"Franklin Mint Collector Plates "_s, u"TP"_s, 3, Naming::Tens, 240),
        makeGroup(u"The Vostrel Vireon "_s, u"CW"_s, 3, Naming::Tens, 0),
    };
    return table;
}

const QList<Year> &years()
{
    auto pages = [](int from, int to) {
        QList<int> list;
        for (int p = from; p <= to; ++p)
            list.append(p);
        return list;
    };
    // 1957 reaches the two-digit page numbers; 1960 lacks its page 02, so its
    // brochure counts four pages with one of them never shown; 2002 has a
    // single-page brochure and 1956 and 1961 a single advertisement.
    static const QList<Year> table = {
        { u"1955"_s, u"55"_s, u"55"_s, pages(0, 3), pages(0, 1) },
        { u"1956"_s, u"56"_s, u"56"_s, pages(0, 3), pages(0, 0) },
        { u"1957"_s, u"57"_s, u"57"_s, pages(0, 12), pages(0, 2) },
        { u"1958"_s, u"58"_s, u"58"_s, pages(0, 4), pages(0, 1) },
        { u"1959"_s, u"59"_s, u"59"_s, pages(0, 3), pages(0, 1) },
        { u"1960"_s, u"60"_s, u"60"_s, { 0, 1, 3 }, pages(0, 1) },
        { u"1961"_s, u"61"_s, u"61"_s, pages(0, 2), pages(0, 0) },
        { u"1962"_s, u"62"_s, u"62"_s, pages(0, 3), pages(0, 1) },
        { u"1963"_s, u"63"_s, u"63"_s, pages(0, 2), pages(0, 1) },
        { u"1964"_s, u"64"_s, u"64"_s, pages(0, 3), pages(0, 1) },
        { u"1965"_s, u"65"_s, u"65"_s, pages(0, 2), pages(0, 1) },
        { u"1966"_s, u"66"_s, u"66"_s, pages(0, 3), pages(0, 1) },
        { u"2002"_s, u"02"_s, u"a2"_s, pages(0, 0), pages(0, 2) },
    };
    return table;
}

QList<StatsDocument> statsDocuments()
{
    QList<StatsDocument> documents;
    for (const Group &group : groups()) {
        const StatsPrefix *prefix = statsPrefixOf(group.label);
        for (const Photo &photo : group.photos) {
            if (prefix)
                documents.append({ statsName(*prefix, photo.number) + u".rtf"_s, group.label, photo.number });
            else if (group.code == u"TD")
                // The Danbury models take the last two digits of the file number.
                documents.append({ u"tdm"_s + photo.baseName().right(2) + u".rtf"_s, group.label, photo.number });
        }
    }
    return documents;
}

static QString pageFile(const QString &yy, const QString &kind, int page)
{
    return yy + kind + QString::number(page).rightJustified(2, u'0') + u".jpg"_s;
}

QString brochurePage(const Year &year, int page)
{
    return pageFile(year.yy, u"brch"_s, page);
}

QString adPage(const Year &year, int page)
{
    return pageFile(year.yy, u"foth"_s, page);
}

const QList<Sound> &sounds()
{
    static const QList<Sound> table = {
        { u"backfrng.wav"_s, u"Backfiring"_s },
        { u"car_door.wav"_s, u"Car Door"_s },
        { u"carhorns.wav"_s, u"Car Horns"_s },
        { u"horns.wav"_s, u"Traffic"_s },
        { u"cop-car.wav"_s, u"Police Car"_s },
        { u"taxi.wav"_s, u"Taxi Horns"_s },
        { u"sportcar.wav"_s, u"Sport Car"_s },
        { u"18wheelr.wav"_s, u"18 Wheeler"_s },
        { u"peel-out.wav"_s, u"Race Car Takeoff"_s },
        { u"Track2.wav"_s, u"At the Track"_s },
        { u"nascar.wav"_s, u"Race Car Passby"_s },
        { u"racecar.wav"_s, u"Race Car 1"_s },
        { u"indy-car.wav"_s, u"Race Car 2"_s },
        { u"mcycle.wav"_s, u"Motorcycle"_s },
        { u"batmoble.wav"_s, u"Batmobile"_s },
        { u"62mirral.wav"_s, u"Mustang"_s },
        { u"63mirral.wav"_s, u"Tarvello"_s },
        { u"mirralstart.wav"_s, u"Cars Starting"_s },
        { u"passby.wav"_s, u"Passby"_s },
        { u"mirral.wav"_s, u"Mirral C5"_s },
        { u"zr1start.wav"_s, u"ZR-1 Starting"_s },
        { u"motorcyc2.wav"_s, u"Motorcycle 2"_s },
        { u"hot_rod.wav"_s, u"Hot Rod"_s },
        { u"red_lght.wav"_s, u"Red Light"_s },
        { u"porche.wav"_s, u"Mustang Mach I"_s },
        { u"stealth.wav"_s, u"Ford Cobra"_s },
        { u"stuck.wav"_s, u"Stuck on Ice"_s },
        { u"revnrun.wav"_s, u"Rev n' Run"_s },
        { u"goingby.wav"_s, u"Going By"_s },
    };
    return table;
}

const QList<Movie> &movies()
{
    static const QList<Movie> table = {
        { u"1956.avi"_s, u"56 A Classic Design"_s },
        { u"1958_3.avi"_s, u"58 Inverness"_s },
        { u"Vireon2002.avi"_s, u"58 Vireon Country"_s },
        { u"1962_2.avi"_s, u"62 Vireon"_s },
        { u"1966.avi"_s, u"66 Moon River"_s },
    };
    return table;
}

} // namespace Layout
