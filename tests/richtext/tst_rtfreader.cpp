#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QtTest>

#include "platform/richtext/rtfcodepages.h"
#include "platform/richtext/rtfplaintext.h"
#include "platform/richtext/rtfreader.h"
#include "platform/richtext/rtftokenizer.h"
#include "support/timelimit.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray fixture(const char *name)
{
    // Found from the tests folder, also when the compiler was given relative paths.
    QFile file(QFINDTESTDATA(QString(u"richtext/data/"_s + QLatin1StringView(name))));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString plainText(const QByteArray &rtf)
{
    QTextDocument doc;
    const RtfReadResult result = readRtf(rtf, doc);
    return result.ok ? doc.toPlainText() : u"error: "_s + result.error;
}

// The format of the first character of the first occurrence of fragment.
QTextCharFormat formatOf(const QTextDocument &doc, const QString &fragment)
{
    QTextCursor cursor = doc.find(fragment);
    cursor.setPosition(cursor.selectionStart() + 1);
    return cursor.charFormat();
}

QList<QTextTable *> tablesIn(QTextFrame *frame)
{
    QList<QTextTable *> tables;
    for (QTextFrame *child : frame->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(child))
            tables.append(table);
    }
    return tables;
}

QString cellText(QTextTable *table, int row, int column)
{
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

QByteArray imageHex(int width, int height, const char *format = "PNG",
                    QImage::Format pixels = QImage::Format_RGB32)
{
    QImage image(width, height, pixels);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toHex();
}

QList<QTextImageFormat> imagesIn(const QTextDocument &doc)
{
    QList<QTextImageFormat> images;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                images.append(it.fragment().charFormat().toImageFormat());
        }
    }
    return images;
}

// The tokens of rtf written out: { } \word \wordN \'hh [text], and \c for a symbol.
QString tokens(const QByteArray &rtf, int codePage)
{
    Rtf::Tokenizer tokenizer(rtf);
    tokenizer.setLeadBytes(Rtf::CodePages::leadBytes(codePage));
    QStringList out;
    for (Rtf::Token token = tokenizer.next(); token.type != Rtf::Token::End; token = tokenizer.next()) {
        const QString text = QString::fromLatin1(token.text.data(), qsizetype(token.text.size()));
        switch (token.type) {
        case Rtf::Token::GroupStart:
            out += u"{"_s;
            break;
        case Rtf::Token::GroupEnd:
            out += u"}"_s;
            break;
        case Rtf::Token::Word:
            out += u'\\' + text + (token.hasParam ? QString::number(token.param) : QString());
            break;
        case Rtf::Token::Symbol:
            out += u'\\' + (token.symbol ? QString(QLatin1Char(token.symbol)) : u"?"_s);
            break;
        case Rtf::Token::HexByte:
            out += u"'"_s + QString::number(token.byte, 16);
            break;
        case Rtf::Token::Text:
            out += u'[' + text + u']';
            break;
        case Rtf::Token::End:
            break;
        }
    }
    return out.join(u' ');
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tokenizer_data();
    void tokenizer();
    void plainText_data();
    void plainText();
    void rejectsWhatIsNotRtf();
    void characterFormats();
    void paragraphFormats();
    void hyperlinkAndTitle();
    void tables();
    void nestedTables();
    void tablesWhoseLevelsJump_data();
    void tablesWhoseLevelsJump();
    void footnotes_data();
    void footnotes();
    void footnoteMarks();
    void pictures();
    void hostileInputEndsQuickly_data();
    void hostileInputEndsQuickly();
    void tooMuchToShowFailsQuickly_data();
    void tooMuchToShowFailsQuickly();
};

void TestRtfReader::tokenizer_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QString>("expected");

    QTest::newRow("words") << QByteArray("{\\rtf1\\ansi\\deff-3 x}") << 1252 << u"{ \\rtf1 \\ansi \\deff-3 [x] }"_s;
    QTest::newRow("one space eaten") << QByteArray("\\b  two") << 1252 << u"\\b [ two]"_s;
    QTest::newRow("minus, no digit") << QByteArray("\\foo-x") << 1252 << u"\\foo [-x]"_s;
    QTest::newRow("long word cut") << "\\" + QByteArray(40, 'a') + "1 b" << 1252
                                   << u"\\"_s + QString(32, u'a') + u"1 [b]"_s;
    QTest::newRow("huge number") << QByteArray("\\fs99999999999 x") << 1252 << u"\\fs1000000000 [x]"_s;
    QTest::newRow("hex") << QByteArray("\\'e9\\'4") << 1252 << u"'e9 \\?"_s;
    QTest::newRow("escaped braces") << QByteArray("\\{\\}\\\\") << 1252 << u"[{] [}] [\\]"_s;
    QTest::newRow("symbols") << QByteArray("\\~\\*\\\n") << 1252 << u"\\~ \\* \\\n"_s;
    QTest::newRow("bare line ends") << QByteArray("a\r\nb") << 1252 << u"[a] [b]"_s;
    QTest::newRow("backslash at end") << QByteArray("a\\") << 1252 << u"[a]"_s;
    QTest::newRow("Shift-JIS trail") << QByteArray("\x95\\x\x95") << 932 << u"[\u0095\\x\u0095]"_s;
    QTest::newRow("single byte") << QByteArray("\x95\\x") << 1252 << u"[\u0095] \\x"_s;
}

void TestRtfReader::tokenizer()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, codePage);
    QFETCH(QString, expected);
    QCOMPARE(tokens(rtf, codePage), expected);
}

