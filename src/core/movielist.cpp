#include "movielist.h"

#include "contentcatalog.h"
#include "session.h"
#include "platform/base/mediafs.h"

void BuildMovieList(const MediaFs &fs, Session &session)
{
    for (;;) {
        session.errors.setErrorCode(QStringLiteral("ER055"));
        const QString root = session.roots.MediaRoot;
        if (fs.isFolder(root)) {
            if (const auto names = fs.listing(root + MediaFolders::Movies + QStringLiteral("*.avi"))) {
                session.MovieList.clear();
                for (const QString &name : *names)
                    session.MovieList << name.toUpper();
                session.MovieCount = qint16(session.MovieList.size());
                session.MovieList << QString();
                return;
            }
        }
        session.errors.reportError(ErrorReporter::Origin::FailureHandler);
    }
}
