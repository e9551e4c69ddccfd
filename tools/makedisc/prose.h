#pragma once

#include <QString>
#include <QStringList>

class Rng;

// Invented facts about each model year and the sentences the documents and
// brochure pages are written from.
namespace Prose {

struct Option
{
    QString name;
    QString code;
    int price; // dollars
};

struct ModelYear
{
    QString label;      // "1957"
    QString nickname;   // what owners call that year's car
    QString body;       // the body styles offered
    QString engine;
    int horsepower;
    int production;
    int price;          // base price, dollars
    int wheelbase;      // inches
    int weight;         // pounds
    QString highlight;  // the year's one big change
    QStringList colours;
    QList<Option> options;
};

const ModelYear &modelYear(const QString &label);

// A paragraph of three to five sentences about the year, varied by rng.
QString yearParagraph(const ModelYear &year, Rng &rng);
// A paragraph about a collectable or special edition of a category.
QString categoryParagraph(const QString &title, Rng &rng);
// A memory of the period for the nostalgia pieces.
QString nostalgiaParagraph(const ModelYear &year, Rng &rng);

// The text cut after its first count sentences.
QString firstSentences(const QString &text, int count);

QString thousands(int amount); // "16,155"
QString dollars(int amount);   // "$2,934"

} // namespace Prose
