#include "print/bookletprint.h"
#include "support/harness.h"
#include "support/pdftext.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {
// Each document of the booklet says its own name, so its pages can be told apart.
void writeDocument(const QString &file, const QString &name)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write("{\\rtf1\\ansi Document " + name.toLatin1() + "\\par}");
}

void writePicture(const QString &file, QSize size, QColor colour)
{
    QDir().mkpath(QFileInfo(file).path());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.save(file, "JPG", 95);
}

// The smallest rectangle holding the pixels of about that colour.
QRect placeOf(const QImage &page, QColor colour)
{
    QRect found;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor pixel = page.pixelColor(x, y);
            if (qAbs(pixel.red() - colour.red()) < 24 && qAbs(pixel.green() - colour.green()) < 24
                && qAbs(pixel.blue() - colour.blue()) < 24)
                found |= QRect(x, y, 1, 1);
        }
    }
    return found;
}

BookletRules::Choice choice(
    bool cover, bool introduction, bool description, bool details, const QString &from, const QString &to)
{
    return { cover, introduction, description, details, from, to };
}

const QStringList Kinds { "desc", "opts", "stats", "colors" };

struct Disc
{
    Disc()
    {
        writePicture(disc("graphics/logoBW.jpg"), QSize(120, 60), QColor(220, 30, 30));
        writePicture(disc("clipart/55clip.jpg"), QSize(200, 80), QColor(30, 180, 40));
        writePicture(disc("graphics/bklettxt.jpg"), QSize(300, 40), QColor(30, 40, 210));
        writePicture(disc("graphics/quillon3.jpg"), QSize(90, 90), QColor(230, 200, 20));
        writeDocument(disc("richtext/introduction.rtf"), "introduction");
        for (const QString year : { "55", "56", "57" })
            for (const QString &kind : Kinds)
                writeDocument(disc("richtext/" + year + kind + ".rtf"), year + kind);
    }
    QString disc(const QString &relative) const { return dir.filePath("disc/" + relative); }
    BookletResult print(const BookletRules::Choice &choice)
    {
        return printBooklet(run.fs, run.printer, run.session.roots.MediaRoot, BookletRules::plan(choice));
    }

    QTemporaryDir dir;
    TestServices run { dir.filePath("disc"), dir.filePath("printed") };
};
}

class TestBookletPrint : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        if (!pdfToolsAvailable())
            QSKIP("poppler's pdfinfo and pdftotext are not installed");
    }

    void coverPicturesAtTheirPlacesOnOnePage()
    {
        Disc d;
        const BookletResult result = d.print(choice(true, false, false, false, {}, {}));
        QCOMPARE(result.errorCode, QString());
        QVERIFY(result.outcome.printed);
        QCOMPARE(d.run.printer.printed.size(), 1);
        const QString pdf = d.run.printer.printed.constFirst();
        QCOMPARE(pdfPageCount(pdf), 1);

        // At 144 dots to the inch a dot is 10 twips; places count from the printable area.
        const QImage page = pdfPageImage(pdf, 1, 144);
        QVERIFY(!page.isNull());
        const QPoint origin = d.run.printer.physicalOffset() / 10;
        const struct
        {
            QColor colour;
            QRect twips;
        } pictures[] = {
            { QColor(220, 30, 30), QRect(1600, 1600, 120 * 15, 60 * 15) },
            { QColor(30, 180, 40), QRect(2200, 4300, 200 * 15, 80 * 15) },
            { QColor(30, 40, 210), QRect(500, 8800, 300 * 15, 40 * 15) },
            { QColor(230, 200, 20), QRect(2800, 12000, 90 * 15, 90 * 15) },
        };
        for (const auto &picture : pictures) {
            const QRect found = placeOf(page, picture.colour);
            const QRect expected(origin + picture.twips.topLeft() / 10, picture.twips.size() / 10);
            QVERIFY2(qAbs(found.left() - expected.left()) <= 2 && qAbs(found.top() - expected.top()) <= 2
                    && qAbs(found.width() - expected.width()) <= 2
                    && qAbs(found.height() - expected.height()) <= 2,
                qPrintable(QStringLiteral("%1,%2 %3x%4")
                               .arg(found.left())
                               .arg(found.top())
                               .arg(found.width())
                               .arg(found.height())));
        }
    }

    void theWholeBookletIsOneJobInOrder()
    {
        Disc d;
        const BookletResult result = d.print(choice(true, true, true, true, "1955", "1957"));
        QCOMPARE(result.errorCode, QString());
        QCOMPARE(d.run.printer.jobs, QStringList { BookletJobName });
        QCOMPARE(d.run.printer.printed.size(), 1);
        const QString pdf = d.run.printer.printed.constFirst();
        QStringList expected { "introduction" };
        for (const QString year : { "55", "56", "57" })
            for (const QString &kind : Kinds)
                expected << year + kind;
        // The cover page, then every document on a page of its own.
        QCOMPARE(pdfPageCount(pdf), 1 + expected.size());
        QVERIFY(pdfWords(pdf, 1).isEmpty());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(pdfWords(pdf, i + 2), QStringList({ "Document", expected.at(i) }));
    }

    void aMissingDocumentStopsTheBookletThere()
    {
        Disc d;
        QFile::remove(d.disc("richtext/56opts.rtf"));
        const BookletResult result = d.print(choice(false, false, true, true, "1955", "1957"));
        QCOMPARE(result.errorCode, QStringLiteral("ER040"));
        QCOMPARE(d.run.printer.printed.size(), 1);
        const QStringList words = pdfWords(d.run.printer.printed.constFirst());
        QCOMPARE(words.filter("Document").size(), 5); // 55desc .. 55colors, 56desc
        QVERIFY(words.contains("56desc") && !words.contains("56stats") && !words.contains("57desc"));
    }

    void aMissingCoverPicturePrintsNothing()
    {
        Disc d;
        QFile::remove(d.disc("graphics/logoBW.jpg"));
        QCOMPARE(d.print(choice(true, true, false, false, {}, {})).errorCode, QStringLiteral("ER040"));
        QVERIFY(d.run.printer.jobs.isEmpty());

        QFile damaged(d.disc("graphics/logoBW.jpg"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("\xff\xd8\xff not a picture");
        damaged.close();
        QCOMPARE(d.print(choice(true, true, false, false, {}, {})).errorCode, QStringLiteral("ER040"));
        QVERIFY(d.run.printer.printed.isEmpty());
    }

    void aPrinterThatRefusesIsReported()
    {
        Disc d;
        // The folder the pages would be saved in is a file: the job cannot start.
        const QString blocked = d.dir.filePath("blocked");
        QFile(blocked).open(QIODevice::WriteOnly);
        TestPrinter refusing(blocked);
        const BookletResult result = printBooklet(d.run.fs, refusing, d.run.session.roots.MediaRoot,
            BookletRules::plan(choice(true, false, false, false, {}, {})));
        QCOMPARE(result.errorCode, QStringLiteral("ER040"));
        QVERIFY(!result.outcome.printed);
        QVERIFY(refusing.printed.isEmpty());
    }
};

QTEST_MAIN(TestBookletPrint)
#include "tst_bookletprint.moc"