void TestRtfReader::plainText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::newRow("WordPad 95") << fixture("wordpad-old.rtf")
                                << u"The Vireon Anthology 1997\n•\tFirst point\n•\tSecond point\n"
                                   u"•\tGenerated marker\nDone."_s;
    QTest::newRow("WordPad 10") << fixture("wordpad-new.rtf")
                                << u"Café “quoted”\nPříliš žluťoučký kůň\n1.\tOne\n2.\tTwo\nName\tLeft\tRight"_s;
    QTest::newRow("Word 97") << fixture("word97.rtf")
                             << u"Chapter One\nSee our site for more.1 Page 1\n•\tApples\n•\tPears\n"
                                u"Year\nTitle\nPages\n1997\nSpring\n12\nThe end.\n\n1 Footnote text."_s;
    QTest::newRow("LibreOffice") << fixture("libreoffice.rtf")
                                 << u"Naïve façade — Привет\nПривет marked\n日本"_s;

    // Code pages: the document's, and each font's \fcharset or \cpg.
    QTest::newRow("1250 document") << QByteArray(R"({\rtf1\ansi\ansicpg1250{\fonttbl{\f0 Arial;}}\f0 \'8a\'9d})")
                                   << u"Šť"_s;
    QTest::newRow("1251 font") << QByteArray(R"({\rtf1\ansi{\fonttbl{\f0\fcharset204 T;}}\f0 \'cc\'ee\'f1\'ea\'e2\'e0})")
                               << u"Москва"_s;
    QTest::newRow("1253 font") << QByteArray(R"({\rtf1\ansi{\fonttbl{\f1\fcharset161 T;}}\f1 \'c1\'e8\'de\'ed\'e1})")
                               << u"Αθήνα"_s;
    QTest::newRow("cpg overrides") << QByteArray(R"({\rtf1\ansi{\fonttbl{\f0\fcharset0\cpg1251 T;}}\f0 \'e0})")
                                   << u"а"_s;
    QTest::newRow("font switch") << QByteArray(R"({\rtf1\ansi{\fonttbl{\f0 A;}{\f1\fcharset238 B;}}\f0\'e8{\f1\'e8}\'e8})")
                                 << u"èčè"_s;
    QTest::newRow("mac") << QByteArray(R"({\rtf1\mac \'8e})") << u"é"_s;
    QTest::newRow("pc") << QByteArray(R"({\rtf1\pc \'82})") << u"é"_s;
    QTest::newRow("pca") << QByteArray(R"({\rtf1\pca \'d5})") << u"ı"_s;
    QTest::newRow("932 hex pairs") << QByteArray(R"({\rtf1\ansi{\fonttbl{\f0\fcharset128 M;}}\f0 \'93\'fa\'96\'7b\'8c\'ea})")
                                   << u"日本語"_s;
    QTest::newRow("932 hex lead, raw trail") << QByteArray("{\\rtf1\\ansi\\ansicpg932 \\'83e}") << u"テ"_s;
    QTest::newRow("932 raw backslash trail") << QByteArray("{\\rtf1\\ansi\\ansicpg932 \x95\x5c}") << u"表"_s;
    QTest::newRow("936") << QByteArray(R"({\rtf1\ansi\ansicpg936 \'d6\'d0\'ce\'c4})") << u"中文"_s;
    QTest::newRow("949") << QByteArray(R"({\rtf1\ansi\ansicpg949 \'c7\'d1\'b1\'b9})") << u"한국"_s;
    QTest::newRow("950") << QByteArray(R"({\rtf1\ansi\ansicpg950 \'a4\'a4\'a4\'e5})") << u"中文"_s;

    // East Asian documents: a Western \f, and the associated fonts of \loch,
    // \hich and \dbch with code pages of their own.
    const QByteArray fonts = R"({\fonttbl{\f0\froman\fcharset0 Times New Roman;}{\f1\fnil\fcharset128 MS Mincho;})"
                             R"({\f2\fnil\fcharset136 MingLiU;}{\f3\fnil\fcharset1 Default;}{\f4 No Charset;})"
                             R"({\f5\fnil\fcharset129 Batang;})"
                             "}";
    QTest::newRow("Shift-JIS under dbch") << "{\\rtf1\\ansi\\ansicpg1252\\deff0" + fonts
            + R"(\f0 A {\loch\af0\hich\af0\dbch\af1 \'93\'fa\'96\'7b}B})"
                                          << u"A 日本B"_s;
    QTest::newRow("Word marks each run") << "{\\rtf1\\ansi\\ansicpg932\\deff0" + fonts
            + R"(\f0\hich\af0\dbch\af1\loch\f0 Tokyo {\hich\af0\dbch\af1\loch\f0 \'e9}{\loch\af0\hich\af0\dbch\f1 \'93\'8c\'8b\'9e}})"
                                         << u"Tokyo é東京"_s;
    QTest::newRow("GBK pairs among ASCII") << "{\\rtf1\\ansi\\ansicpg936" + fonts
            + R"(\f0 GB \'d6\'d0\'ce\'c4 2312\'a3\'ac ok})"
                                           << u"GB 中文 2312， ok"_s;
    QTest::newRow("single and double bytes in one run") << "{\\rtf1\\ansi\\ansicpg932" + fonts
            + R"(\f0 \'93\'fa\'41\'96\'7b\'e9 x})"
                                                        << u"日A本é x"_s;
    QTest::newRow("Big5 run") << "{\\rtf1\\ansi\\ansicpg1252" + fonts + R"(\f0 x{\dbch\af2 \'a4\'a4\'a4\'e5}y})"
                              << u"x中文y"_s;
    QTest::newRow("fcharset1 and none") << "{\\rtf1\\ansi\\ansicpg936" + fonts
            + R"(\f0 {\dbch\af3 \'d6\'d0}{\dbch\af4 \'ce\'c4}{\hich\af3 \'b0\'a1}})"
                                        << u"中文啊"_s;
    QTest::newRow("Korean run") << "{\\rtf1\\ansi" + fonts + R"(\f0 {\dbch\af5 \'c7\'d1\'b1\'b9}})"
                                << u"한국"_s;
    QTest::newRow("marks end with the group") << "{\\rtf1\\ansi\\ansicpg1252" + fonts
            + R"(\f0 {\dbch\af1 \'93\'fa}\'e9})"
                                              << u"日é"_s;
    QTest::newRow("wingdings bullet") << QByteArray(R"({\rtf1{\fonttbl{\f2\fcharset2 Wingdings;}}{\f2\'a7\'fc}})")
                                      << u"▪✔"_s;
    QTest::newRow("symbol font") << QByteArray(R"({\rtf1\ansi{\fonttbl{\f1\fcharset2 Symbol;}}{\f1 a\'b7})")
                                 << u"α•"_s;

    // Unicode and its fallback.
    QTest::newRow("uc1") << QByteArray(R"({\rtf1 caf\u233?s})") << u"cafés"_s;
    QTest::newRow("uc2 hex") << QByteArray(R"({\rtf1\uc2\u26085\'93\'fa!})") << u"日!"_s;
    QTest::newRow("uc0") << QByteArray(R"({\rtf1\uc0\u233 x})") << u"éx"_s;
    QTest::newRow("skip counts a word") << QByteArray(R"({\rtf1\u8220\ldblquote x})") << u"“x"_s;
    QTest::newRow("skip ends at brace") << QByteArray(R"({\rtf1{\uc3\u233}xyz})") << u"éxyz"_s;
    QTest::newRow("uc is scoped") << QByteArray(R"({\rtf1{\uc0 a}\u233?b})") << u"aéb"_s;
    QTest::newRow("negative u") << QByteArray(R"({\rtf1\u-3913?})") << u"\uF0B7"_s;
    QTest::newRow("surrogate pair") << QByteArray(R"({\rtf1\u-10179?\u-8694?})") << u"😊"_s;
    QTest::newRow("lone surrogate") << QByteArray(R"({\rtf1\u-10179?x})") << u"\uFFFDx"_s;

    // Symbols and breaks (QTextDocument shows U+00A0 and U+2028 as space and newline).
    QTest::newRow("symbols") << QByteArray(R"({\rtf1 a\~b\_c\-d\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote\emspace})")
                             << u"a b\u2011c\u00ADd—–•‘’“”\u2003"_s;
    QTest::newRow("escapes") << QByteArray(R"({\rtf1 \{a\}\\b\tab c})") << u"{a}\\b\tc"_s;
    QTest::newRow("line") << QByteArray(R"({\rtf1 a\line b})") << u"a\nb"_s;
    QTest::newRow("bare line ends") << QByteArray("{\\rtf1 a\r\nb\nc}") << u"abc"_s;
    QTest::newRow("escaped line end") << QByteArray("{\\rtf1 a\\\nb}") << u"a\nb"_s;
    QTest::newRow("empty paragraphs") << QByteArray(R"({\rtf1 a\par\par b\par})") << u"a\n\nb"_s;

    // Destinations that are never text.
    QTest::newRow("unknown optional") << QByteArray(R"({\rtf1 a{\*\foo b{c}}d})") << u"ad"_s;
    QTest::newRow("unknown plain word") << QByteArray(R"({\rtf1 a{\foo b}c})") << u"abc"_s;
    QTest::newRow("bin in skipped group") << QByteArray("{\\rtf1 a{\\*\\foo\\bin3 }}{x}b}") << u"ab"_s;
    QTest::newRow("bin in text") << QByteArray("{\\rtf1 a\\bin2 zzb}") << u"ab"_s;
    QTest::newRow("header footer") << QByteArray(R"({\rtf1{\header h}{\footerl f}body})") << u"body"_s;
    QTest::newRow("hidden") << QByteArray(R"({\rtf1 a{\v b}c\v0 d})") << u"acd"_s;
    QTest::newRow("upr") << QByteArray(R"({\rtf1{\upr{ansi}{\*\ud{uni}}}})") << u"uni"_s;
    QTest::newRow("field result") << QByteArray(R"({\rtf1{\field{\*\fldinst DATE}{\fldrslt 1997}}})") << u"1997"_s;
    QTest::newRow("nested fields") << QByteArray(R"({\rtf1{\field{\*\fldinst A{\field{\*\fldinst B}{\fldrslt X}}}{\fldrslt Y}}})")
                                   << u"Y"_s;
    QTest::newRow("old pn numbering") << QByteArray(R"({\rtf1{\*\pn\pnlvlbody\pnucrm\pnstart3{\pntxta )}}a\par{\*\pn\pnlvlbody\pnucrm\pnstart3{\pntxta )}}b\par\pard c})")
                                      << u"III)\ta\nIV)\tb\nc"_s;
    QTest::newRow("old pn letters, bullet") << QByteArray(R"({\rtf1{\*\pn\pnlvlbody\pnlcltr{\pntxtb (}{\pntxta )}}a\par{\*\pn\pnlvlcont}b\par{\*\pn\pnlvlbody\pnlcltr}c\par\pard{\*\pn\pnlvlblt}d})")
                                            << u"(a)\ta\nb\nb\tc\n•\td"_s;
    QTest::newRow("marker before table paragraph") << QByteArray(R"({\rtf1 intro\par{\listtext\pard\plain\bullet\tab}\pard\intbl item\cell\row\pard end})")
                                                   << u"intro\n•\titem\nend"_s;
    QTest::newRow("marker of an empty cell") << QByteArray(R"({\rtf1{\listtext\bullet\tab}\pard\intbl\cell\row})")
                                             << u"\n•\t\n"_s;
    QTest::newRow("page and sect") << QByteArray(R"({\rtf1 a\page b\sect c})") << u"a\nb\nc"_s;
    QTest::newRow("rtf without version") << QByteArray(R"({\rtf a})") << u"a"_s;
    QTest::newRow("text after root") << QByteArray(R"({\rtf1 a}b})") << u"a"_s;
}

