#include "rtfreader.h"

#include <QTextDocument>

#include "rtflayoutfit.h"
#include "rtfparser.h"

RtfReadResult readRtf(const QByteArray &rtf, QTextDocument &doc)
{
    doc.clear();
    if (!rtf.startsWith("{\\rtf"))
        return { false, QStringLiteral("not an RTF document") };
    if (rtf.size() > MaxRtfBytes)
        return { false, QStringLiteral("RTF document larger than %1 MB").arg(MaxRtfBytes / (1024 * 1024)) };

    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    bool shown;
    {
        Rtf::Parser parser(rtf, doc);
        shown = parser.run();
    }
    if (!shown)
        doc.clear();
    doc.setUndoRedoEnabled(undo);
    if (!shown)
        return { false, QStringLiteral("RTF document with more text and formatting than can be shown") };
    Rtf::keepFittedToWidth(doc);
    return { true, {} };
}
