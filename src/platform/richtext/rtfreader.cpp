#include "rtfreader.h"

#include <QTextDocument>

#include "rtfparser.h"

RtfReadResult readRtf(const QByteArray &rtf, QTextDocument &doc)
{
    doc.clear();
    if (!rtf.startsWith("{\\rtf"))
        return { false, QStringLiteral("not an RTF document") };
    if (rtf.size() > RtfSizeLimit)
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
