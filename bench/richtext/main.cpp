// Times reading, laying out, opening and printing the anthology's documents.
//
//   bench_richtext [folder]
//
// Every RTF document of the folder (or of its richtext folder, for a disc) is
// read and opened, all in one process; without a folder, those of a sample
// disc generated into a temporary folder. For each: reading the RTF, and
// opening it in a box of the viewer's size (read, lay out, first paint). The
// totals are MB/s, the median and the slowest document. Then a generated
// document of about 1 MB with tables and formatting, one of about 270 KB, and
// printing the large one to a PDF file.
#include "benchsupport.h"
#include "rtfwriter.h"
#include "platform/base/mediafs.h"
#include "platform/richtext/rtfreader.h"
#include "platform/base/printer.h"
#include "platform/ui/printerqt.h"
#include "platform/ui/richtextbox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextStream>

#include <algorithm>

namespace {
QTextStream out(stdout);

// The median of five runs of the step, in milliseconds.
template<typename Step>
double timeMs(Step step)
{
    QList<double> runs;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        runs << timer.nsecsElapsed() / 1e6;
    }
    return median(runs);
}

QString sentence(QRandomGenerator &random)
{
    static const QStringList words{ "chrome", "Vireon", "hardtop", "sedan", "coupe", "V-8", "engine", "showroom",
                                    "two-tone", "whitewall", "dealer", "brochure", "horsepower", "convertible",
                                    "wagon", "grille", "fin", "dashboard", "odometer", "café", "naïve", "1957" };
    QStringList picked;
    const int count = 8 + random.bounded(18);
    for (int i = 0; i < count; ++i)
        picked << words.at(random.bounded(words.size()));
    picked.first()[0] = picked.first().at(0).toUpper();
    return picked.join(u' ') + u'.';
}

// A document of about the size given: headings, paragraphs, lists, tab
// stops and bordered tables, in proportions like the anthology's own.
QByteArray largeDocument(int bytes)
{
    QRandomGenerator random(1957);
    RtfWriter rtf;
    rtf.title(QStringLiteral("The Vireon Anthology: Collected Model Data"));
    QByteArray document;
    for (int section = 1; document.size() < bytes; ++section) {
        rtf.heading(QStringLiteral("Section %1").arg(section));
        for (int p = 0; p < 6; ++p) {
            QString paragraph;
            for (int s = 0; s < 6; ++s)
                paragraph += sentence(random) + u' ';
            rtf.paragraph(paragraph);
        }
        rtf.bullets({ sentence(random), sentence(random), sentence(random) });
        QList<QStringList> rows;
        for (int r = 0; r < 6; ++r)
            rows << QStringList{ sentence(random).left(24), QStringLiteral("%1").arg(random.bounded(9999)),
                                 QStringLiteral("$%1.00").arg(random.bounded(5000)) };
        rtf.tabbed(rows);
        QList<QStringList> table{ { "Model", "Body", "Engine", "Price" } };
        for (int r = 0; r < 10; ++r)
            table << QStringList{ QStringLiteral("Model %1").arg(r), sentence(random).left(30),
                                  QStringLiteral("%1 cu in").arg(200 + random.bounded(200)),
                                  QStringLiteral("$%1").arg(2000 + random.bounded(3000)) };
        rtf.table(table, { 1800, 3600, 1800, 1440 });
        rtf.note(sentence(random));
        document = rtf.finish();
    }
    return document;
}

struct Opened
{
    double readMs = 0;
    double openMs = 0;
};

Opened measure(const QByteArray &rtf, const MediaFs &fs, const QString &mediaPath)
{
    Opened result;
    result.readMs = timeMs([&] {
        QTextDocument document;
        readRtf(rtf, document);
    });
    result.openMs = timeMs([&] {
        RichTextBox box;
        box.resize(513, 409);
        box.loadFile(fs, mediaPath);
        box.document()->size(); // the whole layout at the box's width
        box.grab();             // and the first screen painted
    });
    return result;
}

QString mb(double bytes)
{
    return QString::number(bytes / (1024 * 1024), 'f', 2);
}

struct Timed
{
    QString name;
    qint64 bytes = 0;
    double ms = 0;
};

