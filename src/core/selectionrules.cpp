#include "selectionrules.h"

#include "contentcatalog.h"

#include <QRegularExpression>

namespace SelectionRules {

namespace {
bool isOneOf(const QString &label, std::initializer_list<const char *> labels)
{
    for (const char *candidate : labels)
        if (label == QLatin1String(candidate))
            return true;
    return false;
}
}

DetailButtons detailButtonsFor(const QString &label)
{
    DetailButtons buttons;
    buttons.cmdNostalgia = label != QLatin1String("2002");

    bool desc = true, stats = true;
    if (label == QLatin1String("Early Vireon Prototypes ")) {
        desc = false;
    } else if (label == QLatin1String("Vireon Cookies ")) {
        desc = false;
        stats = false;
    } else if (isOneOf(label, { "Vireon Metal Signs ", "Vireon Super Stallion ", "Vireon Mach III ",
                                "Franklin Mint Die Cast Models ", "Danbury Mint Die Cast Models " })) {
    } else if (isOneOf(label, { "Vireon Coin ", "Vireon Postage Stamps ", "The Vireon Monopoly Game ",
                                "Franklin Mint Collector Knives " })) {
        stats = false;
    } else {
        return buttons; // the years and the other categories keep everything
    }
    DetailButtons limited;
    limited.cmdDesc = desc;
    limited.cmdStats = stats;
    limited.cmdOptions = limited.cmdColors = limited.cmdScript = limited.cmdEmblem = false;
    limited.cmdAd = limited.cmdNostalgia = limited.cmdClipArt = limited.cmdBrochure = false;
    return limited;
}

bool usesDetailsCaption(const QString &label)
{
    return isOneOf(label, { "Early Vireon Prototypes ", "The Classic Strallen ", "Vireon Mach I ", "Vireon Mach III ",
                            "Vireon Super Stallion ", "Vireon Postage Stamps ", "Danbury Mint Die Cast Models " });
}

bool hidesOverlayPictures(const QString &label)
{
    return isOneOf(label, { "Vireon Mach I ", "Vireon Mach III ", "Vireon Super Stallion ",
                            "Danbury Mint Die Cast Models ", "Franklin Mint Collector Knives ",
                            "Franklin Mint Die Cast Models ", "Vireon Metal Signs ", "Vireon Cookies ",
                            "Vireon Coin ", "Vireon Postage Stamps " });
}

bool isNumericLabel(const QString &label)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)\\s*$"));
    return number.match(label).hasMatch();
}

Advance nextInClickCycle(const QString &label, qint16 YearButtonIndex)
{
    const qint16 k = YearButtonIndex == 13 ? 1 : qint16(YearButtonIndex + 1);
    struct Step
    {
        const char *from;
        const char *to;
        bool viaShowCategory;
    };
    static const Step cycle[] = {
        { "2002", "Danbury Mint Die Cast Models ", false },
        { "Danbury Mint Die Cast Models ", "Franklin Mint Die Cast Models ", true },
        { "Franklin Mint Die Cast Models ", "Vireon Metal Signs ", true },
        { "Vireon Metal Signs ", "Vireon Coin ", false },
        { "Vireon Coin ", "Vireon Cookies ", false },
        { "Vireon Cookies ", "Vireon Postage Stamps ", false },
    };
    for (const Step &step : cycle)
        if (label == QLatin1String(step.from))
            return Advance{ QLatin1String(step.to), step.viaShowCategory, false, 0 };
    if (label == QLatin1String("Vireon Postage Stamps "))
        return Advance{ QStringLiteral("1955 "), false, true, 1 };
    return Advance{ ContentCatalog::yearLabel(k), false, true, k };
}

QString stuffLabel(int index)
{
    static const char *const labels[] = { "Danbury Mint Die Cast Models ", "Franklin Mint Die Cast Models ",
                                          "Vireon Coin ", "Vireon Cookies ", "Vireon Metal Signs ",
                                          "Vireon Postage Stamps " };
    return index >= 0 && index < 6 ? QLatin1String(labels[index]) : QString();
}

int yearButtonAfterStep(const QString &SelectionCode)
{
    bool numeric = false;
    const int n = SelectionCode.toInt(&numeric);
    if (numeric && SelectionCode.compare(QLatin1String("66")) <= 0 && n >= 54)
        return n - 53;
    return 1;
}

} // namespace SelectionRules
