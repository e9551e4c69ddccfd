#include "errortable.h"

#include "platform/base/text.h"

#include <QHash>

const QString ProgramTitle = QStringLiteral("The Vireon Anthology");

namespace {
const QString TextFile = QStringLiteral(" Unable to load the text file.");
const QString SlidePhoto = QStringLiteral(" Unable to load Slide Show photo.");

// Every text but the blank ones begins with one blank; double blanks inside
// the texts are kept as they stand.
const QHash<QString, QString> &table()
{
    static const QHash<QString, QString> texts = {
        { "ER001", " Unable to detect the Vireon Anthology CDROM." },
        { "ER002", " Unable to load  Description  for year selected." },
        { "ER003", " Unable to load Intel Video driver install software." },
        { "ER004", TextFile },
        { "ER005", TextFile },
        { "ER006", TextFile },
        { "ER007", TextFile },
        { "ER008", TextFile },
        { "ER009", TextFile },
        { "ER010", TextFile },
        { "ER011", SlidePhoto },
        { "ER012", " Unable to load photo." },
        { "ER013", SlidePhoto },
        { "ER014", SlidePhoto },
        { "ER015", SlidePhoto },
        { "ER016", SlidePhoto },
        { "ER017", SlidePhoto },
        { "ER018", SlidePhoto },
        { "ER020", " Error loading text file." },
        { "ER021", " Unable to load  Script  for year selected." },
        { "ER022", " Unable to load  Emblem  for year selected." },
        { "ER023", " Vireon photo not found for year selected." },
        { "ER024", " Vireon clip art not found for year selected." },
        { "ER025", TextFile },
        { "ER026", TextFile },
        { "ER027", TextFile },
        { "ER029", TextFile },
        { "ER030", TextFile },
        { "ER031", TextFile },
        { "ER032", " Unable to load sound file: " },
        { "ER033", " Unable to load 'Postage Stamps' text file." },
        { "ER034", " You must select both a Start Year and an End Year. " },
        { "ER035", " Vireon clip art not found for year selected." },
        { "ER036", " 'TO' year may not be earlier than 'FROM' year." },
        { "ER037", " Unable to load the photo array." },
        { "ER038", " Unable to load the 'Sound Effects' file." },
        { "ER039", SlidePhoto },
        { "ER040", " Unable to load file for printing." },
        { "ER041", " Unable to load  Rear Emblem for year selected." },
        { "ER042", " Unable to load  Side Emblem for year selected." },
        { "ER043", "  " },
        { "ER044", " Unable to load Vireon Ad." },
        { "ER045", " Unable to load Vireon Movie." },
        { "ER046", " " },
        { "ER047", " " },
        { "ER048", " " },
        { "ER049", " Unable to find Screen Saver." },
        { "ER050", " Unable to load 'Identification Guide' text file." },
        { "ER051", " " },
        { "ER052", " Unable to load 'Install Screen Saver Help' text file." },
        { "ER053", " Unable to load 'Contributions' text file." },
        { "ER054", "       " },
        { "ER055", " Unable to detect the Vireon Anthology CDROM." },
        { "ER056", " Unable to load 'What's New' text file." },
    };
    return texts;
}
}

QString errorText(const QString &code)
{
    return table().value(code);
}

bool isRetryCode(const QString &code)
{
    return code == u"ER001" || code == u"ER037" || code == u"ER055";
}

QString composeErrorMessage(const QString &code)
{
    const QString head = QStringLiteral("Error number: ") + code;
    if (code == u"ER034" || code == u"ER036")
        return joinLines({ head, QString(), errorText(code) });
    return joinLines({ head, QString(), errorText(code), QString(),
                       QStringLiteral("Make sure that the Vireon Anthology is in the CDROM drive.") });
}
