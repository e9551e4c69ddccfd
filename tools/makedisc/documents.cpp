#include "documents.h"

#include "catalog.h"
#include "prose.h"
#include "rng.h"
#include "rtfwriter.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace {

// What the details pane shows for photograph n of a group: it is small, so
// a title, two sentences and one line of catalogue facts.
QByteArray photoNote(const QString &label, int number, const QString &fileName)
{
    Rng rng(fileName.toLower());
    RtfWriter rtf;
    const bool year = label.at(0).isDigit();
    rtf.heading(label.trimmed() + u" \u2014 No. "_s + QString::number(number));
    if (year)
        rtf.paragraph(Prose::firstSentences(Prose::yearParagraph(Prose::modelYear(label), rng), 2));
    else
        rtf.paragraph(Prose::firstSentences(Prose::categoryParagraph(label, rng), 2));
    rtf.note(u"Catalogue no. %1 \u00b7 edition of %2 \u00b7 issue price %3"_s.arg(fileName.section(u'.', 0, 0).toUpper())
                 .arg(100 * (2 + rng.below(48)))
                 .arg(Prose::dollars(20 + 5 * rng.below(40))));
    return rtf.finish();
}

} // namespace

QList<Document> photoDocuments()
{
    QList<Document> documents;
    QSet<QString> names;
    for (const Layout::Group &group : Layout::groups())
        for (const Layout::Photo &photo : group.photos) {
            const QString name = photo.baseName() + u".rtf"_s;
            documents.append({ name, photoNote(group.label, photo.number, name) });
            names.insert(name.toLower());
        }
    // Where a category's photographs are named after their statistics
    // documents, one document serves both.
    for (const Layout::StatsDocument &stats : Layout::statsDocuments())
        if (!names.contains(stats.fileName.toLower()))
            documents.append({ stats.fileName, photoNote(stats.label, stats.number, stats.fileName) });
    return documents;
}

void addDocumentJobs(Jobs &jobs, Output &output)
{
    jobs.append([&output] {
        QList<Document> all = yearDocuments() + photoDocuments() + categoryDocuments() + menuDocuments();
        QSet<QString> seen;
        for (const Document &document : all) {
            if (seen.contains(document.fileName.toLower()))
                output.fail(u"two documents named %1"_s.arg(document.fileName));
            seen.insert(document.fileName.toLower());
            output.write(u"disc/"_s + Layout::RichText + u'/' + document.fileName, document.rtf);
        }
        output.write(u"program/Vireon.HLP"_s, helpFile());
    });
}
