#include "medialocator.h"

#include "contentcatalog.h"
#include "errorreporter.h"
#include "platform/base/mediafs.h"

// Any error while probing (no such drive, no disc, unreadable folder) is "no match".
bool holdsPhotographs(const MediaFs &fs, const QString &root)
{
    return !fs.list(root + MediaFolders::PhotoProbe).isEmpty();
}

bool locateMediaOnce(const MediaFs &fs, Roots &roots)
{
    if (holdsPhotographs(fs, roots.ProgramFolder))
        roots.PhotoRoot = roots.ProgramFolder;
    for (const QChar letter : SearchedDriveLetters) {
        const QString root = QString(letter) + u':';
        if (!holdsPhotographs(fs, root))
            continue;
        roots.MediaRoot = root;
        if (roots.PhotoRoot.isEmpty())
            roots.PhotoRoot = roots.MediaRoot;
        return true;
    }
    return false;
}

bool LocateMedia(const MediaFs &fs, Roots &roots, ErrorReporter &errors,
                 const std::function<void()> &beforeReport, const std::function<bool()> &askForDisc)
{
    bool reported = false;
    for (;;) {
        errors.setErrorCode(QStringLiteral("ER001"));
        if (locateMediaOnce(fs, roots))
            return reported;
        if (beforeReport)
            beforeReport();
        const bool asked = !reported && askForDisc;
        reported = true;
        if (asked && askForDisc())
            continue;
        errors.reportError();
    }
}
