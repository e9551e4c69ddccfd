#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Larger documents are refused rather than read: what the reader takes in is
// bounded by what Qt can lay out and show in a couple of seconds, which no
// document of more bytes than this could stay within. A caller that reads a
// file needs no more than this (and one byte more, to know it is too large).
inline constexpr qsizetype MaxRtfBytes = 16 * 1024 * 1024;

struct RtfReadResult
{
    bool ok = false;
    QString error; // why the bytes are not a document we read; empty when ok
};

// Reads an RTF document into doc, which is cleared first. Pictures become
// resources of doc; nothing is ever loaded from outside the bytes given. A
// truncated or damaged document gives what could be read and ok; bytes that
// are not RTF at all, too many of them, or a document with more text,
// paragraphs or formatting than can be shown fail, and leave doc empty.
//
// The document follows the width it is laid out at: right tab stops beyond
// the text's right edge move to it, and tables wider than the text shrink to
// it with their columns in proportion (see rtflayoutfit.h for printing).
RtfReadResult readRtf(const QByteArray &rtf, QTextDocument &doc);
