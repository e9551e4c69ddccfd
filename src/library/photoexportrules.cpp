#include "photoexportrules.h"

#include "platform/base/text.h"
#include "platform/base/twips.h"

#include <QDir>
#include <QFileInfo>

namespace PhotoExportRules {

Dialogs::SaveFile saveRequest(const QString &folder, const QString &fileName)
{
    return { QStringLiteral("Copy Vireon photo to disk"),
             QStringLiteral(".jpg"),
             { { QStringLiteral("JPG Files (*.jpg)"), QStringLiteral("*.jpg") },
               { QStringLiteral("All Files (*.*)"), QStringLiteral("*.*") } },
             folder,
             fileName };
}

QString canonicalPath(const QString &nativePath)
{
    QString existing = QDir::cleanPath(QDir::fromNativeSeparators(nativePath));
    QString rest;
    while (!existing.isEmpty() && !QFileInfo::exists(existing)) {
        const qsizetype slash = existing.lastIndexOf(u'/');
        if (slash < 0)
            return QDir::cleanPath(nativePath);
        rest = existing.mid(slash) + rest;
        existing = existing.left(slash);
    }
    const QString canonical = existing.isEmpty() ? QString() : QFileInfo(existing).canonicalFilePath();
    return QDir::cleanPath(canonical + rest);
}

Refusal refusalOf(const QString &chosen, const QString &source, const QString &photoFolder)
{
    const QString target = canonicalPath(chosen);
    if (!source.isEmpty() && target.compare(canonicalPath(source), Qt::CaseInsensitive) == 0)
        return Refusal::SameAsSource;
    const QString folder = canonicalPath(photoFolder) + u'/';
    if (!photoFolder.isEmpty() && target.startsWith(folder, Qt::CaseInsensitive))
        return Refusal::InPhotoFolder;
    return Refusal::None;
}

QString refusalMessage(Refusal refusal)
{
    if (refusal == Refusal::SameAsSource)
        return joinLines({ QStringLiteral("The target file name and location can not be the same as the source file name and location!"),
                           QString(), QStringLiteral("Please choose a different location and/or filename for this photo.") });
    return joinLines({ QStringLiteral("The target file directory location can not be the same as the Vireon Anthology photos!"),
                       QString(), QStringLiteral("Please choose a different location for this photo.") });
}

QString printQuestion()
{
    return QStringLiteral("Would you like to print this photograph?");
}

QStringList printedLines(PrintHeading heading, const QString &selectionLabel)
{
    const QString blank = QStringLiteral(" ");
    const QString indent = QStringLiteral("            ");
    QStringList lines(8, blank);
    lines << indent + (heading == PrintHeading::PhotoWindow ? QStringLiteral("The Vireon Anthology 2002")
                                                            : QStringLiteral("The Vireon Anthology"))
          << blank << indent + selectionLabel << blank;
    return lines;
}

QRect picturePlace(QSize picturePixels, QSize printableTwips)
{
    const QPoint corner(1460, 3000);
    QSize size(pixelsToTwips(picturePixels.width()), pixelsToTwips(picturePixels.height()));
    const QSize room(printableTwips.width() - corner.x(), printableTwips.height() - corner.y());
    if (size.isEmpty() || room.isEmpty())
        return QRect(corner, QSize());
    if (size.width() > room.width() || size.height() > room.height())
        size.scale(room, Qt::KeepAspectRatio);
    return QRect(corner, size);
}

} // namespace PhotoExportRules
