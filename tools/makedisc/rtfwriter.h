#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Writes an RTF document the way a word processor saves one: code page 1252,
// a font table (serif body, sans-serif headings, Symbol for bullets), a
// colour table, centred bold titles, body paragraphs, bulleted lists, tab
// stops and tables. Text outside ASCII goes out as \'hh or \uN?.
class RtfWriter
{
public:
    RtfWriter();

    void title(const QString &text);
    void subtitle(const QString &text);
    void heading(const QString &text);
    void paragraph(const QString &text);
    void note(const QString &text); // small italic grey paragraph
    void bullets(const QStringList &items);
    // Rows of three columns: left text, a code at a tab stop and a
    // right-aligned amount at a tab stop with a dotted leader.
    void tabbed(const QList<QStringList> &rows);
    // A bordered table; the first row is the bold header. Widths in twips.
    void table(const QList<QStringList> &rows, const QList<int> &widths);

    QByteArray finish();

    static QByteArray escape(const QString &text);

private:
    QByteArray m_rtf;
};