void TestRtfReader::plainText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QVERIFY(!rtf.isEmpty());
    QCOMPARE(::plainText(rtf), expected);
}

void TestRtfReader::rejectsWhatIsNotRtf()
{
    QTextDocument doc;
    doc.setPlainText(u"old"_s);
    const RtfReadResult garbage = readRtf("<html>{\\rtf1 a}", doc);
    QVERIFY(!garbage.ok);
    QVERIFY(!garbage.error.isEmpty());
    QVERIFY(doc.isEmpty());
    QVERIFY(!readRtf({}, doc).ok);
}

void TestRtfReader::characterFormats()
{
    QTextDocument doc;
    QVERIFY(readRtf(R"({\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}{\f1 Courier New;}}{\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
                    R"(\fs20 plain {\b bold} {\i italic} {\ul under}{\uld dots}{\ulnone none} {\strike gone} )"
                    R"({\fs36 big} {\f1 mono} {\cf1 red} {\cf1\cf0 auto} {\highlight2 marked} {\super up} {\sub down})"
                    R"( {\caps caps} {\scaps small} {\b\i\plain reset} {\b heavy\b0 light}})",
                    doc)
                .ok);

    QCOMPARE(formatOf(doc, u"plain"_s).fontPointSize(), 10.0);
    QCOMPARE(formatOf(doc, u"plain"_s).fontFamilies().toStringList(), QStringList { u"Arial"_s });
    QCOMPARE(formatOf(doc, u"plain"_s).fontWeight(), int(QFont::Normal));
    QCOMPARE(formatOf(doc, u"bold"_s).fontWeight(), int(QFont::Bold));
    QVERIFY(formatOf(doc, u"italic"_s).fontItalic());
    QCOMPARE(formatOf(doc, u"under"_s).underlineStyle(), QTextCharFormat::SingleUnderline);
    QCOMPARE(formatOf(doc, u"dots"_s).underlineStyle(), QTextCharFormat::DotLine);
    QCOMPARE(formatOf(doc, u"none"_s).underlineStyle(), QTextCharFormat::NoUnderline);
    QVERIFY(formatOf(doc, u"gone"_s).fontStrikeOut());
    QCOMPARE(formatOf(doc, u"big"_s).fontPointSize(), 18.0);
    QCOMPARE(formatOf(doc, u"mono"_s).fontFamilies().toStringList(), QStringList { u"Courier New"_s });
    QCOMPARE(formatOf(doc, u"red"_s).foreground().color(), QColor(Qt::red));
    QVERIFY(!formatOf(doc, u"auto"_s).hasProperty(QTextFormat::ForegroundBrush));
    QCOMPARE(formatOf(doc, u"marked"_s).background().color(), QColor(Qt::blue));
    QCOMPARE(formatOf(doc, u"up"_s).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QCOMPARE(formatOf(doc, u"down"_s).verticalAlignment(), QTextCharFormat::AlignSubScript);
    QCOMPARE(formatOf(doc, u"caps"_s).fontCapitalization(), QFont::AllUppercase);
    QCOMPARE(formatOf(doc, u"small"_s).fontCapitalization(), QFont::SmallCaps);
    QCOMPARE(formatOf(doc, u"reset"_s).fontWeight(), int(QFont::Normal));
    QCOMPARE(formatOf(doc, u"reset"_s).fontPointSize(), 12.0);
    QCOMPARE(formatOf(doc, u"heavy"_s).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(doc, u"light"_s).fontWeight(), int(QFont::Normal));
}

void TestRtfReader::paragraphFormats()
{
    QTextDocument doc;
    QVERIFY(readRtf(R"({\rtf1\pard\qc centred\par\pard\qr\li1440\ri720\fi-360\sb300\sa150 right\par)"
                    R"(\pard\qj\sl-480 exact\par\pard\sl360\slmult1 half\par\pard\tx720\tqr\tx2880\tqdec\tx4320 tabs\par)"
                    R"(\pard plain\page {\up6 raised}})",
                    doc)
                .ok);
    QCOMPARE(doc.blockCount(), 7);
    const QTextBlockFormat centred = doc.findBlockByNumber(0).blockFormat();
    const QTextBlockFormat right = doc.findBlockByNumber(1).blockFormat();
    const QTextBlockFormat exact = doc.findBlockByNumber(2).blockFormat();
    const QTextBlockFormat half = doc.findBlockByNumber(3).blockFormat();
    const QTextBlockFormat tabs = doc.findBlockByNumber(4).blockFormat();
    const QTextBlockFormat plain = doc.findBlockByNumber(5).blockFormat();

    QCOMPARE(centred.alignment(), Qt::AlignHCenter);
    QCOMPARE(right.alignment(), Qt::AlignRight);
    QCOMPARE(right.leftMargin(), 96.0);
    QCOMPARE(right.rightMargin(), 48.0);
    QCOMPARE(right.textIndent(), -24.0);
    QCOMPARE(right.topMargin(), 20.0);
    QCOMPARE(right.bottomMargin(), 10.0);
    QCOMPARE(exact.alignment(), Qt::AlignJustify);
    QCOMPARE(exact.lineHeightType(), int(QTextBlockFormat::FixedHeight));
    QCOMPARE(exact.lineHeight(), 32.0);
    QCOMPARE(half.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
    QCOMPARE(half.lineHeight(), 150.0);
    // The stops given, then one every half inch (the default \deftab).
    const QList<QTextOption::Tab> stops = tabs.tabPositions();
    QVERIFY(stops.size() > 4);
    QCOMPARE(stops.at(0), QTextOption::Tab(48, QTextOption::LeftTab));
    QCOMPARE(stops.at(1), QTextOption::Tab(192, QTextOption::RightTab));
    QCOMPARE(stops.at(2), QTextOption::Tab(288, QTextOption::DelimiterTab, u'.'));
    QCOMPARE(stops.at(3), QTextOption::Tab(336, QTextOption::LeftTab));
    QCOMPARE(stops.at(4), QTextOption::Tab(384, QTextOption::LeftTab));
    QCOMPARE(plain.alignment(), Qt::AlignLeft);
    QCOMPARE(plain.leftMargin(), 0.0);
    QVERIFY(plain.tabPositions().isEmpty());
    QCOMPARE(plain.pageBreakPolicy(), QTextFormat::PageBreak_Auto);
    QCOMPARE(doc.findBlockByNumber(6).blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore);
    QCOMPARE(formatOf(doc, u"raised"_s).baselineOffset(), 25.0); // 3 pt of 12 pt
}

void TestRtfReader::hyperlinkAndTitle()
{
    QTextDocument doc;
    QVERIFY(readRtf(fixture("word97.rtf"), doc).ok);
    const QTextCharFormat link = formatOf(doc, u"our site"_s);
    QVERIFY(link.isAnchor());
    QCOMPARE(link.anchorHref(), u"http://www.example.com/vireon"_s);
    QCOMPARE(link.foreground().color(), QColor(Qt::blue));
    QVERIFY(!formatOf(doc, u"for more"_s).isAnchor());
    QVERIFY(!formatOf(doc, u"Page"_s).isAnchor()); // a PAGE field is no link
    QCOMPARE(doc.metaInformation(QTextDocument::DocumentTitle), u"The Vireon Anthology"_s);

    QVERIFY(readRtf(R"({\rtf1{\field{\*\fldinst HYPERLINK \\l "intro"}{\fldrslt here}}})", doc).ok);
    QCOMPARE(formatOf(doc, u"here"_s).anchorHref(), u"#intro"_s);
    QVERIFY(doc.metaInformation(QTextDocument::DocumentTitle).isEmpty()); // not the last document's
}

void TestRtfReader::tables()
{
    QTextDocument doc;
    QVERIFY(readRtf(fixture("word97.rtf"), doc).ok);
    QList<QTextTable *> found = tablesIn(doc.rootFrame());
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.at(0)->rows(), 2);
    QCOMPARE(found.at(0)->columns(), 3);
    QCOMPARE(cellText(found.at(0), 1, 1), u"Spring"_s);
    const QList<QTextLength> widths = found.at(0)->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 3);
    QCOMPARE(widths.at(0).rawValue(), 2000 / 15.0);

    // Rows of different lengths, a row reusing the last definition, no final \row.
    QVERIFY(readRtf(R"({\rtf1 before\par\trowd\cellx1000\intbl a\cell b\cell\row)"
                    R"(\intbl c\cell d\cell e\cell\row\intbl f\cell g})",
                    doc)
                .ok);
    found = tablesIn(doc.rootFrame());
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.at(0)->rows(), 3);
    QCOMPARE(found.at(0)->columns(), 3);
    QCOMPARE(cellText(found.at(0), 1, 2), u"e"_s);
    QCOMPARE(cellText(found.at(0), 2, 1), u"g"_s);
    QCOMPARE(doc.toPlainText(), u"before\na\nb\n\nc\nd\ne\nf\ng\n\n"_s);
    // As other converters write it: a row per line, cells separated by tabs.
    QCOMPARE(plainTextOf(doc), u"before\na\tb\t\nc\td\te\nf\tg\t\n"_s);

    // Merged cells: across in the first row, down the first column.
    QVERIFY(readRtf(R"({\rtf1\trowd\clmgf\cellx1000\clmrg\cellx2000\cellx3000\intbl A\cell\cell B\cell\row)"
                    R"(\trowd\clvmgf\cellx1000\cellx2000\cellx3000\intbl C\cell D\cell E\cell\row)"
                    R"(\trowd\clvmrg\cellx1000\cellx2000\cellx3000\intbl\cell F\cell G\cell\row)"
                    R"(\trowd\clvmrg\cellx1000\cellx2000\cellx3000\intbl\cell H\cell I\cell\row})",
                    doc)
                .ok);
    found = tablesIn(doc.rootFrame());
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.at(0)->rows(), 4);
    QCOMPARE(found.at(0)->cellAt(0, 0).columnSpan(), 2);
    QCOMPARE(found.at(0)->cellAt(0, 2).columnSpan(), 1);
    QCOMPARE(found.at(0)->cellAt(1, 0).rowSpan(), 3);
    QCOMPARE(found.at(0)->cellAt(1, 1).rowSpan(), 1);
    QCOMPARE(doc.toPlainText(), u"\nA\nB\nC\nD\nE\nF\nG\nH\nI\n"_s);
    QCOMPARE(plainTextOf(doc), u"\nA\tB\nC\tD\tE\n\tF\tG\n\tH\tI\n"_s);

    // Cell and row ends outside any table.
    QVERIFY(readRtf(R"({\rtf1 x\cell y\row\pard after})", doc).ok);
    QVERIFY(tablesIn(doc.rootFrame()).isEmpty());
    QCOMPARE(doc.toPlainText(), u"x\ny\nafter"_s);
}

