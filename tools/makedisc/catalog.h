#pragma once

#include <QColor>
#include <QList>
#include <QString>

// What the generated disc holds: the model years and categories with their
// photographs, the page files of brochures and advertisements, the sounds and
// the movies. Every folder and file name the anthology reads is formed here
// and nowhere else. Names on the media are matched without regard to letter
// case, so each folder has one spelling on disc.
namespace Layout {

inline const QString Photos = QStringLiteral("birds");
inline const QString RichText = QStringLiteral("richtext");
inline const QString Sounds = QStringLiteral("wav");
inline const QString Emblems = QStringLiteral("emblems");
inline const QString Scripts = QStringLiteral("scripts");
inline const QString ClipArt = QStringLiteral("clipart");
inline const QString Graphics = QStringLiteral("graphics");
inline const QString Brochures = QStringLiteral("brochures");
inline const QString Ads = QStringLiteral("ads");
inline const QString Movies = QStringLiteral("movies");
inline const QString IndeoVideo = QStringLiteral("IndeoVideo");

QStringList discFolders();

struct Photo
{
    QString fileName; // "57030.jpg"
    int number;       // 1-based number within its group, in name order
    int count;        // photographs in the group
    bool large;       // 2048 x 1536 instead of 800 x 600
    QString baseName() const { return fileName.chopped(4); }
};

struct Group
{
    QString label;   // "1957", "2002" or a category title with its trailing blank
    QString code;    // group code: "57", "A2", "TD"
    QColor colour;   // the colour of the car in its photographs
    QList<Photo> photos;
    bool isYear() const { return label.at(0).isDigit(); }
    QString title() const { return label.trimmed(); }
};

struct Year
{
    QString label;      // "1957"
    QString yy;         // characters 3 and 4 of the label: "57", "02"
    QString docPrefix;  // prefix of the year documents: "57", "a2"
    QList<int> brochurePages; // page numbers present, 0-based
    QList<int> adPages;
};

const QList<Group> &groups();
const QList<Year> &years();

// The per-photograph statistics documents that the Details button forms for
// a category's photograph n, with the label that forms them.
struct StatsDocument
{
    QString fileName; // "pt010.rtf"
    QString label;
    int number;
};
QList<StatsDocument> statsDocuments();

QString brochurePage(const Year &year, int page); // "57brch02.jpg"
QString adPage(const Year &year, int page);       // "57foth00.jpg"

struct Sound
{
    QString fileName;
    QString name; // as the sound panel shows it
};
const QList<Sound> &sounds();

struct Movie
{
    QString fileName;
    QString title;
};
const QList<Movie> &movies();

} // namespace Layout
