#include "bookletprint.h"

#include "platform/base/mediafs.h"
#include "platform/base/pictureloader.h"
#include "platform/base/twips.h"
#include "platform/richtext/rtfreader.h"

#include <QImage>
#include <QTextDocument>

namespace {
constexpr int OneInch = 1440;
const QString LoadFailed = QStringLiteral("ER040");

using BookletRules::Item;

// Lays the items onto one print job, started when the first of them has
// been loaded: a booklet whose first file is missing prints nothing at all.
class BookletJob
{
public:
    BookletJob(const MediaFs &fs, Printer &printer, const QString &mediaRoot)
        : m_fs(fs)
        , m_printer(printer)
        , m_mediaRoot(mediaRoot)
    {
    }

    // False when the item's file cannot be loaded or the job cannot start.
    bool print(const Item &item)
    {
        return item.kind == Item::Kind::Picture ? printPicture(item) : printDocument(item);
    }
    // A job was started (or tried): it must be ended.
    bool started() const { return m_started; }

private:
    bool start()
    {
        if (!m_started) {
            m_started = true;
            m_running = m_printer.startJob(BookletJobName);
        }
        return m_running;
    }

    // Pictures share the cover page; a picture after a document starts a new one.
    bool printPicture(const Item &item)
    {
        const QImage picture = loadPicture(m_fs, m_mediaRoot + item.path);
        if (picture.isNull() || !start())
            return false;
        if (m_last == Last::Document)
            m_printer.newPage();
        // A picture's natural size is its size on the design screen, 15 twips to the pixel.
        const QSize size(pixelsToTwips(picture.width()), pixelsToTwips(picture.height()));
        m_printer.drawPicture(QRect(item.place, size), picture);
        m_last = Last::Picture;
        return true;
    }

    bool printDocument(const Item &item)
    {
        const auto bytes = m_fs.readAll(m_mediaRoot + item.path);
        QTextDocument document;
        if (!bytes || !readRtf(*bytes, document).ok || !start())
            return false;
        if (m_last != Last::Nothing)
            m_printer.newPage();
        printRichTextPages(m_printer, document, PageMargins { OneInch, OneInch, OneInch, OneInch });
        // The layout cache holds this document only: let it go with it.
        m_printer.releaseRichText();
        m_last = Last::Document;
        return true;
    }

    const MediaFs &m_fs;
    Printer &m_printer;
    const QString &m_mediaRoot;
    bool m_started = false;
    bool m_running = false;
    // What the current page holds last.
    enum class Last { Nothing, Picture, Document };
    Last m_last = Last::Nothing;
};
}

BookletResult printBooklet(
    const MediaFs &fs, Printer &printer, const QString &mediaRoot, const BookletRules::Plan &plan)
{
    BookletResult result { plan.rangeError, {} };
    BookletJob job(fs, printer, mediaRoot);
    for (const Item &item : plan.items) {
        if (!job.print(item)) {
            result.errorCode = LoadFailed;
            break;
        }
    }
    if (job.started()) {
        result.outcome = printer.endJob();
        if (!result.outcome.printed)
            result.errorCode = LoadFailed;
    }
    return result;
}