void TestRtfReader::nestedTables()
{
    QTextDocument doc;
    QVERIFY(readRtf(R"({\rtf1\trowd\cellx3000\cellx6000\pard\intbl outer\cell)"
                    R"(\pard\intbl\itap2 in1\nestcell in2\nestcell{\*\nesttableprops\trowd\cellx1000\cellx2000\nestrow})"
                    R"({\nonesttables\par}\pard\intbl\itap2 in3\nestcell in4\nestcell{\*\nesttableprops\trowd\cellx1000\cellx2000\nestrow})"
                    R"(\pard\intbl tail\cell\row\pard done})",
                    doc)
                .ok);
    const QList<QTextTable *> outer = tablesIn(doc.rootFrame());
    QCOMPARE(outer.size(), 1);
    QCOMPARE(outer.at(0)->rows(), 1);
    QCOMPARE(outer.at(0)->columns(), 2);
    QCOMPARE(cellText(outer.at(0), 0, 0), u"outer"_s);
    const QList<QTextTable *> inner = tablesIn(outer.at(0));
    QCOMPARE(inner.size(), 1);
    QCOMPARE(inner.at(0)->rows(), 2);
    QCOMPARE(inner.at(0)->columns(), 2);
    QCOMPARE(cellText(inner.at(0), 1, 0), u"in3"_s);
    QCOMPARE(inner.at(0)->cellAt(0, 0).firstCursorPosition().currentTable(), inner.at(0));
    QVERIFY(doc.toPlainText().contains(u"in4\ntail"_s));
    QVERIFY(doc.toPlainText().endsWith(u"done"_s));
}

