#pragma once

#include "platform/base/printer.h"

#include <QPainter>
#include <memory>

class QPrinter;
class RichTextPages;

// The printer over QPrinter. A job goes to the system's default printer; where
// none is set up (or with PdfOnly) it is saved as a new PDF file in the folder
// given, named after the job and never replacing a file already there.
class QtPrinter : public Printer
{
public:
    enum class Target { DefaultPrinter, PdfOnly };

    QtPrinter(Target target, const QString &pdfFolder);
    ~QtPrinter() override;

    // Where the user finds the documents saved as PDF: the documents folder.
    static QString documentsFolder();

    PrinterChoice choice() const override { return m_choice; }
    void setChoice(const PrinterChoice &choice) override { m_choice = choice; }
    bool startJob(const QString &jobName) override;
    QSize paperSize() const override;
    QPoint physicalOffset() const override;
    QSize printableSize() const override;
    void newPage() override;
    void drawPicture(const QRect &place, const QImage &picture) override;
    void drawText(const QPoint &place, const QString &line, const QFont &font) override;
    int renderRichText(const QTextDocument &document, int first, const QRect &place) override;
    void releaseRichText() override;
    PrintOutcome endJob() override;

private:
    // Claims a new file in the PDF folder; empty when none can be made there.
    QString claimPdfFile(const QString &jobName) const;
    QRectF toDevice(const QRect &twips) const;
    int toTwips(qreal devicePixels) const;

    Target m_target;
    PrinterChoice m_choice;
    QString m_pdfFolder;
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QString m_pdfFile;
    QString m_failure;
    std::unique_ptr<RichTextPages> m_pages;
};
