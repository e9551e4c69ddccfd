#include "copyrules.h"

#include "platform/base/text.h"

namespace CopyRules {

qint64 neededBytes(bool photos)
{
    return photos ? 42000000 : 432000000;
}

qint64 jobTotal(bool photos)
{
    return photos ? 42000000 : 586000000;
}

ChunkPlan chunkPlan(qint64 size, qint64 chunkSize)
{
    if (size <= 0 || chunkSize <= 0)
        return {};
    return { size / chunkSize, size % chunkSize };
}

int fileGaugePercent(qint64 chunkSize, qint64 chunk, qint64 size)
{
    if (size <= 0)
        return 100;
    return int(qBound(qint64(0), chunkSize * chunk * 100 / size, qint64(100)));
}

int jobGaugePercent(qint64 remaining, qint64 total)
{
    if (total <= 0)
        return 100;
    const double percent = 100.0 - double(remaining) / double(total) * 100.0;
    return int(qBound(0.0, percent, 100.0));
}

QString formatThousands(qint64 value)
{
    if (value == 0)
        return {};
    const bool negative = value < 0;
    QString digits = QString::number(negative ? -value : value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return negative ? u'-' + digits : digits;
}

qint64 availableFromFree(qint64 freeBytes)
{
    return freeBytes <= 0 ? 0 : freeBytes / 1024 * 1000;
}

QString refusalMessage(qint64 available, qint64 needed)
{
    return joinLines({ QStringLiteral("Not enough available hard disk space to copy photos."), QString(),
                       QStringLiteral("Free some up and try again."), QString(),
                       QStringLiteral("You have:  ") + formatThousands(available) + QStringLiteral(" bytes"), QString(),
                       QStringLiteral("You need:   ") + formatThousands(needed - available) + QStringLiteral(" bytes more"),
                       QString(),
                       QStringLiteral("For a total of:   ") + formatThousands(needed) + QStringLiteral(" bytes free."),
                       QString() });
}

QString copyAgainQuestion()
{
    return joinLines({ QStringLiteral("These files have already been copied"), QStringLiteral("to your hard drive."),
                       QString(), QStringLiteral("Would you like to copy them again?") });
}

QString copiedMessage(bool photos)
{
    return (photos ? QStringLiteral("Photos successfully copied!") : QStringLiteral("Movies successfully copied!"))
        + QStringLiteral("\r\n");
}

QString failedMessage(bool photos, int failed, int total)
{
    if (photos)
        return joinLines({ QStringLiteral("%1 of %2 photos could not be copied!").arg(failed).arg(total), QString(),
                           QStringLiteral("The photos are still read from the CD-ROM.") });
    return QStringLiteral("%1 of %2 movies could not be copied!").arg(failed).arg(total);
}

} // namespace CopyRules
