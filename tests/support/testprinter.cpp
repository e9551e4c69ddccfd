#include "testprinter.h"

TestPrinter::TestPrinter(const QString &folder)
    : m_pdf(QtPrinter::Target::PdfOnly, folder)
{
}

bool TestPrinter::startJob(const QString &jobName)
{
    jobs << jobName;
    pages = 1;
    return m_pdf.startJob(jobName);
}

void TestPrinter::newPage()
{
    ++pages;
    m_pdf.newPage();
}

int TestPrinter::renderRichText(const QTextDocument &document, int first, const QRect &place)
{
    ++renders;
    return m_pdf.renderRichText(document, first, place);
}

void TestPrinter::releaseRichText()
{
    ++releases;
    m_pdf.releaseRichText();
}

PrintOutcome TestPrinter::endJob()
{
    PrintOutcome outcome = m_pdf.endJob();
    if (!outcome.pdfFile.isEmpty())
        printed << outcome.pdfFile;
    outcome.pdfFile.clear();
    return outcome;
}
