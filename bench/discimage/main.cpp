// Times the disc read from an ISO 9660 image beside the same disc as a folder.
//
//   bench_discimage [disc folder]
//
// Without a folder, a sample disc is generated into a temporary folder. The
// disc is made into an image with xorriso (Joliet and Rock Ridge), together
// with a 2500 x 3300 brochure page. Then, from the folder and from the image:
// opening every document of the richtext folder (read and parse), a
// photograph step for every photograph (decoded at the main window's
// 776 x 496, and at 1164 x 744 when the program is zoomed by 1.5), a page
// turn through every brochure as the page viewer turns them (the next page
// looked for and decoded), decoding the large page whole and copying the
// movies to the hard disk; medians of several runs, each after a warm-up run.
#include "benchsupport.h"
#include "platform/base/mediafs.h"
#include "platform/base/pictureloader.h"
#include "platform/richtext/rtfreader.h"
#include "viewers/pagerules.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextStream>

namespace {
QTextStream out(stdout);

constexpr int Runs = 9;

struct Drive
{
    QString root; // "E:" or "F:"
    QString pageRoot; // where the brochure page is
};

struct Figures
{
    double folderMs = 0;
    double imageMs = 0;
};

// The median times of one run of the step on the folder and on the image, in
// milliseconds, after a warm-up run of each. The runs alternate, so that both
// see the same load of a shared machine.
template <typename Step> Figures compare(const Drive &folder, const Drive &image, Step step)
{
    step(folder);
    step(image);
    QList<double> folderRuns;
    QList<double> imageRuns;
    for (int i = 0; i < Runs; ++i) {
        for (QList<double> *runs : { &folderRuns, &imageRuns }) {
            QElapsedTimer timer;
            timer.start();
            step(runs == &folderRuns ? folder : image);
            *runs << timer.nsecsElapsed() / 1e6;
        }
    }
    return { median(folderRuns), median(imageRuns) };
}

// One line of the table: the figures of one item when a run handled count of them.
void row(const QString &what, Figures figures, int count = 1)
{
    const double folderMs = figures.folderMs / count;
    const double imageMs = figures.imageMs / count;
    out << qSetFieldWidth(44) << Qt::left << what << qSetFieldWidth(10) << Qt::right
        << QString::number(folderMs, 'f', 2) << QString::number(imageMs, 'f', 2) << qSetFieldWidth(0) << "   "
        << QString::number(imageMs / folderMs, 'f', 2) << "x\n";
}
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir temp;
    const QString disc = benchDisc(argc, argv, temp, out);
    if (disc.isEmpty())
        return 1;
    const QString pageFolder = temp.filePath(QStringLiteral("page"));
    writeBenchPhoto(pageFolder + QStringLiteral("/PAGE.JPG"), QSize(2500, 3300), 55);

    const QString image = temp.filePath(QStringLiteral("anthology.iso"));
    QProcess xorriso;
    xorriso.start(QStringLiteral("xorriso"),
        { QStringLiteral("-as"), QStringLiteral("mkisofs"), QStringLiteral("-J"), QStringLiteral("-r"),
            QStringLiteral("-V"), QStringLiteral("ANTHOLOGY"), QStringLiteral("-o"), image,
            QStringLiteral("-graft-points"), QStringLiteral("/=") + disc,
            QStringLiteral("/bench/PAGE.JPG=") + pageFolder + QStringLiteral("/PAGE.JPG") });
    if (!xorriso.waitForFinished(300000) || xorriso.exitCode() != 0) {
        out << "xorriso failed (scripts/install-deps.sh installs it): " << xorriso.readAllStandardError()
            << Qt::endl;
        return 1;
    }

    MediaFs fs(DriveMap({ { u'E', disc }, { u'F', image }, { u'P', pageFolder } }));
    const Drive folder { QStringLiteral("E:"), QStringLiteral("P:") };
    const Drive fromImage { QStringLiteral("F:"), QStringLiteral("F:\\bench") };
    const QStringList documents = fs.list(QStringLiteral("E:\\richtext\\*.rtf"));
    const QStringList photographs = fs.list(QStringLiteral("E:\\birds\\*.jpg"));
    const QStringList movies = fs.list(QStringLiteral("E:\\movies\\*.avi"));
    if (documents.isEmpty() || photographs.isEmpty()
        || fs.list(QStringLiteral("F:\\birds\\*.jpg")) != photographs) {
        out << "No documents or photographs in " << disc << ", or not the same in the image" << Qt::endl;
        return 1;
    }

