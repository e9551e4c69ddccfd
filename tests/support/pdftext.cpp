#include "pdftext.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {
QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}
}

bool pdfToolsAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

int pdfPageCount(const QString &file)
{
    const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    return pages.match(run(QStringLiteral("pdfinfo"), { file })).captured(1).toInt();
}

QStringList pdfWords(const QString &file, int page)
{
    QStringList arguments;
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    arguments << file << QStringLiteral("-");
    return run(QStringLiteral("pdftotext"), arguments).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

QList<PdfWord> pdfWordBoxes(const QString &file, int page)
{
    const QString html = run(QStringLiteral("pdftotext"),
        { QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
            QString::number(page), file, QStringLiteral("-") });
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.append({ m.captured(5),
            QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())) });
    }
    return words;
}

QImage pdfPageImage(const QString &file, int page, int dotsPerInch)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    const QString number = QString::number(page);
    run(QStringLiteral("pdftoppm"), { QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
                                      QString::number(dotsPerInch), QStringLiteral("-f"), number, QStringLiteral("-l"),
                                      number, file, prefix });
    return QImage(prefix + QStringLiteral(".png"));
}
