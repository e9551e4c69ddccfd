#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>

QString programFolder()
{
    QString folder = qEnvironmentVariable("VIREON_PROGRAM_FOLDER");
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    // A root never ends with a separator ("/" itself stays as it is).
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}