// The tables of the document, depth first, with how deep each is.
void collectTables(QTextFrame *frame, int depth, QList<std::pair<QTextTable *, int>> &out)
{
    for (QTextFrame *child : frame->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(child)) {
            out.append({ table, depth + 1 });
            collectTables(table, depth + 1, out);
        }
    }
}

void TestRtfReader::tablesWhoseLevelsJump_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("depth"); // of the deepest table

    QTest::newRow("2, then 5, then 2")
        << QByteArray(R"({\rtf1\pard\intbl\itap1 A\cell\pard\intbl\itap2 B\nestcell C\nestcell)"
                      R"({\*\nesttableprops\trowd\cellx1000\cellx2000\nestrow}\pard\intbl\itap5 D\nestcell E\nestcell)"
                      R"({\*\nesttableprops\nestrow}\pard\intbl\itap2 F\nestcell{\*\nesttableprops\nestrow})"
                      R"(\pard\intbl\itap1 G\cell\row\pard after})")
        << u"\nA\tB\tC D\tE F\t G\nafter"_s << 3; // the nested table's rows on the line of its cell
    QTest::newRow("first paragraph at level 3")
        << QByteArray(R"({\rtf1\pard\intbl\itap3 A\nestcell B\nestcell\nestrow\pard\intbl\itap1 C\cell\row\pard after})")
        << u"\nA\tB C\nafter"_s << 2;
    QTest::newRow("rows of levels never opened")
        << QByteArray(R"({\rtf1\trowd\cellx1000\cellx2000\pard\intbl A\cell{\*\nesttableprops\itap4\nestrow})"
                      R"(B\cell\row\pard\intbl\itap2 C\nestcell\itap6\nestrow\row\row\pard after})")
        << u"\nA\tB\nC\t\nafter"_s << 2;
}

