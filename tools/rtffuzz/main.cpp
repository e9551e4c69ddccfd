// Feeds arbitrary bytes to the RTF reader. Inputs get the RTF signature in
// front when they lack it, so that every one reaches the parser.

#include <cstddef>
#include <cstdint>

#include <QTextDocument>

#include "platform/richtext/rtfreader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray rtf(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!rtf.startsWith("{\\rtf"))
        rtf.prepend("{\\rtf1 ");
    QTextDocument doc;
    readRtf(rtf, doc);
    doc.toPlainText();
    return 0;
}
