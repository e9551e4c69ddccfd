#include "printer.h"

#include "printerrules.h"

#include <QTextDocument>

Printer::~Printer() = default;

void printRichTextPages(Printer &printer, const QTextDocument &document, const PageMargins &margins)
{
    const QRect place = drawingRectangle(margins, printer.paperSize(), printer.physicalOffset());
    const int length = document.characterCount() - 1;
    int first = 0;
    for (;;) {
        const int next = printer.renderRichText(document, first, place);
        // A render that makes no progress would print the same page for ever.
        if (next >= length || next <= first)
            return;
        printer.newPage();
        first = next;
    }
}

PrintOutcome PrintRichText(Printer &printer, const QTextDocument &document, const PageMargins &margins,
                           const QString &jobName)
{
    if (printer.startJob(jobName))
        printRichTextPages(printer, document, margins);
    const PrintOutcome outcome = printer.endJob();
    printer.releaseRichText();
    return outcome;
}
