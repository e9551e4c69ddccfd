#include "prose.h"

#include "rng.h"


using namespace Qt::StringLiterals;

namespace Prose {

namespace {

const QStringList colourPool = {
    u"Harbour Blue"_s, u"Sierra Gold"_s, u"Onyx Black"_s, u"Polar White"_s, u"Cardinal Red"_s,
    u"Meadow Green"_s, u"Desert Sand"_s, u"Twilight Turquoise"_s, u"Copper Glow"_s, u"Silver Mist"_s,
    u"Crème Yellow"_s, u"Aspen Grey"_s, u"Coral Rosé"_s, u"Midnight Navy"_s, u"Lagoon Aqua"_s,
    u"Burgundy Flame"_s, u"Ivory Café"_s, u"Tahoe Teal"_s,
};

const QList<Option> optionPool = {
    { u"Power steering"_s, u"PS-1"_s, 92 },       { u"Power brakes"_s, u"PB-2"_s, 38 },
    { u"Push-button radio"_s, u"RA-5"_s, 99 },     { u"Wonder-Bar signal-seeking radio"_s, u"RA-7"_s, 149 },
    { u"Heater and defroster"_s, u"HD-1"_s, 74 },  { u"Whitewall tyres"_s, u"WW-4"_s, 32 },
    { u"Continental spare kit"_s, u"CK-3"_s, 118 }, { u"Two-tone paint"_s, u"TT-2"_s, 27 },
    { u"Removable hardtop"_s, u"HT-6"_s, 215 },    { u"Electric windows"_s, u"EW-2"_s, 64 },
    { u"Tinted glass"_s, u"TG-1"_s, 21 },          { u"Dual exhaust"_s, u"DX-8"_s, 34 },
    { u"Limited-slip axle"_s, u"LS-9"_s, 48 },     { u"Wire wheel covers"_s, u"WC-5"_s, 56 },
    { u"Air conditioning"_s, u"AC-3"_s, 395 },     { u"Four-speed gearbox"_s, u"FS-4"_s, 188 },
    { u"Courtesy light group"_s, u"CL-1"_s, 12 },  { u"Padded dashboard"_s, u"PD-1"_s, 16 },
};

ModelYear make(const QString &label, const QString &nickname, const QString &body, const QString &engine,
               int hp, int production, int price, int wheelbase, int weight, const QString &highlight)
{
    Rng rng(label);
    ModelYear year { label, nickname, body, engine, hp, production, price, wheelbase, weight, highlight, {}, {} };
    while (year.colours.size() < 6) {
        const QString &colour = rng.pick(colourPool);
        if (!year.colours.contains(colour))
            year.colours.append(colour);
    }
    QStringList taken;
    const double inflation = 1.0 + (label.toInt() - 1955) * 0.035;
    while (year.options.size() < 7) {
        Option option = rng.pick(optionPool);
        if (taken.contains(option.code))
            continue;
        taken.append(option.code);
        option.price = int(option.price * inflation);
        year.options.append(option);
    }
    return year;
}

const QList<ModelYear> &table()
{
    static const QList<ModelYear> years = {
        make(u"1955"_s, u"the First Edition"_s, u"two-seat roadster"_s, u"4.3-litre V8"_s, 162, 16155, 2944, 102, 2980,
             u"the Vireon arrived as a compact two-seater with a wraparound windscreen"_s),
        make(u"1956"_s, u"the Porthole Vireon"_s, u"two-seat roadster with optional hardtop"_s, u"4.8-litre V8"_s, 202,
             15631, 3151, 102, 3088, u"a removable hardtop with round portholes joined the options list"_s),
        make(u"1957"_s, u"the Skyliner"_s, u"two-seat roadster and hardtop"_s, u"5.1-litre V8"_s, 245, 21380, 3408,
             102, 3134, u"fuel injection and a bolder egg-crate grille made it the year collectors chase"_s),
        make(u"1958"_s, u"the Square Vireon"_s, u"four-seat coupé and convertible"_s, u"5.8-litre V8"_s, 300, 37892,
             3631, 113, 3708, u"the car grew a rear seat and became a true four-passenger tourer"_s),
        make(u"1959"_s, u"the Jet Vireon"_s, u"four-seat hardtop and convertible"_s, u"5.8-litre V8"_s, 300, 67456,
             3696, 113, 3736, u"a jet-intake bonnet scoop and a full-width grille gave it a new face"_s),
        make(u"1960"_s, u"the Crested Vireon"_s, u"four-seat hardtop and convertible"_s, u"5.8-litre V8"_s, 300, 92843,
             3755, 113, 3797, u"a sweeping crest ran the full length of the body"_s),
        make(u"1961"_s, u"the Bullet Vireon"_s, u"four-seat hardtop and convertible"_s, u"6.4-litre V8"_s, 300, 73051,
             4032, 113, 3958, u"the bullet-nosed body arrived, longer and lower than anything before it"_s),
        make(u"1962"_s, u"the Sports Roadster"_s, u"four-seat hardtop, convertible and roadster"_s,
             u"6.4-litre V8"_s, 340, 78011, 4131, 113, 4012,
             u"a fibreglass tonneau turned the convertible into a two-seat sports roadster"_s),
        make(u"1963"_s, u"the Landau"_s, u"hardtop, landau and convertible"_s, u"6.4-litre V8"_s, 340, 69162, 4215,
             113, 4066, u"a vinyl-roofed landau with chrome S-bars brought formal elegance"_s),
        make(u"1964"_s, u"the Flair Vireon"_s, u"four-seat hardtop, landau and convertible"_s, u"6.4-litre V8"_s, 300,
             92465, 4374, 113, 4139, u"a clean, squared roofline and a new console set the tone"_s),
        make(u"1965"_s, u"the Touring Vireon"_s, u"four-seat hardtop, landau and convertible"_s, u"6.4-litre V8"_s,
             300, 75290, 4400, 113, 4182, u"front disc brakes and sequential rear lamps arrived"_s),
        make(u"1966"_s, u"the Town Vireon"_s, u"four-seat hardtop, town landau and convertible"_s,
             u"7.0-litre V8"_s, 345, 69176, 4483, 113, 4359,
             u"a leather-trimmed town landau closed the classic era in comfort"_s),
        make(u"2002"_s, u"the Retro Vireon"_s, u"two-seat convertible with removable hardtop"_s,
             u"3.9-litre V8"_s, 252, 21894, 34495, 107, 3775,
             u"the Vireon returned as a two-seater that echoed the first cars of 1955"_s),
    };
    return years;
}

QString fill(QString text, const ModelYear &year, Rng &rng)
{
    return text.replace(u"{year}"_s, year.label)
        .replace(u"{nick}"_s, year.nickname)
        .replace(u"{body}"_s, year.body)
        .replace(u"{engine}"_s, year.engine)
        .replace(u"{hp}"_s, QString::number(year.horsepower))
        .replace(u"{built}"_s, thousands(year.production))
        .replace(u"{price}"_s, dollars(year.price))
        .replace(u"{colour}"_s, rng.pick(year.colours))
        .replace(u"{option}"_s, rng.pick(year.options).name.toLower())
        .replace(u"{highlight}"_s, year.highlight);
}

QString compose(const QList<QStringList> &slots, const ModelYear &year, Rng &rng)
{
    QStringList sentences;
    for (const QStringList &slot : slots)
        if (!slot.isEmpty() && rng.unit() < 0.9)
            sentences.append(fill(rng.pick(slot), year, rng));
    return sentences.join(u' ');
}

} // namespace

const ModelYear &modelYear(const QString &label)
{
    for (const ModelYear &year : table())
        if (year.label == label.trimmed())
            return year;
    return table().first();
}

QString yearParagraph(const ModelYear &year, Rng &rng)
{
    static const QList<QStringList> slots = {
        { u"For {year}, {highlight}."_s, u"The {year} model is remembered as {nick}: {highlight}."_s,
          u"In {year} {highlight}, and the dealers could hardly keep up."_s,
          u"Ask any owner what set {year} apart and the answer comes at once: {highlight}."_s,
          u"{year} was a turning point \u2014 {highlight}."_s },
        { u"It was offered as a {body}, powered by a {engine} rated at {hp} horsepower."_s,
          u"Buyers chose a {body}; under the bonnet sat a {engine} of {hp} horsepower."_s,
          u"The {engine} gave {hp} horsepower, and the {body} put every one of them to the road."_s,
          u"Power came from a {engine}: {hp} horsepower, smooth and eager at any speed."_s },
        { u"The factory built {built} cars that year, each starting at {price}."_s,
          u"With a base price of {price}, {built} cars left the line."_s,
          u"Production reached {built}, and the list price began at {price}."_s,
          u"At {price} it was no bargain, yet {built} buyers signed on the dotted line."_s },
        { u"A car finished in {colour} with the {option} is a rare sight today."_s,
          u"Showroom favourites were {colour} paint and the {option}."_s,
          u"Many owners ordered the {option}, and {colour} was the colour of the season."_s,
          u"The press praised the ride, the quiet cabin and the {option} \u2014 \u201ca car for the open road.\u201d"_s },
        { u"Restorers prize the original trim, which is hard to find."_s,
          u"Today the {year} car is a favourite at concours events across the country."_s,
          u"Its clean lines still turn heads at every meeting of the owners\u2019 club."_s, QString() },
    };
    return compose(slots, year, rng);
}

QString categoryParagraph(const QString &title, Rng &rng)
{
    static const QList<QStringList> slots = {
        { u"The {title} pieces celebrate the car in miniature."_s,
          u"Collectors of the {title} look for complete sets with their original boxes."_s,
          u"Each item of the {title} was made in a limited, numbered run."_s },
        { u"Every detail, from the grille to the hub caps, is reproduced with care."_s,
          u"The paint matches the factory colours of the period."_s,
          u"A certificate of authenticity accompanied each piece."_s },
        { u"Prices at auction have risen steadily over the last decade."_s,
          u"They make a fine companion to a real car in the garage."_s,
          u"Look for the maker\u2019s mark on the base \u2014 copies lack it."_s },
    };
    const ModelYear &any = table().first();
    QString text = compose(slots, any, rng);
    return text.replace(u"{title}"_s, title.trimmed());
}

QString nostalgiaParagraph(const ModelYear &year, Rng &rng)
{
    static const QList<QStringList> slots = {
        { u"Think back to {year}: drive-in cinemas, jukeboxes and a full tank for a few dollars."_s,
          u"In {year} the family Sunday drive was an institution."_s,
          u"The summer of {year} belonged to the open road and the radio."_s },
        { u"A {colour} Vireon parked outside the diner said everything about its owner."_s,
          u"Teenagers dreamed of {nick}, and their parents dreamed of the {option}."_s,
          u"At the café on Main Street, talk turned to {nick} and its {engine}."_s },
        { u"Those days are gone, but the cars remain to remind us."_s,
          u"Ask anyone who rode in one \u2014 they still remember the smell of the upholstery."_s,
          u"It was, as one owner put it, \u201cthe best year of my life behind the wheel.\u201d"_s },
    };
    return compose(slots, year, rng);
}

QString firstSentences(const QString &text, int count)
{
    const QStringList sentences = text.split(u". "_s);
    if (sentences.size() <= count)
        return text;
    return sentences.mid(0, count).join(u". "_s) + u'.';
}

QString thousands(int amount)
{
    QString digits = QString::number(amount);
    for (int i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, u',');
    return digits;
}

QString dollars(int amount)
{
    return u"$"_s + thousands(amount);
}

} // namespace Prose
