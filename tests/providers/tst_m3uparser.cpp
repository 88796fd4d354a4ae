#include "m3ureference.h"
#include "providers/m3uparser.h"
#include "testmain.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

namespace {
QString describe(const M3uParser::Result& r)
{
    QStringList out;
    for (const MediaItem& i : r.items)
        out << QStringLiteral("item[%1|%2|%3|%4|%5|%6]")
                   .arg(i.type)
                   .arg(i.name, i.categoryId, i.iconUrl, i.id, i.streamUrl);
    for (const Category& c : r.categories)
        out << QStringLiteral("cat[%1|%2]").arg(c.id, c.name);
    return out.join(u'\n');
}

QString randomPlaylist(QRandomGenerator& rng)
{
    static const QStringList pieces = {QStringLiteral("#EXTINF:-1"),
                                       QStringLiteral("#extinf:0"),
                                       QStringLiteral("#EXTM3U"),
                                       QStringLiteral("#EXTVLCOPT:x=1"),
                                       QStringLiteral(" group-title=\"News\""),
                                       QStringLiteral(" group-title=\"news\""),
                                       QStringLiteral(" group-title=\"\""),
                                       QStringLiteral(" GROUP-TITLE=\"Up\""),
                                       QStringLiteral(" group-title='single'"),
                                       QStringLiteral(" group-title=\"open"),
                                       QStringLiteral(" tvg-logo=\"l.png\""),
                                       QStringLiteral(" xtvg-logo=\"x.png\""),
                                       QStringLiteral("tvg-logo="),
                                       QStringLiteral("\""),
                                       QStringLiteral(","),
                                       QStringLiteral(", Name"),
                                       QStringLiteral("Sport, Live"),
                                       QStringLiteral("http://h/a.ts"),
                                       QStringLiteral("rtmp://x"),
                                       QStringLiteral("  "),
                                       QStringLiteral("\t"),
                                       QStringLiteral("\r\n"),
                                       QStringLiteral("\n"),
                                       QStringLiteral("\r"),
                                       QStringLiteral("\n\n"),
                                       QStringLiteral("Ünï"),
                                       QStringLiteral("\u00A0"),
                                       QStringLiteral("\u3000"),
                                       QStringLiteral("\u2028"),
                                       QStringLiteral("\u0085"),
                                       QStringLiteral("#EXT\u0130NF:-1"),
                                       QStringLiteral("#"),
                                       QStringLiteral("=")};
    QString text;
    const int n = rng.bounded(1, 60);
    for (int i = 0; i < n; ++i)
        text += pieces.at(rng.bounded(int(pieces.size())));
    return text;
}
} // namespace

