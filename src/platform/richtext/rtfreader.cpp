#include "rtfreader.h"

#include "rtfparser.h"

#include <QTextDocument>

namespace {

constexpr qsizetype MaxDocumentSize = 64 * 1024 * 1024;

} // namespace

RtfReadResult readRtf(const QByteArray &rtf, QTextDocument &doc)
{
    doc.clear();
    if (!rtf.startsWith("{\\rtf"))
        return { false, QStringLiteral("not an RTF document") };
    if (rtf.size() > MaxDocumentSize)
        return { false, QStringLiteral("RTF document larger than 64 MB") };

    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    {
        Rtf::Parser parser(rtf, doc);
        parser.run();
    }
    doc.setUndoRedoEnabled(undo);
    return { true, {} };
}
