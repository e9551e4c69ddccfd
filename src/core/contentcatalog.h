#pragma once

#include <QList>
#include <QString>

// The fixed knowledge of what the anthology holds: the thirteen model years,
// the special categories and the two-character group code that ties each of
// them to its photographs (the first two characters of a photograph's name).
namespace ContentCatalog {

struct Year
{
    int buttonIndex; // cmdYR(1..13)
    QString label;   // "1955" .. "1966", "2002"
    QString groupCode; // "55" .. "66", "A2"
};

enum class OfferedBy { StuffMenuAndClickCycle, SpecialtyMenu, ArtworkMenu, SlideShowOnly };

struct Category
{
    QString title; // ends with exactly one blank, part of every comparison
    QString groupCode;
    OfferedBy offeredBy;
};

const QList<Year> &YearTable();
const QList<Category> &CategoryTable();

// The category with this exact title, or nullptr ("Vireon Coin" without its blank is none).
const Category *categoryByTitle(const QString &title);

// The year label of cmdYR(index), 1..13: "19" + (index + 54), or "2002".
QString yearLabel(int buttonIndex);

// Label to group code: a category's code; otherwise the third and fourth
// characters, with a leading 0 turned into "A" ("2002" -> "02" -> "A2").
QString GroupCodeOf(const QString &label);

// The label whose photographs begin with the code: a year label ("1957",
// "2002") or a category title; empty for an unknown code.
QString labelOfGroupCode(const QString &groupCode);

} // namespace ContentCatalog

// Folders and files below the roots, spelt as the rest of the program writes
// them (names on the media are matched without regard to letter case).
namespace MediaFolders {
inline const QString Photos = QStringLiteral("\\birds\\");
inline const QString RichText = QStringLiteral("\\richtext\\");
inline const QString Sounds = QStringLiteral("\\wav\\");
inline const QString Emblems = QStringLiteral("\\emblems\\");
inline const QString Scripts = QStringLiteral("\\scripts\\");
inline const QString ClipArt = QStringLiteral("\\ClipArt\\");
inline const QString Graphics = QStringLiteral("\\graphics\\");
inline const QString Brochures = QStringLiteral("\\Brochures\\");
inline const QString Ads = QStringLiteral("\\ads\\");
inline const QString Movies = QStringLiteral("\\movies\\");
inline const QString IndeoVideo = QStringLiteral("\\IndeoVideo\\");
inline const QString PhotoCopy = QStringLiteral("\\Birds\\");
inline const QString ScreenSaverPhotos = QStringLiteral("\\ssVireons\\");
inline const QString HelpFile = QStringLiteral("\\Vireon.HLP");
inline const QString IntroSound = QStringLiteral("\\passby.wav");
// A root holds the photographs when this pattern matches a file below it.
inline const QString PhotoProbe = QStringLiteral("\\birds\\*.jpg");
} // namespace MediaFolders
