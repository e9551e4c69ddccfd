// Feeds arbitrary bytes to the RTF reader. Inputs get the RTF signature in
// front when they lack it, so that every one reaches the parser; what was
// read is then fitted to a narrow width and written out as plain text.

#include <cstddef>
#include <cstdint>

#include <QTextDocument>

#include "platform/richtext/rtflayoutfit.h"
#include "platform/richtext/rtfplaintext.h"
#include "platform/richtext/rtfreader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray rtf(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!rtf.startsWith("{\\rtf"))
        rtf.prepend("{\\rtf1 ");
    QTextDocument doc;
    if (readRtf(rtf, doc).ok) {
        Rtf::fitToWidth(doc, 200);
        plainTextOf(doc);
    }
    return 0;
}
