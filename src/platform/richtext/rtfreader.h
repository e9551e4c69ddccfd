#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Larger documents are refused rather than read.
inline constexpr qsizetype RtfSizeLimit = 64 * 1024 * 1024;

struct RtfReadResult
{
    bool ok = false;
    QString error; // why the bytes are not a document we read; empty when ok
};

// Reads an RTF document into doc, which is cleared first. Pictures become
// resources of doc; nothing is ever loaded from outside the bytes given. A
// truncated or damaged document gives what could be read and ok; only bytes
// that are not RTF at all, or too many of them, fail.
RtfReadResult readRtf(const QByteArray &rtf, QTextDocument &doc);