class TestM3uParser : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString item = QStringLiteral("item[0|%1|%2|%3|%4|%4]");
        const QString cat = QStringLiteral("cat[%1|%1]");

        QTest::newRow("empty text gives nothing") << QString() << QString();
        QTest::newRow("only comments and blanks")
            << QStringLiteral("#EXTM3U\n\n# hello\n  \n") << QString();
        QTest::newRow("full entry: name, logo, group")
            << QStringLiteral("#EXTM3U\n#EXTINF:-1 tvg-logo=\"logo.png\" "
                              "group-title=\"News\",Channel One\nhttp://a/1.ts\n")
            << item.arg(QStringLiteral("Channel One"), QStringLiteral("News"),
                        QStringLiteral("logo.png"), QStringLiteral("http://a/1.ts")) +
                   u'\n' + cat.arg(QStringLiteral("News"));
        QTest::newRow("directives and blank lines between EXTINF and URL keep the entry")
            << QStringLiteral(
                   "#EXTINF:-1,A\n\n#EXTVLCOPT:http-user-agent=x\n#EXTGRP:G\n   \nhttp://a\n")
            << item.arg(QStringLiteral("A"), QStringLiteral("Uncategorized"), QString(),
                        QStringLiteral("http://a")) +
                   u'\n' + cat.arg(QStringLiteral("Uncategorized"));
        QTest::newRow("no comma: Unnamed")
            << QStringLiteral("#EXTINF:-1 group-title=\"G\"\nu\n")
            << item.arg(QStringLiteral("Unnamed"), QStringLiteral("G"), QString(),
                        QStringLiteral("u")) +
                   u'\n' + cat.arg(QStringLiteral("G"));
        QTest::newRow("name keeps only what follows the last comma")
            << QStringLiteral("#EXTINF:-1,News, Sport\nu\n")
            << item.arg(QStringLiteral("Sport"), QStringLiteral("Uncategorized"), QString(),
                        QStringLiteral("u")) +
                   u'\n' + cat.arg(QStringLiteral("Uncategorized"));
        QTest::newRow("trailing comma: empty name, URL ignored")
            << QStringLiteral("#EXTINF:-1 group-title=\"G\",\nu\n") << QString();
        QTest::newRow("empty group-title is Uncategorized")
            << QStringLiteral("#EXTINF:-1 group-title=\"\",A\nu\n")
            << item.arg(QStringLiteral("A"), QStringLiteral("Uncategorized"), QString(),
                        QStringLiteral("u")) +
                   u'\n' + cat.arg(QStringLiteral("Uncategorized"));
        QTest::newRow("attribute names are case-sensitive, single quotes and open quotes ignored")
            << QStringLiteral(
                   "#EXTINF:-1 GROUP-TITLE=\"Up\" tvg-logo='x' group-title=\"open,A\nu\n")
            << item.arg(QStringLiteral("A"), QStringLiteral("Uncategorized"), QString(),
                        QStringLiteral("u")) +
                   u'\n' + cat.arg(QStringLiteral("Uncategorized"));
        QTest::newRow("group-title inside the display name still counts")
            << QStringLiteral("#EXTINF:-1,Name group-title=\"G\"\nu\n")
            << item.arg(QStringLiteral("Name group-title=\"G\""), QStringLiteral("G"), QString(),
                        QStringLiteral("u")) +
                   u'\n' + cat.arg(QStringLiteral("G"));
        QTest::newRow("longer attribute name ending alike also matches")
            << QStringLiteral("#EXTINF:-1 xtvg-logo=\"x.png\",A\nu\n")
            << item.arg(QStringLiteral("A"), QStringLiteral("Uncategorized"),
                        QStringLiteral("x.png"), QStringLiteral("u")) +
                   u'\n' + cat.arg(QStringLiteral("Uncategorized"));
        QTest::newRow("URL without EXTINF, and a second URL, are ignored")
            << QStringLiteral("http://orphan\n#EXTINF:-1,A\nu1\nu2\n")
            << item.arg(QStringLiteral("A"), QStringLiteral("Uncategorized"), QString(),
                        QStringLiteral("u1")) +
                   u'\n' + cat.arg(QStringLiteral("Uncategorized"));
        QTest::newRow("two EXTINF lines in a row: the second wins")
            << QStringLiteral("#EXTINF:-1 group-title=\"First\",A\n#EXTINF:-1,B\nu\n")
            << item.arg(QStringLiteral("B"), QStringLiteral("Uncategorized"), QString(),
                        QStringLiteral("u")) +
                   u'\n' + cat.arg(QStringLiteral("Uncategorized"));
        QTest::newRow("lower-case #extinf prefix counts")
            << QStringLiteral("#extinf:-1,a\nu\n")
            << item.arg(QStringLiteral("a"), QStringLiteral("Uncategorized"), QString(),
                        QStringLiteral("u")) +
                   u'\n' + cat.arg(QStringLiteral("Uncategorized"));
        QTest::newRow("CRLF, lone CR and surrounding tabs change nothing")
            << QStringLiteral("\t#EXTINF:-1,A \r\n  u1\t\r#EXTINF:-1,B\ru2")
            << item.arg(QStringLiteral("A"), QStringLiteral("Uncategorized"), QString(),
                        QStringLiteral("u1")) +
                   u'\n' +
                   item.arg(QStringLiteral("B"), QStringLiteral("Uncategorized"), QString(),
                            QStringLiteral("u2")) +
                   u'\n' + cat.arg(QStringLiteral("Uncategorized"));
        QTest::newRow("groups: case-sensitive, listed once at first accepted entry")
            << QStringLiteral("#EXTINF:-1 group-title=\"Lost\",X\n#EXTINF:-1 "
                              "group-title=\"News\",A\nu\n#EXTINF:-1 "
                              "group-title=\"news\",B\nu\n#EXTINF:-1 group-title=\"News\",C\nu\n")
            << item.arg(QStringLiteral("A"), QStringLiteral("News"), QString(),
                        QStringLiteral("u")) +
                   u'\n' +
                   item.arg(QStringLiteral("B"), QStringLiteral("news"), QString(),
                            QStringLiteral("u")) +
                   u'\n' +
                   item.arg(QStringLiteral("C"), QStringLiteral("News"), QString(),
                            QStringLiteral("u")) +
                   u'\n' + cat.arg(QStringLiteral("News")) + u'\n' +
                   cat.arg(QStringLiteral("news"));
        QTest::newRow("byte-order mark before the first line is not part of it")
            << (QString(QChar(0xFEFF)) + QStringLiteral("#EXTINF:-1,A\nu"))
            << item.arg(QStringLiteral("A"), QStringLiteral("Uncategorized"), QString(),
                        QStringLiteral("u")) +
                   u'\n' + cat.arg(QStringLiteral("Uncategorized"));
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(describe(M3uParser::parse(text)), expected);
        QCOMPARE(describe(M3uParser::parseUtf8(text.toUtf8())), expected);
    }

    // Thousands of random playlists built from the tricky pieces: the scanner and the literal
    // rules must agree on every one.
    void sameAsTheRules()
    {
        QRandomGenerator rng(20261207);
        for (int i = 0; i < 20000; ++i) {
            QString text = randomPlaylist(rng);
            if (text.startsWith(QChar(0xFEFF)))
                continue;
            const QString fast = describe(M3uParser::parse(text));
            const QString slow = describe(m3uReferenceParse(text));
            if (fast != slow || describe(M3uParser::parseUtf8(text.toUtf8())) != slow)
                QFAIL(qPrintable(QStringLiteral("mismatch for: ") + text.toHtmlEscaped()));
        }
    }

    // Bytes read field by field give what decoding the whole text first gives.
    void bytesAsDecodedText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("items");
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF#EXTINF:-1,A\nu") << 1;
        QTest::newRow("two byte-order marks")
            << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF#EXTINF:-1,A\nu") << 1;
        QTest::newRow("invalid UTF-8 in a name") << QByteArray("#EXTINF:-1,A\xC3\nu") << 1;
        QTest::newRow("sequence cut by a quote")
            << QByteArray("#EXTINF:-1 group-title=\"G\xE2\x82\",A\nu") << 1;
        QTest::newRow("Unicode spaces around fields")
            << QByteArray("#EXTINF:-1,\xC2\xA0N\xE3\x80\x80\n\xE2\x80\xA8u\xC2\x85\n") << 1;
        QTest::newRow("name of Unicode spaces only")
            << QByteArray("#EXTINF:-1,\xE2\x80\x8A\xE1\x9A\x80\nu") << 0;
        QTest::newRow("a separator that is not a space")
            << QByteArray("#EXTINF:-1,\xE2\x80\x8B\nu") << 1;
        QTest::newRow("dotted capital I in the tag")
            << QByteArray("#EXT\xC4\xB0NF:-1,A\nu\n#ext\xC4\xB1nf:-1,B\nv") << 0;
        QTest::newRow("old Mac line ends")
            << QByteArray("#EXTINF:-1,A\ru\r\r#EXTINF:-1,B\r\nv") << 2;
        QTest::newRow("empty logo and no logo")
            << QByteArray("#EXTINF:-1 tvg-logo=\"\",A\nu\n#EXTINF:-1,B\nv\n") << 2;
    }
    void bytesAsDecodedText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, items);
        const M3uParser::Result direct = M3uParser::parseUtf8(bytes);
        QCOMPARE(describe(direct), describe(M3uParser::parse(QString::fromUtf8(bytes))));
        QCOMPARE(direct.items.size(), items);
    }

    void badInput()
    {
        // Binary garbage, NUL bytes and invalid UTF-8.
        QByteArray garbage(1 << 20, '\0');
        QRandomGenerator rng(7);
        for (char& c : garbage)
            c = char(rng.bounded(256));
        QCOMPARE(describe(M3uParser::parse(QString::fromUtf8(garbage))),
                 describe(m3uReferenceParse(QString::fromUtf8(garbage))));
        QCOMPARE(describe(M3uParser::parseUtf8(garbage)),
                 describe(M3uParser::parse(QString::fromUtf8(garbage))));

        const QString withNul = QStringLiteral("#EXTINF:-1,A") + QChar(0) + QStringLiteral("B\nu") +
                                QChar(0) + QStringLiteral("v\n");
        const auto nul = M3uParser::parse(withNul);
        QCOMPARE(nul.items.size(), 1);
        QCOMPARE(nul.items[0].id.size(), 3);

        // A 50 MB single line, and a million blank lines before one entry.
        const QString huge = QStringLiteral("#EXTINF:-1,") + QString(50 * 1024 * 1024 / 2, u'x');
        QCOMPARE(M3uParser::parse(huge).items.size(), 0);
        const QString blank =
            QStringLiteral("#EXTINF:-1,A") + QString(1000000, u'\n') + QStringLiteral("u");
        QCOMPARE(M3uParser::parse(blank).items.size(), 1);
        QCOMPARE(M3uParser::parse(QString(1000000, u'\r')).items.size(), 0);
    }

    void duplicatesAndSharing()
    {
        const auto r = M3uParser::parse(
            QStringLiteral("#EXTINF:-1,A\nhttp://same\n#EXTINF:-1,B\nhttp://same\n"));
        QCOMPARE(r.items.size(), 2);
        QCOMPARE(r.items[0].id, r.items[1].id);
        QCOMPARE(r.items[0].type, int(MediaItem::Live));
        QCOMPARE(r.items[0].rating, 0.0);
        QCOMPARE(r.items[0].addedAt, 0);
        QVERIFY(r.items[0].containerExtension.isEmpty());
    }

    // Guide names of each entry and the guide addresses of the header, in both readings.
    void guideAttributes()
    {
        const QString text =
            QStringLiteral("#EXTM3U x-tvg-url=\"http://g/a.xml.gz, http://g/b.xml\"\n"
                           "#EXTINF:-1 tvg-id=\"bbc1.uk\" tvg-name=\"BBC One\",BBC 1\nhttp://s/1\n"
                           "#EXTINF:-1,Plain\nhttp://s/2\n");
        for (const M3uParser::Result& result :
             {M3uParser::parse(text), M3uParser::parseUtf8(text.toUtf8())}) {
            QCOMPARE(result.guideUrls, QStringList({QStringLiteral("http://g/a.xml.gz"),
                                                    QStringLiteral("http://g/b.xml")}));
            QCOMPARE(result.items.size(), 2);
            QCOMPARE(result.items.at(0).guideId, QStringLiteral("bbc1.uk"));
            QCOMPARE(result.items.at(0).guideName, QStringLiteral("BBC One"));
            QVERIFY(result.items.at(1).guideId.isEmpty());
        }
    }

    void catchupAttributes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // type|days|source of the one entry
        QTest::newRow("none") << "#EXTINF:-1,A\nu"
                              << "|0|";
        QTest::newRow("header gives every entry its archive")
            << "#EXTM3U catchup=\"append\" catchup-source=\"?utc={utc}\" catchup-days=\"5\"\n"
               "#EXTINF:-1,A\nu"
            << "append|5|?utc={utc}";
        QTest::newRow("entry kind over the header's, days assumed")
            << "#EXTM3U catchup=\"shift\"\n#EXTINF:-1 catchup-type=\"flussonic-hls\",A\nu"
            << "flussonic|3|";
        QTest::newRow("older timeshift days alone") << "#EXTINF:-1 timeshift=\"7\",A\nu"
                                                    << "shift|7|";
        QTest::newRow("a template alone") << "#EXTINF:-1 catchup-source=\"http://a/{utc}\",A\nu"
                                          << "default|3|http://a/{utc}";
        QTest::newRow("another attribute's timeshift") << "#EXTINF:-1 tvg-timeshift=\"2\",A\nu"
                                                       << "|0|";
        QTest::newRow("a kind no address is known for")
            << "#EXTINF:-1 catchup=\"vod\" catchup-days=\"2\",A\nu"
            << "|0|";
    }

    void catchupAttributes()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        // Both readings: the window reads playlists from their bytes.
        for (const M3uParser::Result& result :
             {M3uParser::parse(text), M3uParser::parseUtf8(text.toUtf8())}) {
            QCOMPARE(result.items.size(), 1);
            const MediaItem& item = result.items.first();
            QCOMPARE(
                QStringLiteral("%1|%2|%3")
                    .arg(item.catchupType, QString::number(item.archiveDays), item.catchupSource),
                expected);
        }
    }
};

VELMORA_TEST_MAIN(TestM3uParser)
#include "tst_m3uparser.moc"
