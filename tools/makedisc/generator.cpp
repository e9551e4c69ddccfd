#include "generator.h"

#include "artwork.h"
#include "catalog.h"
#include "documents.h"
#include "movies.h"
#include "output.h"
#include "pages.h"
#include "photos.h"
#include "sounds.h"

#include <QThreadPool>

using namespace Qt::StringLiterals;

namespace {

// A stand-in for the Windows program on the disc: the video software
// installer. (The program folder's screen saver, Vireon.scr, is a program of
// ours: the build makes it, and scripts/run-sample.sh puts it in place.)
void addPlaceholderJobs(Jobs &jobs, Output &output)
{
    jobs.append([&output] {
        output.write(u"disc/"_s + Layout::IndeoVideo + u"/iv5play.exe"_s,
                     "Vireon Anthology sample disc: stand-in for the video software installer.\r\n"
                     "It installs nothing; the movies on this disc are Motion JPEG, Cinepak and MS Video-1,\r\n"
                     "which the GStreamer plugins of the install script play.\r\n");
    });
}

} // namespace

QString generateDisc(const QString &root)
{
    Output output(root);
    QStringList folders { u"program"_s };
    for (const QString &folder : Layout::discFolders())
        folders.append(u"disc/"_s + folder);
    output.makeFolders(folders);
    if (output.failed())
        return output.firstError();

    Jobs jobs;
    // The slowest jobs first, so the pool's threads finish together.
    addMovieJobs(jobs, output);
    addPhotoJobs(jobs, output);
    addPageJobs(jobs, output);
    addArtworkJobs(jobs, output);
    addSoundJobs(jobs, output);
    addDocumentJobs(jobs, output);
    addPlaceholderJobs(jobs, output);

    QThreadPool pool;
    for (const auto &job : std::as_const(jobs))
        pool.start(job);
    pool.waitForDone();
    return output.firstError();
}
