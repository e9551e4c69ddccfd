#include "documents.h"

#include "catalog.h"
#include "prose.h"
#include "rng.h"
#include "rtfwriter.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray categoryDescription(const QString &title, const QString &subtitle)
{
    Rng rng(title);
    RtfWriter rtf;
    rtf.title(title.trimmed());
    rtf.subtitle(subtitle);
    for (int i = 0; i < 3; ++i)
        rtf.paragraph(Prose::categoryParagraph(title, rng));
    rtf.heading(u"What to look for"_s);
    rtf.bullets({ u"The original box and certificate"_s, u"An unbroken edition number"_s,
                  u"Crisp paint with no touch-ups \u2014 especially on the chrome trim"_s });
    return rtf.finish();
}

QByteArray strallenList(const QString &heading, const QStringList &items)
{
    RtfWriter rtf;
    rtf.title(u"The Classic Strallen \u2014 "_s + heading);
    rtf.paragraph(u"The Strallen was built in a small series on the Vireon chassis by an independent coachbuilder. "
                  u"Each car was finished to its first owner\u2019s order."_s);
    rtf.bullets(items);
    return rtf.finish();
}

QByteArray simple(const QString &title, const QStringList &paragraphs, const QStringList &bullets = {})
{
    RtfWriter rtf;
    rtf.title(title);
    for (const QString &text : paragraphs)
        rtf.paragraph(text);
    if (!bullets.isEmpty())
        rtf.bullets(bullets);
    return rtf.finish();
}

QByteArray introduction()
{
    RtfWriter rtf;
    rtf.title(u"The Vireon Anthology"_s);
    rtf.subtitle(u"Introduction"_s);
    rtf.paragraph(u"Welcome to the Vireon Anthology, a reference to every model year of the Vireon from its "
                  u"première in 1955 to the last of the classic cars in 1966, and to the revival of 2002."_s);
    rtf.paragraph(u"Choose a year with the buttons along the bottom of the window, or click the photograph to move "
                  u"through the years and the collectables. The buttons above the photograph open the "
                  u"description, options, colours, statistics and nostalgia of the year on show, and its "
                  u"brochure and advertisements."_s);
    rtf.heading(u"Also on the disc"_s);
    rtf.bullets({ u"A slide show of every photograph"_s, u"Automobile sound effects"_s,
                  u"Five movies \u2014 from \u201cA Classic Design\u201d to \u201cMoon River\u201d"_s,
                  u"A screen saver of your favourite photographs"_s, u"A printed booklet of the years you choose"_s });
    return rtf.finish();
}

QByteArray advertisingChecklist()
{
    RtfWriter rtf;
    rtf.title(u"Vireon Advertising Checklist"_s);
    rtf.paragraph(u"The advertisements and showroom brochure pages on this disc, year by year. Tick off the "
                  u"originals in your collection."_s);
    QList<QStringList> rows { { u"Year"_s, u"Advertisements"_s, u"Brochure pages"_s } };
    for (const Layout::Year &year : Layout::years())
        rows.append({ year.label, QString::number(year.adPages.size()), QString::number(year.brochurePages.size()) });
    rtf.table(rows, { 1800, 2600, 2600 });
    return rtf.finish();
}

QByteArray registrationForm()
{
    RtfWriter rtf;
    rtf.title(u"Quillon Software Registration Form"_s);
    rtf.paragraph(u"Register your copy of the Vireon Anthology to hear about updates and new editions. Fill in "
                  u"this form and mail it to Quillon Software."_s);
    rtf.tabbed({ { u"Name"_s, QString(), u"________________________"_s },
                 { u"Street"_s, QString(), u"________________________"_s },
                 { u"Town, state, postal code"_s, QString(), u"________________________"_s },
                 { u"Where did you buy the anthology?"_s, QString(), u"________________________"_s },
                 { u"Do you own a Vireon? Which year?"_s, QString(), u"________________________"_s } });
    rtf.note(u"Quillon Software, 418 Larkspur Lane, Fernhill, OR 97999"_s);
    return rtf.finish();
}

} // namespace

