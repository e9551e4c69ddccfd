// Times what the user waits for in the movie window and the sound panel:
// choosing a movie to its first picture, Play to the first moving picture,
// the processor while a movie plays, and a sound button to the sound.
//
//   bench_media [SAMPLE]
//
// SAMPLE is a folder written by makedisc (its disc/movies and disc/wav are
// used); without it the movies and sounds are generated into a temporary
// folder. The sound is timed as it reaches the sound server: that needs
// parecord and a PulseAudio server (a null sink will do), otherwise that
// part says why it was not measured.
#include "benchsupport.h"
#include "movies.h"
#include "output.h"
#include "sounds.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTextStream>

void benchMovies(QTextStream &out, const QString &disc);
void benchSounds(QTextStream &out, const QString &disc);

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("GST_PLUGIN_FEATURE_RANK"))
        qputenv("GST_PLUGIN_FEATURE_RANK", "openalsink:NONE");
    QApplication app(argc, argv);
    QTextStream out(stdout);

    QTemporaryDir temp;
    QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (root.isEmpty()) {
        Output output(temp.path());
        Jobs jobs;
        addMovieJobs(jobs, output);
        addSoundJobs(jobs, output);
        for (const auto &job : jobs)
            job();
        if (output.failed()) {
            out << "cannot write the sample movies and sounds: " << output.firstError() << Qt::endl;
            return 1;
        }
        root = temp.path();
    }
    const QString disc = root + QStringLiteral("/disc");
    out << "== movies" << Qt::endl;
    benchMovies(out, disc);
    out << "== sounds" << Qt::endl;
    benchSounds(out, disc);
    return 0;
}
