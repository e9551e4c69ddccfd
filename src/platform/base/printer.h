#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QFont;
class QImage;
class QTextDocument;

// The printer the program prints to and its paper, as Print Setup leaves
// them. An empty name stands for the system's default printer (or a PDF
// file where there is none).
struct PrinterChoice
{
    QString printerName;
    QPageSize pageSize = QPageSize(QPageSize::A4);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;

    bool operator==(const PrinterChoice &) const = default;
};

// How a print job went.
struct PrintOutcome
{
    // The pages were handed to the printer or written to the PDF file.
    bool printed = false;
    // The native path of the PDF file written because no printer is set up;
    // empty when the pages went to a printer.
    QString pdfFile;
    // Why nothing (or not everything) was printed, in words for the user.
    QString failure;
};

// The printer: one job at a time, pages in order, positions and sizes in
// twips. Positions are measured from the top left corner of the printable
// area, which lies physicalOffset() in from the paper's edge.
class Printer
{
public:
    virtual ~Printer();

    // The printer and paper every later job of the run uses.
    virtual PrinterChoice choice() const = 0;
    virtual void setChoice(const PrinterChoice &choice) = 0;

    // Starts a job; the sizes and offsets below are known from then on. The
    // name is shown in the printer's queue (and names the PDF file where there
    // is no printer). False when no job could be started: endJob() tells why.
    virtual bool startJob(const QString &jobName) = 0;
    virtual QSize paperSize() const = 0;
    virtual QPoint physicalOffset() const = 0;
    virtual QSize printableSize() const = 0;
    virtual void newPage() = 0;
    // Stretches the picture into the rectangle.
    virtual void drawPicture(const QRect &place, const QImage &picture) = 0;
    // One line of text whose top left corner is at the position.
    virtual void drawText(const QPoint &place, const QString &line, const QFont &font) = 0;
    // Lays the document out at the rectangle's width (kept in a cache until
    // releaseRichText()), renders as many whole lines from character first
    // on as fit into the rectangle and returns the first character not
    // rendered; at the end of the document, its text length.
    virtual int renderRichText(const QTextDocument &document, int first, const QRect &place) = 0;
    virtual void releaseRichText() = 0;
    // Ends the job (after a failed startJob() too) and says how it went.
    virtual PrintOutcome endJob() = 0;
};

// Margins from the paper's edges, in twips.
struct PageMargins
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Prints the whole document into the job already started, from the current
// page on, each page continuing at the first character the one before did not
// print; the last page used stays current. Documents and pictures can follow
// in the same job.
void printRichTextPages(Printer &printer, const QTextDocument &document, const PageMargins &margins);

// One job holding the whole document: started, printed, ended, and the
// layout cache released.
PrintOutcome PrintRichText(Printer &printer, const QTextDocument &document, const PageMargins &margins,
                           const QString &jobName);
