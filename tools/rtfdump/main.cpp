// rtfdump FILE [--html]: prints what the RTF reader makes of a document, as
// plain text (one line per paragraph, one per table row with its cells
// separated by tabs) or as HTML, in UTF-8.

#include <cstdio>
#include <cstring>
#include <optional>

#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

#include "platform/richtext/rtfplaintext.h"
#include "platform/richtext/rtfreader.h"

int main(int argc, char *argv[])
{
    const bool html = argc == 3 && std::strcmp(argv[2], "--html") == 0;
    if (argc < 2 || argc > 3 || (argc == 3 && !html)) {
        std::fputs("usage: rtfdump FILE [--html]\n", stderr);
        return 2;
    }
    // HTML names the default font, which needs a GUI application (never shown).
    std::optional<QGuiApplication> app;
    if (html) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app.emplace(argc, argv);
    }

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "rtfdump: %s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    QTextDocument doc;
    const RtfReadResult result = readRtf(file.read(RtfSizeLimit + 1), doc);
    if (!result.ok) {
        std::fprintf(stderr, "rtfdump: %s: %s\n", argv[1], qPrintable(result.error));
        return 1;
    }
    const QByteArray out = (html ? doc.toHtml() : plainTextOf(doc)).toUtf8();
    std::fwrite(out.constData(), 1, out.size(), stdout);
    return 0;
}
