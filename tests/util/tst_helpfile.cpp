#include "util/helpfile.h"

#include <QTest>

class TestHelpFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void topicsByContextNumber()
    {
        const QByteArray file = "\xef\xbb\xbfVIREON HELP 1\r\n"
                                "\r\n"
                                "@topic 0 Contents\r\n"
                                "<p>See <a href=\"help:1510\">File</a>.</p>\r\n"
                                "@topic 1510   The File menu  \r\n"
                                "<p>One</p>\n"
                                "<p>Two</p>\n";
        const HelpManual::Parsed parsed = HelpManual::parse(file);
        QVERIFY2(parsed.manual, qPrintable(parsed.error));
        QCOMPARE(parsed.manual->topics().keys(), QList<int>({ 0, 1510 }));
        const HelpTopic *file1510 = parsed.manual->topic(1510);
        QCOMPARE(file1510->title, QStringLiteral("The File menu"));
        QCOMPARE(file1510->html, QStringLiteral("<p>One</p>\n<p>Two</p>\n\n"));
        QCOMPARE(
            parsed.manual->topic(0)->html, QStringLiteral("<p>See <a href=\"help:1510\">File</a>.</p>\n"));
        QCOMPARE(parsed.manual->topic(1520), nullptr);
    }

    void damagedFilesSayWhy_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty") << QByteArray() << "the file does not begin with \"VIREON HELP 1\"";
        QTest::newRow("an RTF file") << QByteArray("{\\rtf1\\ansi Help}")
                                     << "the file does not begin with \"VIREON HELP 1\"";
        QTest::newRow("no contents") << QByteArray("VIREON HELP 1\n@topic 1510 File\n")
                                     << "the file has no contents page (topic 0)";
        QTest::newRow("text before the first topic")
            << QByteArray("VIREON HELP 1\n<p>stray</p>\n@topic 0 Contents\n")
            << "line 2: text before the first topic";
        QTest::newRow("no title") << QByteArray("VIREON HELP 1\n@topic 0\n")
                                  << "line 2: a topic needs a number and a title";
        QTest::newRow("not a number") << QByteArray("VIREON HELP 1\n@topic x1 Contents\n")
                                      << "line 2: a topic needs a number and a title";
        QTest::newRow("beyond any number") << QByteArray("VIREON HELP 1\n@topic 99999999999 Contents\n")
                                           << "line 2: a topic needs a number and a title";
        QTest::newRow("twice") << QByteArray("VIREON HELP 1\n@topic 0 Contents\n@topic 0 Again\n")
                               << "line 3: topic 0 is there twice";
        QTest::newRow("unknown instruction")
            << QByteArray("VIREON HELP 1\n@topic 0 Contents\n@picture logo.bmp\n")
            << "line 3: unknown instruction @picture";
        QTest::newRow("not UTF-8") << QByteArray("VIREON HELP 1\n@topic 0 Caf\xe9\n")
                                   << "the file is not UTF-8 text";
        QTest::newRow("too large") << QByteArray(HelpManual::SizeLimit + 1, 'x')
                                   << "the file is larger than a help file can be";
    }
    void damagedFilesSayWhy()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, error);
        const HelpManual::Parsed parsed = HelpManual::parse(file);
        QVERIFY(!parsed.manual);
        QCOMPARE(parsed.error, error);
    }

    void addresses()
    {
        QCOMPARE(helpAddress(1630), QStringLiteral("help:1630"));
        QCOMPARE(helpContextOfAddress(QStringLiteral("help:1630")), 1630);
        QCOMPARE(helpContextOfAddress(QStringLiteral("help:")), std::nullopt);
        QCOMPARE(helpContextOfAddress(QStringLiteral("help:-4")), std::nullopt);
        QCOMPARE(helpContextOfAddress(QStringLiteral("http://www.quillonsoftware.com")), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestHelpFile)
#include "tst_helpfile.moc"
