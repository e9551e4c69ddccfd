#pragma once

#include "platform/ui/printerqt.h"

#include <QStringList>

// A printer for tests that behaves like one set up on the system: its jobs
// report "printed" with no PDF file to speak of, while each job's pages land
// in a new PDF file in the folder given, listed in printed.
class TestPrinter : public Printer
{
public:
    explicit TestPrinter(const QString &folder);

    PrinterChoice choice() const override { return m_pdf.choice(); }
    void setChoice(const PrinterChoice &choice) override { m_pdf.setChoice(choice); }
    bool startJob(const QString &jobName) override;
    QSize paperSize() const override { return m_pdf.paperSize(); }
    QPoint physicalOffset() const override { return m_pdf.physicalOffset(); }
    QSize printableSize() const override { return m_pdf.printableSize(); }
    void newPage() override;
    void drawPicture(const QRect &place, const QImage &picture) override { m_pdf.drawPicture(place, picture); }
    void drawText(const QPoint &place, const QString &line, const QFont &font) override
    {
        m_pdf.drawText(place, line, font);
    }
    int renderRichText(const QTextDocument &document, int first, const QRect &place) override;
    void releaseRichText() override;
    PrintOutcome endJob() override;

    // The PDF file of every job, in order; job names, page counts and the
    // renders and releases of rich text, for the steps a job took.
    QStringList printed;
    QStringList jobs;
    int pages = 0;
    int renders = 0;
    int releases = 0;

private:
    QtPrinter m_pdf;
};
