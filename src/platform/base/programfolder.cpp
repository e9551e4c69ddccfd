#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef VIREON_SHIPPED_FOLDER
#define VIREON_SHIPPED_FOLDER "../share/vireon-anthology"
#endif

namespace {
QString withoutTrailingSeparators(QString folder)
{
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    // A root never ends with a separator ("/" itself stays as it is).
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}
}

QString programFolder()
{
    const QString folder = qEnvironmentVariable("VIREON_PROGRAM_FOLDER");
    if (!folder.isEmpty())
        return withoutTrailingSeparators(folder);
    return programFolderOf(QCoreApplication::applicationDirPath(), QStringLiteral(VIREON_SHIPPED_FOLDER),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString programFolderOf(
    const QString &programFileFolder, const QString &shippedRelative, const QString &userDataFolder)
{
    const QString shipped = withoutTrailingSeparators(QDir(programFileFolder).filePath(shippedRelative));
    if (!QFileInfo(shipped).isDir())
        return withoutTrailingSeparators(programFileFolder);
    const QString folder
        = withoutTrailingSeparators(userDataFolder + QStringLiteral("/vireon-anthology/program"));
    QDir().mkpath(folder);
    linkShippedFiles(shipped, folder);
    return folder;
}

void linkShippedFiles(const QString &shipped, const QString &folder)
{
    const QDir from(shipped);
    const QDir to(folder);
    // Links left by an earlier version whose file is no longer shipped.
    for (const QFileInfo &entry : to.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        if (entry.isSymLink() && entry.symLinkTarget().startsWith(from.absolutePath() + u'/')
            && !entry.exists())
            QFile::remove(entry.absoluteFilePath());
    }
    for (const QFileInfo &file : from.entryInfoList(QDir::Files)) {
        const QFileInfo link(to.filePath(file.fileName()));
        if (link.isSymLink() && link.symLinkTarget() == file.absoluteFilePath())
            continue;
        if (link.exists() && !link.isSymLink())
            continue; // the user's own file
        QFile::remove(link.absoluteFilePath());
        QFile::link(file.absoluteFilePath(), link.absoluteFilePath());
    }
}