// Paragraphs whose \itap skips levels or ends rows of tables never opened
// keep every cell's text once, in reading order, in no table or row that
// holds nothing.
void TestRtfReader::tablesWhoseLevelsJump()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QFETCH(int, depth);
    QTextDocument doc;
    QVERIFY(readRtf(rtf, doc).ok);
    QCOMPARE(plainTextOf(doc), text);
    QList<std::pair<QTextTable *, int>> tables;
    collectTables(doc.rootFrame(), 0, tables);
    int deepest = 0;
    for (const auto &[table, level] : tables) {
        deepest = std::max(deepest, level);
        for (int row = 0; row < table->rows(); ++row) {
            QTextCursor cursor(table->cellAt(row, 0).firstCursorPosition());
            cursor.setPosition(table->cellAt(row, table->columns() - 1).lastCursorPosition().position(),
                               QTextCursor::KeepAnchor);
            QVERIFY2(!cursor.selectedText().trimmed().isEmpty() || cursor.selectedText().contains(QChar::ObjectReplacementCharacter)
                         || !tablesIn(table).isEmpty(),
                     qPrintable(u"an empty row %1 in a table at level %2"_s.arg(row).arg(level)));
        }
    }
    QCOMPARE(deepest, depth);
}

void TestRtfReader::footnotes_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    // Marks are superscript numbers; the notes follow the text under a rule
    // (an empty line in plain text).
    QTest::newRow("in the middle of a sentence")
        << QByteArray(R"({\rtf1 The car{\super\chftn}{\footnote\pard\plain{\super\chftn} First built in 1955.} was fast.\par Next.})")
        << u"The car1 was fast.\nNext.\n\n1 First built in 1955."_s;
    QTest::newRow("two, as Word nests them")
        << QByteArray(R"({\rtf1 One{\cs16\super \chftn {\footnote \pard\plain {\cs16\super \chftn } A.}} and two)"
                      R"({\cs16\super \chftn {\footnote \pard\plain {\cs16\super \chftn } B.\par Second paragraph.\par}}.})")
        << u"One1 and two2.\n\n1 A.\n2 B.\nSecond paragraph."_s;
    QTest::newRow("text after the note in its group")
        << QByteArray(R"({\rtf1 {\b bold\chftn{\footnote Note.} rest} end})")
        << u"bold1 rest end\n\n1 Note."_s;
    QTest::newRow("numbered by the body mark only")
        << QByteArray(R"({\rtf1 x{\super\chftn}{\*\footnote Plain note.}y})")
        << u"x1y\n\n1 Plain note."_s;
    QTest::newRow("numbered by its own mark only")
        << QByteArray(R"({\rtf1 x{\footnote{\super\chftn} Own.}y})")
        << u"x1y\n\n1 Own."_s;
    QTest::newRow("a mark of its own text")
        << QByteArray(R"({\rtf1 x{\super *}{\footnote{\super *} Star.} y{\super\chftn}{\footnote{\super\chftn} One.}})")
        << u"x* y1\n\n* Star.\n1 One."_s;
    QTest::newRow("endnotes after footnotes, numbered apart")
        << QByteArray(R"({\rtf1\aftnnrlc a{\super\chftn}{\footnote\ftnalt{\super\chftn} End.} b{\super\chftn})"
                      R"({\footnote{\super\chftn} Foot.} c{\super\chftn}{\footnote\ftnalt{\super\chftn} Last.}})")
        << u"ai b1 cii\n\n1 Foot.\n\ni End.\nii Last."_s;
    QTest::newRow("start and restart by section")
        << QByteArray(R"({\rtf1\ftnstart3\ftnrestart a{\super\chftn}{\footnote N.}\sect b{\super\chftn}{\footnote M.}})")
        << u"a3\nb3\n\n3 N.\n3 M."_s;
    QTest::newRow("symbols") << QByteArray(R"({\rtf1\ftnnchi a{\chftn}{\footnote N.}b{\chftn}{\footnote M.}})")
                             << u"a*b†\n\n* N.\n† M."_s;
    QTest::newRow("a mark without a note") << QByteArray(R"({\rtf1 a{\super\chftn} b\par c})") << u"a1 b\nc"_s;
    QTest::newRow("a note inside a note") << QByteArray(R"({\rtf1 a{\footnote\chftn x{\footnote y}z}b})")
                                          << u"a1b\n\n1xz"_s;
    QTest::newRow("in a table cell")
        << QByteArray(R"({\rtf1\trowd\cellx2000\intbl cell{\super\chftn}{\footnote\pard\plain In a cell.}\cell\row\pard after})")
        << u"\ncell1\nafter\n\n1 In a cell."_s;
}

