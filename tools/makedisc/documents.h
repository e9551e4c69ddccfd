#pragma once

#include "output.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The rich-text documents of the disc's richtext folder and the help file of
// the program folder.
struct Document
{
    QString fileName;
    QByteArray rtf;
};

QList<Document> yearDocuments();     // description, options, colours, statistics, nostalgia
QList<Document> photoDocuments();    // per-photograph details and the categories' statistics
QList<Document> categoryDocuments(); // category descriptions, the Strallen's options and colours
QList<Document> menuDocuments();     // introduction, notice, credits, checklist, ...
QByteArray helpFile();               // program/Vireon.HLP, the help manual (helpmanual.cpp)

// Writes every document; fails when two names differ only in letter case,
// since the program would not tell them apart.
void addDocumentJobs(Jobs &jobs, Output &output);
