#include "printerqt.h"

#include "printerpages.h"
#include "platform/base/printerrules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextDocument>

#include <utility>

namespace {
constexpr qreal TwipsPerInch = 1440;
}

QtPrinter::QtPrinter(Target target, const QString &pdfFolder)
    : m_target(target)
    , m_pdfFolder(pdfFolder)
{
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    m_choice.pageSize = QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

QtPrinter::~QtPrinter()
{
    if (m_painter.isActive())
        endJob();
}

QString QtPrinter::documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

bool QtPrinter::startJob(const QString &jobName)
{
    if (m_painter.isActive())
        endJob();
    // The cached layout belongs to the paint device of the job before.
    m_pages.reset();
    m_pdfFile.clear();
    m_failure.clear();
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setDocName(jobName);

    // Without a choice in Print Setup the default printer is asked for at
    // every job: one may have been set up meanwhile.
    QString printerName;
    if (m_target == Target::DefaultPrinter)
        printerName = m_choice.printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : m_choice.printerName;
    if (!printerName.isEmpty()) {
        m_printer->setPrinterName(printerName);
        if (!m_choice.printerName.isEmpty()) {
            m_printer->setPageSize(m_choice.pageSize);
            m_printer->setPageOrientation(m_choice.orientation);
        }
    } else {
        m_pdfFile = claimPdfFile(jobName);
        if (m_pdfFile.isEmpty()) {
            m_failure = QStringLiteral("No printer is set up, and no PDF file could be saved in the folder ")
                + QDir::toNativeSeparators(m_pdfFolder) + u'.';
            return false;
        }
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_pdfFile);
        m_printer->setPageSize(m_choice.pageSize);
        m_printer->setPageOrientation(m_choice.orientation);
    }
    if (!m_painter.begin(m_printer.get())) {
        m_failure = printerName.isEmpty()
            ? QStringLiteral("The PDF file ") + QDir::toNativeSeparators(m_pdfFile) + QStringLiteral(" could not be written.")
            : QStringLiteral("The printer \"") + printerName + QStringLiteral("\" could not start printing.");
        if (!m_pdfFile.isEmpty())
            QFile::remove(m_pdfFile);
        m_pdfFile.clear();
        return false;
    }
    return true;
}

QString QtPrinter::claimPdfFile(const QString &jobName) const
{
    if (m_pdfFolder.isEmpty() || !QDir().mkpath(m_pdfFolder))
        return {};
    const QDir folder(m_pdfFolder);
    for (int attempt = 1; attempt <= 999; ++attempt) {
        QFile file(folder.filePath(pdfFileName(jobName, attempt)));
        // Opening as a new file claims the name: nothing already there is ever replaced.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return QFileInfo(file).absoluteFilePath();
        if (!file.exists())
            return {}; // not a name taken, the folder refuses files
    }
    return {};
}

QSize QtPrinter::paperSize() const
{
    if (!m_printer)
        return {};
    const QRect paper = m_printer->paperRect(QPrinter::DevicePixel).toRect();
    return QSize(toTwips(paper.width()), toTwips(paper.height()));
}

QPoint QtPrinter::physicalOffset() const
{
    if (!m_printer)
        return {};
    const QRectF page = m_printer->pageRect(QPrinter::DevicePixel);
    const QRectF paper = m_printer->paperRect(QPrinter::DevicePixel);
    return QPoint(toTwips(page.left() - paper.left()), toTwips(page.top() - paper.top()));
}

QSize QtPrinter::printableSize() const
{
    if (!m_printer)
        return {};
    const QRectF page = m_printer->pageRect(QPrinter::DevicePixel);
    return QSize(toTwips(page.width()), toTwips(page.height()));
}

void QtPrinter::newPage()
{
    if (m_painter.isActive())
        m_printer->newPage();
}

void QtPrinter::drawPicture(const QRect &place, const QImage &picture)
{
    if (m_painter.isActive())
        m_painter.drawImage(toDevice(place), picture);
}

void QtPrinter::drawText(const QPoint &place, const QString &line, const QFont &font)
{
    if (!m_painter.isActive())
        return;
    m_painter.setFont(font);
    const QPointF topLeft = toDevice(QRect(place, QSize(1, 1))).topLeft();
    m_painter.drawText(topLeft + QPointF(0, m_painter.fontMetrics().ascent()), line);
}

int QtPrinter::renderRichText(const QTextDocument &document, int first, const QRect &place)
{
    if (!m_painter.isActive())
        return document.characterCount() - 1;
    const QRectF area = toDevice(place);
    if (!m_pages || !m_pages->isFor(document, area.width()))
        m_pages = std::make_unique<RichTextPages>(document, m_printer.get(), area.width());
    const PageSlice slice = m_pages->slice(first, area.height());
    m_pages->draw(m_painter, slice, area.topLeft());
    return slice.next;
}

void QtPrinter::releaseRichText()
{
    m_pages.reset();
}

PrintOutcome QtPrinter::endJob()
{
    if (!m_failure.isEmpty())
        return PrintOutcome{ false, {}, std::exchange(m_failure, QString()) };
    if (!m_painter.isActive())
        return PrintOutcome{ false, {}, QStringLiteral("No print job was started.") };
    const bool finished = m_painter.end() && m_printer->printerState() != QPrinter::Error;
    const QString pdfFile = std::exchange(m_pdfFile, QString());
    if (pdfFile.isEmpty()) {
        if (finished)
            return PrintOutcome{ true, {}, {} };
        return PrintOutcome{ false, {}, QStringLiteral("The printer \"") + m_printer->printerName()
                                            + QStringLiteral("\" stopped before the document was printed.") };
    }
    if (finished && QFileInfo(pdfFile).size() > 0)
        return PrintOutcome{ true, QDir::toNativeSeparators(pdfFile), {} };
    QFile::remove(pdfFile);
    return PrintOutcome{ false, {}, QStringLiteral("The PDF file ") + QDir::toNativeSeparators(pdfFile)
                                        + QStringLiteral(" could not be written.") };
}

QRectF QtPrinter::toDevice(const QRect &twips) const
{
    const qreal x = m_printer->resolution() / TwipsPerInch;
    return QRectF(twips.left() * x, twips.top() * x, twips.width() * x, twips.height() * x);
}

int QtPrinter::toTwips(qreal devicePixels) const
{
    return qRound(devicePixels * TwipsPerInch / m_printer->resolution());
}
