#include "documents.h"

#include "catalog.h"
#include "prose.h"
#include "rng.h"
#include "rtfwriter.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

QByteArray description(const Prose::ModelYear &year, Rng &rng)
{
    RtfWriter rtf;
    rtf.title(u"The "_s + year.label + u" Vireon"_s);
    rtf.subtitle(year.nickname.at(0).toUpper() + year.nickname.mid(1));
    rtf.heading(u"Overview"_s);
    rtf.paragraph(Prose::yearParagraph(year, rng));
    rtf.paragraph(Prose::yearParagraph(year, rng));
    rtf.heading(u"Highlights"_s);
    rtf.bullets({ year.highlight.at(0).toUpper() + year.highlight.mid(1),
                  u"Body: "_s + year.body,
                  u"Engine: "_s + year.engine + u", "_s + QString::number(year.horsepower) + u" hp"_s,
                  u"Base price: "_s + Prose::dollars(year.price) });
    rtf.paragraph(Prose::yearParagraph(year, rng));
    rtf.note(u"Figures as published at the model\u2019s première; the factory reserved the right to "
             u"change them without notice."_s);
    return rtf.finish();
}

QByteArray options(const Prose::ModelYear &year, Rng &rng)
{
    RtfWriter rtf;
    rtf.title(year.label + u" Vireon Options"_s);
    rtf.paragraph(u"The dealer\u2019s order form listed the following factory options. Prices are the suggested "
                  u"retail prices of the day, installed."_s);
    QList<QStringList> rows { { u"Option"_s, u"Code"_s, u"Price"_s } };
    for (const Prose::Option &option : year.options)
        rows.append({ option.name, option.code, Prose::dollars(option.price) });
    rtf.tabbed(rows);
    rtf.paragraph(Prose::yearParagraph(year, rng));
    return rtf.finish();
}

QByteArray colours(const Prose::ModelYear &year, Rng &rng)
{
    RtfWriter rtf;
    rtf.title(year.label + u" Exterior Colours"_s);
    rtf.paragraph(u"Six exterior colours were offered in "_s + year.label
                  + u", each with a choice of matching or contrasting interior trim."_s);
    QStringList items;
    for (int i = 0; i < year.colours.size(); ++i)
        items.append(year.colours.at(i) + u"\t(paint code "_s + year.label.right(2) + QString::number(10 + 7 * i)
                     + u')');
    rtf.bullets(items);
    rtf.heading(u"Interior trims"_s);
    rtf.bullets({ u"Red vinyl with white piping"_s, u"Black leather, pleated"_s,
                  u"Turquoise and ivory cloth \u2014 hardtops only"_s });
    rtf.paragraph(Prose::yearParagraph(year, rng));
    return rtf.finish();
}

QByteArray statistics(const Prose::ModelYear &year, Rng &rng)
{
    RtfWriter rtf;
    rtf.title(year.label + u" Production Statistics"_s);
    // Split the year's production over its body styles.
    const QStringList styles = year.body.split(QRegularExpression(u",? and |, "_s));
    QList<QStringList> rows { { u"Body style"_s, u"Built"_s, u"Base price"_s, u"Weight (lb)"_s } };
    int left = year.production;
    for (int i = 0; i < styles.size(); ++i) {
        const int built = i + 1 == styles.size() ? left : int(left * rng.range(0.45, 0.7));
        left -= built;
        rows.append({ styles.at(i), Prose::thousands(built), Prose::dollars(year.price + 150 * i),
                      Prose::thousands(year.weight + 60 * i) });
    }
    rows.append({ u"Total"_s, Prose::thousands(year.production), QString(), QString() });
    rtf.table(rows, { 3600, 1500, 1700, 1700 });
    rtf.heading(u"Technical data"_s);
    rtf.table({ { u"Item"_s, u"Value"_s },
                { u"Engine"_s, year.engine },
                { u"Horsepower"_s, QString::number(year.horsepower) },
                { u"Wheelbase"_s, QString::number(year.wheelbase) + u" in"_s },
                { u"Shipping weight"_s, Prose::thousands(year.weight) + u" lb"_s } },
              { 3600, 4000 });
    rtf.paragraph(Prose::yearParagraph(year, rng));
    return rtf.finish();
}

QByteArray nostalgia(const Prose::ModelYear &year, Rng &rng)
{
    RtfWriter rtf;
    rtf.title(u"Nostalgia "_s + year.label);
    for (int i = 0; i < 3; ++i)
        rtf.paragraph(Prose::nostalgiaParagraph(year, rng));
    return rtf.finish();
}

} // namespace

QList<Document> yearDocuments()
{
    QList<Document> documents;
    for (const Layout::Year &entry : Layout::years()) {
        const Prose::ModelYear &year = Prose::modelYear(entry.label);
        Rng rng(entry.label + u"documents"_s);
        const QString p = entry.docPrefix;
        documents.append({ p + u"desc.rtf"_s, description(year, rng) });
        documents.append({ p + u"opts.rtf"_s, options(year, rng) });
        documents.append({ p + u"colors.rtf"_s, colours(year, rng) });
        documents.append({ p + u"stats.rtf"_s, statistics(year, rng) });
        documents.append({ u"nostalgia"_s + entry.yy + u".rtf"_s, nostalgia(year, rng) });
    }
    return documents;
}
