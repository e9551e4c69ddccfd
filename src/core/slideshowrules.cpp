#include "slideshowrules.h"

#include "contentcatalog.h"
#include "platform/base/text.h"

#include <QLocale>
#include <cmath>

namespace SlideShowRules {

int afterBkwd(int cursor, int count)
{
    return cursor > 1 ? cursor - 1 : count;
}

int afterFwd(int cursor, int count)
{
    return cursor == count ? 1 : cursor + 1;
}

int afterJumpBkwd(int cursor, int count)
{
    const int position = cursor - 10;
    return position < 1 ? count : position;
}

int afterJumpFwd(int cursor, int count)
{
    const int position = cursor + 10;
    return position > count - 1 ? 1 : position;
}

int middlePosition(int count)
{
    const int half = count / 2;
    // An odd count lies halfway between half and half + 1: take the even one.
    return count % 2 != 0 && half % 2 != 0 ? half + 1 : half;
}

int afterPause(int cursor, int count)
{
    return cursor != 0 ? cursor - 1 : count;
}

int photographOnScreen(int cursor, bool playing)
{
    // A playing show has already moved past the photograph on screen.
    if (!playing)
        ++cursor;
    return qMax(cursor, 2) - 1;
}

int randomPosition(int count, float r)
{
    const float drawn = float(count) * r + 1.0f;
    return qMin(int(std::floor(drawn)), count);
}

float FixedSeedRandom::operator()()
{
    return float(m_generator.generate() >> 8) / 16777216.0f;
}

qint32 delayAfterSpinUp(qint32 PhotoDelay)
{
    switch (PhotoDelay) {
    case 60000:
        return 1000;
    case 1000:
    case 2000:
    case 3000:
    case 4000:
        return PhotoDelay + 1000;
    default:
        return PhotoDelay + 5000;
    }
}

qint32 delayAfterSpinDown(qint32 PhotoDelay)
{
    switch (PhotoDelay) {
    case 1000:
        return 60000;
    case 2000:
    case 3000:
    case 4000:
    case 5000:
        return PhotoDelay - 1000;
    default:
        return PhotoDelay - 5000;
    }
}

QString delayText(qint32 PhotoDelay)
{
    return QString::number(PhotoDelay / 1000) + QStringLiteral(" seconds");
}

QString counterText(int position, int count)
{
    return QString::number(position) + QStringLiteral(" of ") + QString::number(count);
}

QString slideCaption(const QString &fileName)
{
    const QString code = fileName.left(2);
    if (code.size() == 2 && code.at(0).isDigit() && code.at(1).isDigit())
        return QStringLiteral("19") + code + u' ';
    if (code == u"A2")
        return QStringLiteral("200") + fileName.at(1);
    for (const ContentCatalog::Category &category : ContentCatalog::CategoryTable()) {
        if (category.groupCode == code)
            return category.title;
    }
    return {};
}

QString middleCaption(const QString &fileName)
{
    return QStringLiteral("19") + fileName.left(2);
}

QString clockTime(const QTime &time)
{
    return QLocale::c().toString(time, QStringLiteral("hh:mm:ss ap"));
}

QString clockDate(const QDate &date)
{
    return QLocale::c().toString(date, QStringLiteral("MM/dd/yy"));
}

QString clockDay(const QDate &date)
{
    return QLocale::c().dayName(date.dayOfWeek(), QLocale::LongFormat);
}

HandBack handBack(const QString &caption)
{
    static const QStringList detailsOnly{ "Vireon Postage Stamps ", "Vireon Metal Signs ", "Vireon Mach I ",
                                          "Early Vireon Prototypes ", "Vireon Cookies ", "The Vireon Monopoly Game " };
    static const QStringList detailsAndDescription{ "Vireon Mach III ", "Vireon Super Stallion ",
                                                    "Danbury Mint Die Cast Models ", "Franklin Mint Die Cast Models ",
                                                    "Franklin Mint Collector Knives " };
    using enum SelectionRules::DetailButton;
    static const QList<SelectionRules::DetailButton> yearOnlyButtons{ cmdOptions, cmdColors, cmdScript,
                                                                      cmdEmblem,  cmdAd,     cmdNostalgia };

    HandBack result;
    result.statsCaption = QStringLiteral("Engines");
    result.selectionCode = ContentCatalog::GroupCodeOf(caption);
    const bool withDescription = detailsAndDescription.contains(caption);
    if (withDescription || detailsOnly.contains(caption)) {
        result.statsCaption = QStringLiteral("Details");
        result.enablesDesc = withDescription;
        result.disabledButtons = yearOnlyButtons;
        return result;
    }
    bool numeric = false;
    const int year = result.selectionCode.toInt(&numeric);
    // A model year ("1962 " gives "62"): the button after its own takes the
    // focus. 2002 and the remaining categories focus the first year button.
    if (numeric && !sameLabel(caption, QStringLiteral("2002"))) {
        result.focusButton = year - 53;
        result.yearButtonIndex = qint16(year - 54);
    }
    return result;
}

QHash<QString, Twips> compactLayout(const QHash<QString, Twips> &design, int screenWidthTwips)
{
    QHash<QString, Twips> compact;
    for (const char *name : { "Image1", "panYear", "SSCommand1", "SSCommand2", "mmSlide", "panInterval", "SpinInterval",
                              "PnlCoStar", "StatusDate", "StatusDay", "StatusTime", "cmdExit" })
        compact.insert(QLatin1String(name), design.value(QLatin1String(name)));
    // Every entry exists now, so these references stay valid.
    auto at = [&](const char *name) -> Twips & { return compact[QLatin1String(name)]; };
    auto after = [&](const char *name) { return at(name).left + at(name).width; };

    at("Image1").width = qRound(at("Image1").width * 0.795);
    at("Image1").height = qRound(at("Image1").height * 0.78);
    for (const char *name : { "panYear", "SSCommand1", "SSCommand2", "panInterval", "SpinInterval" })
        at(name).top = 5900;
    for (const char *name : { "PnlCoStar", "StatusDate", "StatusTime", "StatusDay", "cmdExit" })
        at(name).top = 6500;

    at("PnlCoStar").width = 3500;
    for (const char *name : { "StatusDate", "StatusDay", "StatusTime" })
        at(name).width = 1500;
    at("StatusDate").left = after("PnlCoStar");
    at("StatusDay").left = after("StatusDate");
    at("StatusTime").left = after("StatusDay");
    at("cmdExit").width = 1400;
    at("cmdExit").left = after("StatusTime");

    at("SSCommand1").width = 1377;
    at("SSCommand1").left -= 400;
    at("SSCommand2").width = 1377;
    at("SSCommand2").left = after("SSCommand1");

    at("mmSlide").top = 6140;
    at("mmSlide").left = at("SSCommand1").left;
    at("mmSlide").width = 2736;

    at("panInterval").left = screenWidthTwips - at("panInterval").width - 140;
    at("SpinInterval").left = at("panInterval").left - at("SpinInterval").width;
    at("SpinInterval").height = qRound(at("SpinInterval").height * 0.6);
    return compact;
}

} // namespace SlideShowRules
