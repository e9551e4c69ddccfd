#include "pdftext.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QStandardPaths>

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