// Notes are kept with the text around them whole; rtfdump prints them.
void TestRtfReader::footnotes()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QTextDocument doc;
    QVERIFY(readRtf(rtf, doc).ok);
    QCOMPARE(plainTextOf(doc), expected);
}

void TestRtfReader::footnoteMarks()
{
    QTextDocument doc;
    QVERIFY(readRtf(R"({\rtf1 The car{\chftn}{\footnote\pard\plain\fs20 {\super\chftn} First {\i built} in 1955.} was fast.})",
                    doc)
                .ok);
    const QTextBlock body = doc.begin();
    QCOMPARE(body.text(), u"The car1 was fast."_s);
    QTextCursor mark(body);
    mark.setPosition(body.position() + 8);
    QCOMPARE(mark.charFormat().verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QCOMPARE(formatOf(doc, u" was"_s).verticalAlignment(), QTextCharFormat::AlignNormal);

    const QTextBlock rule = body.next();
    QVERIFY(rule.text().isEmpty());
    QVERIFY(rule.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth));
    const QTextBlock note = rule.next();
    QCOMPARE(note.text(), u"1 First built in 1955."_s);
    QVERIFY(!note.next().isValid());
    QTextCursor noteMark(note);
    noteMark.setPosition(note.position() + 1);
    QCOMPARE(noteMark.charFormat().verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QCOMPARE(formatOf(doc, u"First"_s).fontPointSize(), 10.0);
    QVERIFY(formatOf(doc, u"built"_s).fontItalic());
}

void TestRtfReader::pictures()
{
    QTextDocument doc;
    const QByteArray png = imageHex(4, 2);
    const QByteArray rtf = "{\\rtf1 a{\\*\\shppict{\\pict\\pngblip\\picw4\\pich2\\picwgoal1500\\pichgoal750\\picscalex50 "
        + png.left(40) + "\r\n" + png.mid(40) + "}}{\\nonshppict{\\pict\\wmetafile8 0100}}"
        + "{\\pict\\wmetafile8\\picw2540\\pich1270\\picwgoal1440\\pichgoal720 0100090000}"
        + "{\\pict\\emfblip\\picw5080\\pich1270 01000}b}";
    QVERIFY(readRtf(rtf, doc).ok);

    QList<QTextImageFormat> images = imagesIn(doc);
    QCOMPARE(images.size(), 3);
    const QImage decoded = doc.resource(QTextDocument::ImageResource, QUrl(images.at(0).name())).value<QImage>();
    QCOMPARE(decoded.size(), QSize(4, 2));
    QCOMPARE(decoded.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(images.at(0).width(), 50.0); // 1500 twips at 50 %
    QCOMPARE(images.at(0).height(), 50.0);

    // Metafiles Qt cannot draw keep their place and size as a grey box.
    QCOMPARE(images.at(1).width(), 96.0);
    QCOMPARE(images.at(1).height(), 48.0);
    QCOMPARE(images.at(2).width(), 192.0); // \picw in hundredths of a millimetre
    QVERIFY(images.at(1).name() != images.at(0).name());
    QVERIFY(!doc.resource(QTextDocument::ImageResource, QUrl(images.at(1).name())).value<QImage>().isNull());
    QVERIFY(doc.toPlainText().startsWith(u'a'));
    QVERIFY(doc.toPlainText().endsWith(u'b'));

    // JPEG, and a bitmap claiming more pixels than any document may decode.
    QVERIFY(readRtf("{\\rtf1{\\pict\\jpegblip " + imageHex(3, 5, "JPEG") + "}{\\pict\\pngblip "
                        + imageHex(9000, 8000, "PNG", QImage::Format_Mono) + "}}",
                    doc)
                .ok);
    images = imagesIn(doc);
    QCOMPARE(images.size(), 2);
    QCOMPARE(doc.resource(QTextDocument::ImageResource, QUrl(images.at(0).name())).value<QImage>().size(),
             QSize(3, 5));
    QCOMPARE(images.at(1).width(), 32.0); // no size given, no bitmap decoded: a small box
}

void TestRtfReader::hostileInputEndsQuickly_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected"); // empty: whatever was read

    const int depth = 100000;
    QTest::newRow("deep nesting") << "{\\rtf1" + QByteArray(depth, '{') + "deep" + QByteArray(depth, '}') + " after}"
                                  << u"deep after"_s;
    QTest::newRow("deep unclosed") << "{\\rtf1 a" + QByteArray(depth, '{') + "b" << u"ab"_s;
    QTest::newRow("deep skipped") << "{\\rtf1 a{\\*\\x" + QByteArray(depth, '{') + QByteArray(depth, '}') + "}b}"
                                  << u"ab"_s;
    QTest::newRow("unterminated") << QByteArray("{\\rtf1 {\\b half") << u"half"_s;
    QTest::newRow("cut escape") << QByteArray("{\\rtf1 a\\'4") << u"a"_s;
    QTest::newRow("cut word") << QByteArray("{\\rtf1 a\\") << u"a"_s;
    QTest::newRow("huge bin") << QByteArray("{\\rtf1 a\\bin999999999 xyz}") << u"a"_s;
    QTest::newRow("huge numbers") << QByteArray("{\\rtf1\\fs99999999999999\\li-99999999999\\sl-9999999999\\up999999999"
                                                "\\cf999999999\\f-99999999 x\\par}")
                                  << u"x"_s;
    QTest::newRow("huge uc") << QByteArray("{\\rtf1{\\uc999999999\\u65 lost}kept}") << u"Akept"_s;
    QTest::newRow("long word") << "{\\rtf1 " + QByteArray(100000, '\\') + QByteArray(100000, 'a') + " x}" << QString();
    QTest::newRow("odd hex picture") << QByteArray("{\\rtf1{\\pict\\pngblip 89504e470}x}") << u"\uFFFCx"_s;
    QTest::newRow("bad png") << QByteArray("{\\rtf1{\\pict\\pngblip\\picwgoal999999999 00ff}}") << u"\uFFFC"_s;

    QByteArray cells = "{\\rtf1\\trowd";
    for (int i = 0; i < 5000; ++i)
        cells += "\\intbl c\\cell";
    QTest::newRow("thousands of cells") << cells + "\\row}" << QString();
    QByteArray rows = "{\\rtf1\\trowd\\cellx100\\cellx200\\cellx300";
    for (int i = 0; i < 3000; ++i)
        rows += "\\intbl a\\cell b\\cell c\\cell\\row";
    QTest::newRow("thousands of rows") << rows + "}" << QString();
    QTest::newRow("nesting levels") << QByteArray("{\\rtf1\\intbl\\itap999999999 a\\nestcell\\nestrow\\itap0 b}")
                                    << QString();

    QRandomGenerator random(1997);
    for (int i = 0; i < 5; ++i) {
        QByteArray bytes(20000, '\0');
        for (char &c : bytes)
            c = char(random.bounded(256));
        QTest::addRow("random bytes %d", i) << "{\\rtf1" + bytes << QString();
    }
    QByteArray tokens = "{\\rtf1";
    const char *pieces[] = { "{", "}", "\\par ", "\\cell ", "\\row ", "\\trowd ", "\\intbl ", "\\itap3 ",
                             "\\nestcell ", "\\nestrow ", "{\\pict ", "{\\*\\x ", "\\'8", "\\u-5 ", "\\uc7 ",
                             "{\\field{\\*\\fldinst ", "{\\fldrslt ", "{\\fonttbl ", "\\f1 ", "\\bin3 ", "x" };
    for (int i = 0; i < 40000; ++i)
        tokens += pieces[random.bounded(int(std::size(pieces)))];
    QTest::newRow("random tokens") << tokens << QString();
}

void TestRtfReader::hostileInputEndsQuickly()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QTextDocument doc;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(readRtf(rtf, doc).ok);
    QVERIFY2(timer.elapsed() < timeLimit(3000), qPrintable(QString::number(timer.elapsed()) + u" ms"_s));
    if (!expected.isEmpty())
        QCOMPARE(doc.toPlainText(), expected);
}