QList<Document> categoryDocuments()
{
    return {
        { u"stamps.rtf"_s, categoryDescription(u"Vireon Postage Stamps "_s, u"The car on the envelope"_s) },
        { u"zy002.rtf"_s, categoryDescription(u"Vireon Coin "_s, u"A medallion in silver"_s) },
        { u"knives.rtf"_s, categoryDescription(u"Franklin Mint Collector Knives "_s, u"Engraved blades"_s) },
        { u"plates.rtf"_s, categoryDescription(u"Franklin Mint Collector Plates "_s, u"Porcelain portraits"_s) },
        { u"franklin.rtf"_s, categoryDescription(u"Franklin Mint Die Cast Models "_s, u"Scale models in metal"_s) },
        { u"danbury.rtf"_s, categoryDescription(u"Danbury Mint Die Cast Models "_s, u"Precision replicas"_s) },
        { u"monopoly.rtf"_s, categoryDescription(u"The Vireon Monopoly Game "_s, u"Pass Go in a Vireon"_s) },
        { u"desperat.rtf"_s, categoryDescription(u"Vireon Metal Signs "_s, u"Garage walls and showrooms"_s) },
        { u"ptdesc.rtf"_s, categoryDescription(u"Early Vireon Prototypes "_s, u"The cars before the car"_s) },
        { u"sbopts.rtf"_s, strallenList(u"Options"_s, { u"Hand-stitched leather interior"_s, u"Chrome wire wheels"_s,
                                                         u"Walnut dashboard"_s, u"Coachbuilder\u2019s badge"_s }) },
        { u"sbcolors.rtf"_s, strallenList(u"Colors"_s, { u"Bordeaux over cream"_s, u"British racing green"_s,
                                                          u"Silver Mist"_s, u"Black with red coachline"_s }) },
    };
}

QList<Document> menuDocuments()
{
    return {
        { u"introduction.rtf"_s, introduction() },
        { u"notice.rtf"_s,
          simple(u"Notice"_s,
                 { u"The Vireon Anthology and its photographs, documents, sounds and movies are protected by "
                   u"copyright. You may print pages and copy photographs for your own use."_s,
                   u"Vireon, the Vireon emblem and the model names are used to describe the cars; all other "
                   u"names belong to their owners."_s }) },
        { u"credits.rtf"_s,
          simple(u"Credits"_s, { u"The Vireon Anthology was produced by Quillon Software."_s },
                 { u"Producer \u2014 Marta Kovalenko"_s, u"Photography \u2014 Jules Ardent and Pia Lindqvist"_s,
                   u"Research and text \u2014 Tom\u00e1s Ferreira"_s, u"Sound \u2014 Nadia Okafor"_s,
                   u"Programming \u2014 Quillon Software"_s }) },
        { u"contrib.rtf"_s,
          simple(u"Contributions"_s,
                 { u"Many owners opened their garages and albums to us. Our thanks go to the members of the "
                   u"owners\u2019 clubs who lent cars, brochures and memorabilia."_s },
                 { u"The Fernhill Vireon Club"_s, u"The Museum of the Open Road"_s,
                   u"Ren\u00e9 Dubois, for the 1957 brochure"_s }) },
        { u"Register.rtf"_s, registrationForm() },
        { u"WallPaper Instructions.rtf"_s,
          simple(u"Wallpaper Instructions"_s,
                 { u"Any photograph of the anthology can become the wallpaper of your desktop."_s },
                 { u"Show the photograph you like in the main window."_s,
                   u"Click it with the right mouse button and save it to your hard disk."_s,
                   u"Open the display settings of your desktop and choose the saved file as wallpaper."_s }) },
        { u"VireonAdsList.rtf"_s, advertisingChecklist() },
        { u"2002_Press_Release.rtf"_s,
          simple(u"2002 Vireon Press Release"_s,
                 { u"FOR IMMEDIATE RELEASE \u2014 The Vireon returns. Forty-seven years after the first car "
                   u"left the line, the 2002 Vireon brings back the two-seat convertible that started it all."_s,
                   u"A 3.9-litre V8 of 252 horsepower, a removable hardtop with portholes and a choice of "
                   u"six colours recall the cars of 1955 to 1957."_s }) },
        { u"sshelp.rtf"_s,
          simple(u"Install Screen Saver Help"_s,
                 { u"The Vireon screen saver shows anthology photographs on your desktop."_s },
                 { u"Choose \u201cSelected Photos\u201d to show the photographs you added with Copy Photo, or "
                   u"\u201cAll Photos\u201d to show every photograph."_s,
                   u"Set the delay between photographs with the arrows."_s,
                   u"Press Install; the screen saver is then chosen in your display settings."_s }) },
    };
}
