#include "rtfwriter.h"

RtfWriter::RtfWriter()
{
    m_rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033"
            "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}"
            "{\\f1\\fswiss\\fprq2\\fcharset0 Arial;}"
            "{\\f2\\fnil\\fcharset2 Symbol;}}\r\n"
            "{\\colortbl ;\\red0\\green0\\blue128;\\red128\\green0\\blue0;\\red96\\green96\\blue96;}\r\n"
            "{\\*\\generator Quillon Writer 2.1;}\\viewkind4\\uc1\r\n";
}

void RtfWriter::title(const QString &text)
{
    m_rtf += "\\pard\\qc\\sa120\\cf1\\b\\f1\\fs36 " + escape(text) + "\\cf0\\b0\\f0\\fs22\\par\r\n";
}

void RtfWriter::subtitle(const QString &text)
{
    m_rtf += "\\pard\\qc\\sa240\\i\\f1\\fs24 " + escape(text) + "\\i0\\f0\\fs22\\par\r\n";
}

void RtfWriter::heading(const QString &text)
{
    m_rtf += "\\pard\\sb240\\sa60\\keepn\\cf2\\b\\f1\\fs26 " + escape(text) + "\\cf0\\b0\\f0\\fs22\\par\r\n";
}

void RtfWriter::paragraph(const QString &text)
{
    m_rtf += "\\pard\\qj\\sa120\\f0\\fs22 " + escape(text) + "\\par\r\n";
}

void RtfWriter::note(const QString &text)
{
    m_rtf += "\\pard\\sa120\\cf3\\i\\fs18 " + escape(text) + "\\cf0\\i0\\fs22\\par\r\n";
}

void RtfWriter::bullets(const QStringList &items)
{
    for (const QString &item : items)
        m_rtf += "{\\pntext\\f2\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf2\\pnindent360{\\pntxtb\\'b7}}"
                 "\\pard\\fi-360\\li720\\sa60\\f0\\fs22 " + escape(item) + "\\par\r\n";
    m_rtf += "\\pard\\sa120\\par\r\n";
}

void RtfWriter::tabbed(const QList<QStringList> &rows)
{
    for (const QStringList &row : rows) {
        m_rtf += "\\pard\\tx4320\\tqr\\tldot\\tx8280\\sa40\\f0\\fs22 ";
        for (int i = 0; i < row.size(); ++i)
            m_rtf += (i ? "\\tab " : "") + escape(row.at(i));
        m_rtf += "\\par\r\n";
    }
    m_rtf += "\\pard\\sa120\\par\r\n";
}

void RtfWriter::table(const QList<QStringList> &rows, const QList<int> &widths)
{
    for (int r = 0; r < rows.size(); ++r) {
        m_rtf += "\\trowd\\trgaph108\\trleft-108";
        int edge = -108;
        for (int width : widths) {
            edge += width;
            m_rtf += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10"
                     "\\clbrdrr\\brdrs\\brdrw10\\cellx" + QByteArray::number(edge);
        }
        m_rtf += "\r\n\\pard\\intbl\\f0\\fs20" + QByteArray(r == 0 ? "\\b " : " ");
        for (const QString &cell : rows.at(r))
            m_rtf += escape(cell) + "\\cell ";
        m_rtf += (r == 0 ? "\\b0" : "") + QByteArray("\\row\r\n");
    }
    m_rtf += "\\pard\\sa120\\fs22\\par\r\n";
}

QByteArray RtfWriter::finish()
{
    return m_rtf + "}\r\n";
}

QByteArray RtfWriter::escape(const QString &text)
{
    QByteArray out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u < 0x80) {
            out += char(u);
        } else if (u >= 0xa0 && u <= 0xff) {
            // Code page 1252 agrees with Latin-1 here.
            out += "\\'" + QByteArray::number(int(u), 16).rightJustified(2, '0');
        } else {
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    return out;
}