    QElapsedTimer first;
    first.start();
    const MediaFs fresh(DriveMap({ { u'F', image } }));
    fresh.readAll(QStringLiteral("F:\\richtext\\") + documents.first());
    const double firstMs = first.nsecsElapsed() / 1e6;

    out << "Disc image " << QFileInfo(image).size() / (1024 * 1024) << " MB: " << documents.size()
        << " documents, " << photographs.size() << " photographs\n";
    out << qSetFieldWidth(44) << Qt::left << "median ms" << qSetFieldWidth(10) << Qt::right << "folder"
        << "image" << qSetFieldWidth(0) << "   ratio\n";
    row(QStringLiteral("open a document (read + parse)"),
        compare(folder, fromImage,
            [&](const Drive &drive) {
                for (const QString &name : documents) {
                    const auto rtf
                        = fs.readAll(drive.root + QStringLiteral("\\richtext\\") + name, MaxRtfBytes);
                    QTextDocument document;
                    if (!rtf || !readRtf(*rtf, document).ok)
                        qFatal("cannot open %s", qPrintable(name));
                }
            }),
        documents.size());
    for (const QSize size : { QSize(776, 496), QSize(1164, 744) }) {
        row(QStringLiteral("photograph step, decoded at %1 x %2").arg(size.width()).arg(size.height()),
            compare(folder, fromImage,
                [&](const Drive &drive) {
                    for (const QString &name : photographs) {
                        if (loadPicture(fs, drive.root + QStringLiteral("\\birds\\") + name, size).isNull())
                            qFatal("cannot decode %s", qPrintable(name));
                    }
                }),
            photographs.size());
    }
    // Every brochure from its first page to its last, one turn at a time.
    int turns = 0;
    const Figures turning = compare(folder, fromImage, [&](const Drive &drive) {
        turns = 0;
        for (int year = 0; year < 13; ++year) {
            const QString code = year < 12 ? QString::number(55 + year) : QStringLiteral("02");
            const auto pathOf
                = [&](int page) { return pagePath(drive.root, PageKind::Brochure, code, page); };
            const int count = countPages([&](int page) { return fs.exists(pathOf(page)); });
            for (int page = 0; page + 1 < count; ++page, ++turns) {
                const auto turned = acceptedPage(spinUpCandidates(page, count),
                    [&](int candidate) { return !loadPicture(fs, pathOf(candidate)).isNull(); });
                if (!turned)
                    qFatal("cannot turn page %d of %s", page, qPrintable(code));
            }
        }
    });
    row(QStringLiteral("page turn (next page found and decoded)"), turning, qMax(turns, 1));
    row(QStringLiteral("brochure page decoded at 2500 x 3300"),
        compare(folder, fromImage, [&](const Drive &drive) {
            if (loadPicture(fs, drive.pageRoot + QStringLiteral("\\PAGE.JPG")).size() != QSize(2500, 3300))
                qFatal("cannot decode the page");
        }));
    // Every movie to the hard disk, as the copy feature copies them.
    const QString copies = temp.filePath(QStringLiteral("copies"));
    QDir().mkpath(copies);
    qint64 movieBytes = 0;
    for (const QString &name : movies)
        movieBytes += fs.size(QStringLiteral("E:\\movies\\") + name).value_or(0);
    row(QStringLiteral("copy the %1 movies (%2 KB) to the hard disk")
            .arg(movies.size())
            .arg(movieBytes / 1024),
        compare(folder, fromImage, [&](const Drive &drive) {
            for (const QString &name : movies) {
                if (!fs.copy(drive.root + QStringLiteral("\\movies\\") + name, copies + u'/' + name))
                    qFatal("cannot copy %s", qPrintable(name));
            }
        }));
    out << "First read from the image (opening it, reading two folders): " << QString::number(firstMs, 'f', 2)
        << " ms\n";
    out.flush();
    return 0;
}