void TestRtfReader::tooMuchToShowFailsQuickly_data()
{
    QTest::addColumn<QByteArray>("rtf");

    QTest::newRow("too many bytes") << "{\\rtf1 " + QByteArray(MaxRtfBytes, 'a') + "}";
    QTest::newRow("too many paragraphs") << "{\\rtf1 " + QByteArray("a\\par ").repeated(150000) + "}";
    QTest::newRow("too much formatting") << "{\\rtf1 " + QByteArray("{\\b a}b").repeated(150000) + "}";
    QTest::newRow("too many cells") << "{\\rtf1\\trowd" + QByteArray("\\intbl c\\cell\\row").repeated(100000) + "}";
    QTest::newRow("too much text") << "{\\rtf1 " + QByteArray("word ").repeated(1800000) + "}";
    QTest::newRow("too many notes") << "{\\rtf1 " + QByteArray("{\\footnote n}").repeated(100000) + "}";
}

// What the box could not lay out in a couple of seconds is no document to
// show: the read fails, so that the caller reports its error, and leaves
// nothing behind.
void TestRtfReader::tooMuchToShowFailsQuickly()
{
    QFETCH(QByteArray, rtf);
    QTextDocument doc;
    QElapsedTimer timer;
    timer.start();
    const RtfReadResult result = readRtf(rtf, doc);
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QVERIFY(doc.isEmpty());
    QVERIFY2(timer.elapsed() < timeLimit(3000), qPrintable(QString::number(timer.elapsed()) + u" ms"_s));
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
