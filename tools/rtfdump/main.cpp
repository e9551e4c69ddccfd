// rtfdump [--html] [--names] FILE...: prints what the RTF reader makes of
// each document, as plain text (one line per paragraph, one per table row with
// its cells separated by tabs) or as HTML, in UTF-8. Every dump ends with a
// line end; with --names each is preceded by a line with the file's name, so
// that a whole set of documents is read in one process. The exit status is 1
// when any file could not be read as a document, 2 for a wrong command line.

#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

#include "platform/richtext/rtfplaintext.h"
#include "platform/richtext/rtfreader.h"

namespace {

void write(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

// False, after saying why on the error output, when the file is no document.
bool dump(const char *name, bool html)
{
    QFile file(QString::fromLocal8Bit(name));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "rtfdump: %s: %s\n", name, qPrintable(file.errorString()));
        return false;
    }
    QTextDocument doc;
    const RtfReadResult result = readRtf(file.read(MaxRtfBytes + 1), doc);
    if (!result.ok) {
        std::fprintf(stderr, "rtfdump: %s: %s\n", name, qPrintable(result.error));
        return false;
    }
    QByteArray out = (html ? doc.toHtml() : plainTextOf(doc)).toUtf8();
    if (!out.endsWith('\n'))
        out += '\n';
    write(out);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    bool html = false;
    bool names = false;
    bool unknown = false;
    std::vector<const char *> files;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--html") == 0)
            html = true;
        else if (std::strcmp(argv[i], "--names") == 0)
            names = true;
        else if (std::strncmp(argv[i], "--", 2) == 0)
            unknown = true;
        else
            files.push_back(argv[i]);
    }
    if (files.empty() || unknown) {
        std::fputs("usage: rtfdump [--html] [--names] FILE...\n", stderr);
        return 2;
    }
    // HTML names the default font, which needs a GUI application (never shown).
    std::optional<QGuiApplication> app;
    if (html) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app.emplace(argc, argv);
    }

    int status = 0;
    for (const char *name : files) {
        if (names)
            write(QByteArray(name) + '\n');
        std::fflush(stdout); // a failure's message comes after the name
        if (!dump(name, html))
            status = 1;
    }
    return status;
}