// The median and the slowest of the documents, by the time of one step.
void report(const char *step, QList<Timed> timed)
{
    std::sort(timed.begin(), timed.end(), [](const Timed &a, const Timed &b) { return a.ms < b.ms; });
    const Timed &slowest = timed.constLast();
    out << "  " << step << ": median " << QString::number(timed.at(timed.size() / 2).ms, 'f', 2)
        << " ms, slowest " << QString::number(slowest.ms, 'f', 2) << " ms: " << slowest.name << " ("
        << slowest.bytes / 1024 << " KB)\n";
}

// The documents of the folder, read and opened one after the other.
bool measureFolder(const QString &folder)
{
    const MediaFs fs(DriveMap({ { u'E', folder } }));
    const QStringList names = fs.list(QStringLiteral("E:\\*.rtf"));
    if (names.isEmpty()) {
        out << "No documents in " << folder << Qt::endl;
        return false;
    }
    QList<Timed> reads;
    QList<Timed> opens;
    QStringList failed;
    qint64 totalBytes = 0;
    double totalReadMs = 0;
    for (const QString &name : names) {
        const QString path = QStringLiteral("E:\\") + name;
        const std::optional<QByteArray> rtf = fs.readAll(path);
        QTextDocument probe;
        if (!rtf || !readRtf(*rtf, probe).ok) {
            failed << name;
            continue;
        }
        const Opened opened = measure(*rtf, fs, path);
        totalBytes += rtf->size();
        totalReadMs += opened.readMs;
        reads.append({ name, rtf->size(), opened.readMs });
        opens.append({ name, rtf->size(), opened.openMs });
    }
    out << "Documents in " << folder << ": " << names.size() << ", " << mb(totalBytes) << " MB\n";
    if (!failed.isEmpty())
        out << "  not read: " << failed.join(QStringLiteral(", ")) << "\n";
    if (reads.isEmpty())
        return false;
    out << "  read: " << QString::number(totalBytes / (1024.0 * 1024) / (totalReadMs / 1000), 'f', 1)
        << " MB/s in all\n";
    report("read", reads);
    report("open in the viewer (read, lay out, paint)", opens);
    return true;
}
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir temp;
    QString folder = benchDisc(argc, argv, temp, out);
    if (folder.isEmpty())
        return 1;
    const QDir disc(folder);
    const QStringList richtext = disc.entryList({ QStringLiteral("richtext") }, QDir::Dirs);
    if (!richtext.isEmpty())
        folder = disc.filePath(richtext.constFirst());
    if (!measureFolder(folder))
        return 1;

    QDir().mkpath(temp.filePath(QStringLiteral("large")));
    const MediaFs tempFs(DriveMap({ { u'F', temp.filePath(QStringLiteral("large")) } }));
    for (const int size : { 270 * 1024, 1024 * 1024 }) {
        const QByteArray rtf = largeDocument(size);
        const QString name = QStringLiteral("large%1.rtf").arg(size / 1024);
        QFile file(temp.filePath(QStringLiteral("large/") + name));
        file.open(QIODevice::WriteOnly);
        file.write(rtf);
        file.close();
        const Opened opened = measure(rtf, tempFs, QStringLiteral("F:\\") + name);
        out << "Generated document of " << rtf.size() / 1024 << " KB: read "
            << QString::number(opened.readMs, 'f', 1) << " ms ("
            << QString::number(rtf.size() / (1024.0 * 1024) / (opened.readMs / 1000), 'f', 1) << " MB/s), open "
            << QString::number(opened.openMs, 'f', 1) << " ms\n";
        if (size < 1024 * 1024)
            continue;

        QTextDocument document;
        readRtf(rtf, document);
        QtPrinter printer(QtPrinter::Target::PdfOnly, temp.filePath(QStringLiteral("printed")));
        QElapsedTimer timer;
        timer.start();
        const PrintOutcome outcome = PrintRichText(
            printer, document, PageMargins { 1440, 1440, 1440, 1440 }, QStringLiteral("Large document"));
        const double printMs = timer.nsecsElapsed() / 1e6;
        out << "  printed to PDF in " << QString::number(printMs, 'f', 0) << " ms, "
            << mb(QFileInfo(outcome.pdfFile).size()) << " MB" << (outcome.printed ? "" : " (failed: ")
            << (outcome.printed ? QString() : outcome.failure + u')') << "\n";
    }
    out.flush();
    return 0;
}
