// makedisc OUTDIR — writes a complete synthetic Vireon Anthology disc.
//
// OUTDIR/disc is the disc root (what a drive letter maps to):
//   birds/       photographs of every year and category: 55010.jpg .. A2120.jpg,
//                TD001.jpg, PT002.jpg, ... (group code first; 800x600, a few 2048x1536)
//   richtext/    per-photograph details (<photo>.rtf), year documents (57desc, 57opts,
//                57colors, 57stats, nostalgia57; a2... for 2002), per-photograph
//                statistics (pt010.rtf, tdm12.rtf, usa002.rtf, ...), category and
//                menu documents (introduction.rtf, credits.rtf, ...)
//   wav/         the 29 sound effects (16-bit, 8-bit, stereo, IMA and MS ADPCM WAVs)
//   emblems/ scripts/ clipart/   emb57.jpg, scri57.jpg, 57clip.jpg per year, plus the
//                Strallen's and the prototypes' own
//   graphics/    booklet cover artwork: logoBW.jpg, bklettxt.jpg, quillon3.jpg
//   brochures/ ads/   57brch00.jpg .., 57foth00.jpg .. (1960 lacks brochure page 02)
//   movies/      the five AVI movies (Motion JPEG, Cinepak, MS Video-1; PCM and ADPCM sound)
//   IndeoVideo/  iv5play.exe, a text stand-in for the video software installer
// OUTDIR/program holds the program-folder files: passby.wav and Vireon.HLP (the help
// manual: a contents page and a topic for each window and menu command). The screen
// saver Vireon.scr is built with the program (vireon-screensaver) and copied there by
// scripts/run-sample.sh.
//
// The output is the same, byte for byte, on every run. Everything is written into
// OUTDIR/.makedisc-tmp first and moved into place when complete; OUTDIR/.complete,
// written last, records the format, and a run that finds it up to date does nothing.

#include "generator.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Raised whenever the generated content changes, so older discs are rebuilt.
const QByteArray Format = "vireon-makedisc format 2\n";

int fail(const QString &message)
{
    std::fprintf(stderr, "makedisc: %s\n", qPrintable(message));
    return 1;
}

bool upToDate(const QString &marker)
{
    QFile file(marker);
    return file.open(QIODevice::ReadOnly) && file.readAll() == Format;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts for the lettering on pictures
    const QStringList args = app.arguments();
    if (args.size() != 2)
        return fail(u"usage: makedisc OUTDIR"_s);

    const QDir out(args.at(1));
    const QString marker = out.filePath(u".complete"_s);
    if (upToDate(marker))
        return 0;

    QElapsedTimer timer;
    timer.start();
    const QString staging = out.filePath(u".makedisc-tmp"_s);
    QDir(staging).removeRecursively();
    QFile::remove(marker);
    if (const QString error = generateDisc(staging); !error.isEmpty())
        return fail(error);

    for (const QString &part : { u"disc"_s, u"program"_s }) {
        QDir(out.filePath(part)).removeRecursively();
        if (!QDir().rename(staging + u'/' + part, out.filePath(part)))
            return fail(u"cannot move %1 into %2"_s.arg(part, out.path()));
    }
    QDir(staging).removeRecursively();

    QFile file(marker);
    if (!file.open(QIODevice::WriteOnly) || file.write(Format) != Format.size() || !file.flush())
        return fail(u"cannot write %1"_s.arg(marker));
    std::printf("makedisc: wrote %s in %.1f s\n", qPrintable(QDir::toNativeSeparators(out.absolutePath())),
                timer.elapsed() / 1000.0);
    return 0;
}
