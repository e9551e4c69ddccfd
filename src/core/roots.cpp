#include "roots.h"

#include "platform/base/twips.h"

#include <QSize>

bool isProgramFolderMode(const QStringList &argumentsAfterProgram)
{
    return argumentsAfterProgram.join(QLatin1Char(' ')) == u"HWI";
}

bool ScreenIs(const QSize &screenTwips, qint32 width, qint32 height)
{
    qint32 widthTwips = 0;
    qint32 heightTwips = 0;
    if (qMulOverflow(width, qint32(TwipsPerPixel), &widthTwips)
        || qMulOverflow(height, qint32(TwipsPerPixel), &heightTwips))
        return false;
    return screenTwips.width() == widthTwips && screenTwips.height() == heightTwips;
}
