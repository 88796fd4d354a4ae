#include "providers/jsonreadings.h"
#include "providers/xtreamparser.h"
#include "recorddiff.h"
#include "testmain.h"

#include <QJsonValue>
#include <QRandomGenerator>
#include <QVariant>

#include <cmath>
#include <functional>
#include <limits>

// Every answer is read twice, by the fast path and by Qt's parser and conversions alone, and the
// two must agree in every field and in `ok`; the expected values are checked on top where the
// readings table gives them.

namespace {
enum class Kind
{
    Categories,
    Live,
    Vod,
    Series,
    Episodes
};

struct Outcome
{
    bool ok = false;
    qsizetype count = 0;
    QString difference; // fast vs reference, empty when they agree
};

template <typename Record>
Outcome compare(const std::function<QList<Record>(const QByteArray&, bool*, JsonPath)>& parse,
                const QByteArray& body)
{
    bool fastOk = false;
    bool referenceOk = false;
    const QList<Record> fast = parse(body, &fastOk, JsonPath::Fast);
    const QList<Record> reference = parse(body, &referenceOk, JsonPath::Reference);
    Outcome outcome;
    outcome.ok = fastOk;
    outcome.count = fast.size();
    if (fastOk != referenceOk)
        outcome.difference = QStringLiteral("ok %1 vs %2").arg(fastOk).arg(referenceOk);
    else
        outcome.difference = recorddiff::diff(fast, reference);
    return outcome;
}

Outcome compareKind(Kind kind, const QByteArray& body)
{
    switch (kind) {
    case Kind::Categories:
        return compare<Category>(&XtreamParser::categories, body);
    case Kind::Live:
        return compare<MediaItem>(&XtreamParser::liveStreams, body);
    case Kind::Vod:
        return compare<MediaItem>(&XtreamParser::vodStreams, body);
    case Kind::Series:
        return compare<MediaItem>(&XtreamParser::series, body);
    case Kind::Episodes:
        return compare<Episode>(&XtreamParser::seriesEpisodes, body);
    }
    return {};
}

const QList<Kind> kAllKinds = {Kind::Categories, Kind::Live, Kind::Vod, Kind::Series,
                               Kind::Episodes};

// Values that make the readings differ: numbers in every form JSON allows (and some only Qt
// allows), strings Qt's variant conversion treats specially, and every other type.
const QList<QByteArray> kTrickyValues = {"0",
                                         "-0",
                                         "1",
                                         "-1",
                                         "123",
                                         "123.0",
                                         "3.000",
                                         "2.5",
                                         "-2.5",
                                         "0.5",
                                         "8.2",
                                         "1e3",
                                         "1E-2",
                                         "1.5e300",
                                         "1e308",
                                         "-1e308",
                                         "5e-324",
                                         "1e-320",
                                         "2147483647",
                                         "2147483648",
                                         "-2147483649",
                                         "9007199254740993",
                                         "9223372036854775807",
                                         "-9223372036854775808",
                                         "9223372036854775808",
                                         "18446744073709551615",
                                         "18446744073709551616",
                                         "0.0",
                                         "-0.0",
                                         "\"\"",
                                         "\"0\"",
                                         "\"123\"",
                                         "\"0042\"",
                                         "\"-17\"",
                                         "\"+5\"",
                                         "\" 12\"",
                                         "\"12 \"",
                                         "\"\\t7\"",
                                         "\"1e3\"",
                                         "\"0x10\"",
                                         "\"8.2\"",
                                         "\"8,2\"",
                                         "\"-0\"",
                                         "\".5\"",
                                         "\"5.\"",
                                         "\"N/A\"",
                                         "\"abc\"",
                                         "\"inf\"",
                                         "\"-inf\"",
                                         "\"nan\"",
                                         "\"NaN\"",
                                         "\"Infinity\"",
                                         "\"1e400\"",
                                         "\"1e-400\"",
                                         "\"9223372036854775807\"",
                                         "\"9223372036854775808\"",
                                         "\"99999999999999999999\"",
                                         "\"123456789012345678\"",
                                         "\"1234567890123456789\"",
                                         "\"0.1000000000000000055511151231257827\"",
                                         "\"true\"",
                                         "\"\\u0031\\u0032\"",
                                         "\"\\u00e9t\\u00e9\"",
                                         "\"\\ud83d\\ude00\"",
                                         "\"nul\\u0000in\"",
                                         "\"\xC3\xA9\"",
                                         "\"\\/\"",
                                         "true",
                                         "false",
                                         "null",
                                         "[]",
                                         "{}",
                                         "[1,2]",
                                         "{\"a\":1}",
                                         "[\"5\"]"};

// Values only Qt's parser takes (simdjson declines them) or nobody takes.
const QList<QByteArray> kOddValues = {"1.",
                                      ".5",
                                      "1.e5",
                                      "1e-400",
                                      "1e400",
                                      "\"\\udc00x\"",
                                      "\"\\ud800\"",
                                      "\"\\x\"",
                                      "\"tab\there\"",
                                      "\"\x01\"",
                                      "01",
                                      "-",
                                      "123456789012345678901234"};
} // namespace

class TestXtreamParser : public QObject
{
    Q_OBJECT

private slots:
    // One movie element carrying `value` in its id, rating, time stamp and name: the integer,
    // decimal and text readings of that value.
    void readings_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("id");
        QTest::addColumn<double>("rating");
        QTest::addColumn<qint64>("added");
        QTest::addColumn<QString>("name");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        auto row = [](const char* name, const char* value, bool ok, const char* id, double rating,
                      qint64 added, const QString& text) {
            QTest::newRow(name) << QByteArray(value) << ok << QString::fromUtf8(id) << rating
                                << added << text;
        };
        row("number 123", "123", true, "123", 123, 123, {});
        row("string 123", "\"123\"", true, "123", 123, 123, QStringLiteral("123"));
        row("number 123.0", "123.0", true, "123", 123, 123, {});
        row("string 0042 gives 42", "\"0042\"", true, "42", 42, 42, QStringLiteral("0042"));
        row("string abc gives 0", "\"abc\"", true, "0", 0, 0, QStringLiteral("abc"));
        row("empty string gives 0", "\"\"", true, "0", 0, 0, {});
        row("missing gives 0", nullptr, true, "0", 0, 0, {});
        row("string 8.2: decimal only", "\"8.2\"", true, "0", 8.2, 0, QStringLiteral("8.2"));
        row("number 8.2 rounds for integers", "8.2", true, "8", 8.2, 8, {});
        row("number 2.5 rounds half away", "2.5", true, "3", 2.5, 3, {});
        row("number -2.5 rounds half away", "-2.5", true, "-3", -2.5, -3, {});
        row("string N/A gives 0", "\"N/A\"", true, "0", 0, 0, QStringLiteral("N/A"));
        row("true gives 1", "true", true, "1", 1, 1, {});
        row("false gives 0", "false", true, "0", 0, 0, {});
        row("null gives 0", "null", true, "0", 0, 0, {});
        row("array gives 0", "[1]", true, "0", 0, 0, {});
        row("object gives 0", "{\"a\":1}", true, "0", 0, 0, {});
        row("spaces around digits count", "\" 12\"", true, "12", 12, 12, QStringLiteral(" 12"));
        row("exponent string: decimal only", "\"1e3\"", true, "0", 1000, 0, QStringLiteral("1e3"));
        row("hex string gives 0", "\"0x10\"", true, "0", 0, 0, QStringLiteral("0x10"));
        row("plus sign counts", "\"+5\"", true, "5", 5, 5, QStringLiteral("+5"));
        row("string inf", "\"inf\"", true, "0", inf, 0, QStringLiteral("inf"));
        row("string nan", "\"nan\"", true, "0", nan, 0, QStringLiteral("nan"));
        row("64-bit milliseconds", "1700000000000", true, "1700000000000", 1.7e12, 1700000000000,
            {});
        row("largest 64-bit string", "\"9223372036854775807\"", true, "9223372036854775807",
            9223372036854775807.0, std::numeric_limits<qint64>::max(),
            QStringLiteral("9223372036854775807"));
        row("smallest 64-bit number", "-9223372036854775808", true, "-9223372036854775808",
            -9223372036854775808.0, std::numeric_limits<qint64>::min(), {});
        row("beyond 64 bits as a string gives 0", "\"9223372036854775808\"", true, "0",
            9223372036854775808.0, 0, QStringLiteral("9223372036854775808"));
        row("escapes in a string", "\"t\\u00e9\\/x\"", true, "0", 0, 0, QStringLiteral("té/x"));
        row("raw tab in a string (Qt takes it)", "\"a\tb\"", true, "0", 0, 0,
            QStringLiteral("a\tb"));
        row("lone surrogate escape (Qt takes it)", "\"\\ud800\"", true, "0", 0, 0,
            QString(QChar(0xD800)));
        row("unknown escape (Qt takes it)", "\"\\x\"", true, "0", 0, 0, QStringLiteral("x"));
        // Qt drops a byte-order mark that opens a text, and only there.
        row("byte-order mark opening a string",
            "\"\xEF\xBB\xBF"
            "12\"",
            true, "12", 12, 12, QStringLiteral("12"));
        row("escaped byte-order mark opening a string (Qt keeps it)", "\"\\ufeff12\"", true, "0", 0,
            0,
            QStringLiteral("\uFEFF"
                           "12"));
        row("byte-order mark inside a string",
            "\"1\xEF\xBB\xBF"
            "2\"",
            true, "0", 0, 0,
            QStringLiteral("1\uFEFF"
                           "2"));
        // Forms the direct reading hands on to simdjson's document or to Qt.
        row("minus zero", "-0", true, "0", 0, 0, {});
        row("exponent", "1.5e2", true, "150", 150, 150, {});
        row("19 digits", "1234567890123456789", true, "1234567890123456789", 1234567890123456789.0,
            1234567890123456789, {});
        row("escaped digits", "\"\\u0031\\u0032\"", true, "12", 12, 12, QStringLiteral("12"));
        row("surrogate pair escape", "\"\\ud83d\\ude00\"", true, "0", 0, 0,
            QStringLiteral("\U0001F600"));
        row("escaped NUL", "\"a\\u0000\"", true, "0", 0, 0, QStringLiteral("a") + QChar(0));
        // Escaped texts are decoded in one pass, 16 plain bytes at a time: long runs, raw UTF-8
        // of every length and escapes around each other's edges.
        row("long escaped text with raw UTF-8",
            "\"http:\\/\\/img.example.invalid\\/posters\\/M\xC3\xBCnchen_\xE6\x9D\xB1\xE4\xBA\xAC"
            "_\xF0\x9F\x98\x80_0123456789abcdef\\u00e9\\ud83d\\ude00\\n\\t\\\"\\\\.jpg\"",
            true, "0", 0, 0,
            QStringLiteral(
                "http://img.example.invalid/posters/M\u00FCnchen_\u6771\u4EAC_\U0001F600_"
                "0123456789abcdef\u00E9\U0001F600\n\t\"\\.jpg"));
        row("long fraction rounds once", "0.1000000000000000055511151231257827", true, "0", 0.1, 0,
            {});
        row("number underflowing to zero fails the answer", "1e-400", false, "", 0, 0, {});
        row("fraction underflowing to zero fails the answer",
            ("0." + std::string(400, '0') + "1").c_str(), false, "", 0, 0, {});
        row("number beyond double fails the answer", "1e400", false, "", 0, 0, {});
    }
    void readings()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, ok);
        QByteArray body = "[{}]";
        if (!value.isNull())
            body = "[{\"stream_id\":" + value + ",\"rating\":" + value + ",\"added\":" + value +
                   ",\"name\":" + value + "}]";
        const Outcome outcome = compareKind(Kind::Vod, body);
        QVERIFY2(outcome.difference.isEmpty(), qPrintable(outcome.difference));
        QCOMPARE(outcome.ok, ok);
        bool parsedOk = false;
        const QList<MediaItem> items = XtreamParser::vodStreams(body, &parsedOk);
        if (!ok) {
            QVERIFY(items.isEmpty());
            return;
        }
        QCOMPARE(items.size(), 1);
        QFETCH(QString, id);
        QFETCH(double, rating);
        QFETCH(qint64, added);
        QFETCH(QString, name);
        const MediaItem& item = items.first();
        QCOMPARE(item.type, int(MediaItem::Movie));
        QCOMPARE(item.id, id);
        QVERIFY2(recorddiff::sameNumber(item.rating, rating),
                 qPrintable(QString::number(item.rating, 'g', 17)));
        QCOMPARE(item.addedAt, added);
        QCOMPARE(item.name, name);
    }

    // Whole answers of odd shapes, for every kind of list: whether they are JSON at all and
    // how many records they give.
    void shapes_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("arrayCount"); // records of the four array kinds
        QTest::newRow("empty array") << QByteArray("[]") << true << 0;
        QTest::newRow("error object instead of an array")
            << QByteArray(R"({"user_info":{"auth":0}})") << true << 0;
        QTest::newRow("non-object elements still make records")
            << QByteArray(R"(["x", 1, null, [], {}, true])") << true << 6;
        QTest::newRow("whitespace around") << QByteArray(" \n\t[ {} ]\r\n ") << true << 1;
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[{}]") << true << 1;
        QTest::newRow("two byte-order marks")
            << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[]") << false << 0;
        QTest::newRow("scalar number") << QByteArray("123") << false << 0;
        QTest::newRow("scalar string") << QByteArray("\"x\"") << false << 0;
        QTest::newRow("null") << QByteArray("null") << false << 0;
        QTest::newRow("empty body") << QByteArray() << false << 0;
        QTest::newRow("HTML error page")
            << QByteArray("<html><body>Error</body></html>") << false << 0;
        QTest::newRow("trailing garbage") << QByteArray("[] x") << false << 0;
        QTest::newRow("trailing comma") << QByteArray("[{},]") << false << 0;
        QTest::newRow("cut short") << QByteArray("[{\"stream_id\":1,\"name\":\"A") << false << 0;
        QTest::newRow("invalid UTF-8") << QByteArray("[\"\xC3\x28\"]") << false << 0;
        QTest::newRow("NUL after the text") << QByteArray("[]\0", 3) << false << 0;
        QTest::newRow("duplicate keys: the last counts")
            << QByteArray(
                   R"([{"stream_id":1,"category_id":"a","stream_id":"2","category_id":"b"}])")
            << true << 1;
        QTest::newRow("byte-order mark opening a key")
            << QByteArray("[{\"\xEF\xBB\xBFstream_id\":5}]") << true << 1;
        QTest::newRow("deep but allowed nesting")
            << "[{\"junk\":" + QByteArray(900, '[') + QByteArray(900, ']') + "}]" << true << 1;
        for (int depth : {1022, 1023, 1024, 1025}) {
            QTest::addRow("nesting of %d levels at the top", depth)
                << QByteArray(depth, '[') + QByteArray(depth, ']') << (depth <= 1024)
                << (depth <= 1024 ? 1 : 0);
        }
        QTest::newRow("100k nested arrays")
            << QByteArray(100000, '[') + QByteArray(100000, ']') << false << 0;
        QTest::newRow("100k nested arrays inside an element")
            << "[{\"name\":\"x\",\"junk\":" + QByteArray(100000, '[') + QByteArray(100000, ']') +
                   "}]"
            << false << 0;
        QTest::newRow("100k unclosed arrays") << QByteArray(100000, '[') << false << 0;
        QTest::newRow("70 levels inside an element")
            << "[{\"junk\":" + QByteArray(70, '[') + QByteArray(70, ']') + "},{}]" << true << 2;
        QTest::newRow("escaped key") << QByteArray(R"([{"n\u0061me":"x"},{}])") << true << 2;
        QTest::newRow("control character in a string")
            << QByteArray("[{\"name\":\"a\x01\"}]") << true << 1;
        QTest::newRow("mismatched brackets") << QByteArray("[{]}") << false << 0;
        QTest::newRow("half a million elements")
            << "[" + QByteArray("{},").repeated(500000) + "{}]" << true << 500001;
    }
    void shapes()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, ok);
        QFETCH(int, arrayCount);
        for (const Kind kind : kAllKinds) {
            const Outcome outcome = compareKind(kind, body);
            QVERIFY2(outcome.difference.isEmpty(), qPrintable(outcome.difference));
            QCOMPARE(outcome.ok, ok);
            if (kind != Kind::Episodes)
                QCOMPARE(outcome.count, qsizetype(arrayCount));
        }
    }

    void fieldsOfEachKind()
    {
        const QList<Category> categories = XtreamParser::categories(
            R"([{"category_id":"7","category_name":"News"},{"category_id":7,"category_name":"Sport"}])");
        QCOMPARE(categories.size(), 2);
        QCOMPARE(categories[0].id, QStringLiteral("7"));
        QCOMPARE(categories[0].name, QStringLiteral("News"));
        QCOMPARE(categories[1].id, QString()); // a number is not text

        const QList<MediaItem> live = XtreamParser::liveStreams(
            R"([{"stream_id":5,"name":"One","category_id":"3","stream_icon":"http://i/1.png",)"
            R"("container_extension":"ts","rating":"9","added":"1700000000"}])");
        QCOMPARE(live.size(), 1);
        QCOMPARE(live[0].type, int(MediaItem::Live));
        QCOMPARE(live[0].id, QStringLiteral("5"));
        QCOMPARE(live[0].name, QStringLiteral("One"));
        QCOMPARE(live[0].categoryId, QStringLiteral("3"));
        QCOMPARE(live[0].iconUrl, QStringLiteral("http://i/1.png"));
        QCOMPARE(live[0].containerExtension, QString()); // ignored for channels
        QCOMPARE(live[0].rating, 0.0);
        QCOMPARE(live[0].addedAt, 0);
        QCOMPARE(live[0].streamUrl, QString());

        const QList<MediaItem> movies = XtreamParser::vodStreams(
            R"([{"stream_id":"77","name":"Film","category_id":"4","stream_icon":"p.jpg",)"
            R"("container_extension":"mkv","rating":"7.5","added":"1650000000"}])");
        QCOMPARE(movies.size(), 1);
        QCOMPARE(movies[0].type, int(MediaItem::Movie));
        QCOMPARE(movies[0].id, QStringLiteral("77"));
        QCOMPARE(movies[0].iconUrl, QStringLiteral("p.jpg"));
        QCOMPARE(movies[0].containerExtension, QStringLiteral("mkv"));
        QCOMPARE(movies[0].rating, 7.5);
        QCOMPARE(movies[0].addedAt, 1650000000);

        const QList<MediaItem> series = XtreamParser::series(
            R"([{"series_id":12,"name":"Show","category_id":"9","cover":"c.jpg","stream_icon":"no",)"
            R"("rating":8,"last_modified":"1660000000","added":"1"}])");
        QCOMPARE(series.size(), 1);
        QCOMPARE(series[0].type, int(MediaItem::Series));
        QCOMPARE(series[0].id, QStringLiteral("12"));
        QCOMPARE(series[0].iconUrl, QStringLiteral("c.jpg"));
        QCOMPARE(series[0].rating, 8.0);
        QCOMPARE(series[0].addedAt, 1660000000);
    }

    void episodes()
    {
        const QByteArray body = R"({"seasons":[],"info":{"name":"The Show"},"episodes":{
            "2":[{"id":"21","episode_num":1,"title":"Two","container_extension":"mkv"}],
            "10":[{"id":"101","episode_num":"5","title":"Ten"}],
            "1":[{"id":"11","episode_num":5,"title":"A","container_extension":"mp4"},
                 {"id":12,"episode_num":6.0},{"id":"13","episode_num":6.5},"junk"],
            "3":{"not":"an array"},
            "4":[],
            "S1":[{"id":"abc"}]}})";
        const Outcome outcome = compareKind(Kind::Episodes, body);
        QVERIFY2(outcome.difference.isEmpty(), qPrintable(outcome.difference));
        const QList<Episode> list = XtreamParser::seriesEpisodes(body);
        // Seasons in the order JSON object keys sort: 1, 10, 2, S1; the server's order inside.
        const QList<std::tuple<QString, int, int, QString, QString>> expected = {
            {QStringLiteral("11"), 1, 5, QStringLiteral("A"), QStringLiteral("mp4")},
            {QStringLiteral("12"), 1, 6, QString(), QString()},
            {QStringLiteral("13"), 1, 0, QString(), QString()},
            {QStringLiteral("0"), 1, 0, QString(), QString()},
            {QStringLiteral("101"), 10, 0, QStringLiteral("Ten"), QString()},
            {QStringLiteral("21"), 2, 1, QStringLiteral("Two"), QStringLiteral("mkv")},
            {QStringLiteral("0"), 0, 0, QString(), QString()},
        };
        QCOMPARE(list.size(), expected.size());
        for (qsizetype i = 0; i < list.size(); ++i) {
            const auto& [id, season, number, title, extension] = expected[i];
            QCOMPARE(list[i].id, id);
            QCOMPARE(list[i].seriesName, QStringLiteral("The Show"));
            QCOMPARE(list[i].season, season);
            QCOMPARE(list[i].episodeNumber, number);
            QCOMPARE(list[i].title, title);
            QCOMPARE(list[i].containerExtension, extension);
        }

        bool ok = false;
        QVERIFY(
            XtreamParser::seriesEpisodes(R"({"info":{"name":"X"},"episodes":[]})", &ok).isEmpty());
        QVERIFY(ok);
        QVERIFY(XtreamParser::seriesEpisodes(R"([{"id":"1"}])", &ok).isEmpty());
        QVERIFY(ok);
        const QList<Episode> nameless =
            XtreamParser::seriesEpisodes(R"({"episodes":{"1":[{"id":"5"}]}})");
        QCOMPARE(nameless.size(), 1);
        QCOMPARE(nameless[0].seriesName, QString());
        const QList<Episode> duplicate = XtreamParser::seriesEpisodes(
            R"({"episodes":{"1":[{"id":"5"}],"1":[{"id":"6"},{"id":"7"}]}})");
        QCOMPARE(duplicate.size(), 2);
        QCOMPARE(duplicate[0].id, QStringLiteral("6"));

        // Byte-order marks opening the series name and a season key: Qt's texts drop them.
        const QByteArray marked = "{\"info\":{\"name\":\"\xEF\xBB\xBFShow\"},\"episodes\":{"
                                  "\"\xEF\xBB\xBF"
                                  "2\":[{\"id\":1}],\"1\":[{\"id\":2}]}}";
        const Outcome markedOutcome = compareKind(Kind::Episodes, marked);
        QVERIFY2(markedOutcome.difference.isEmpty(), qPrintable(markedOutcome.difference));
        const QList<Episode> markedList = XtreamParser::seriesEpisodes(marked);
        QCOMPARE(markedList.size(), 2);
        QCOMPARE(markedList[0].seriesName, QStringLiteral("Show"));
    }

    void seasonKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("season");
        QTest::newRow("plain") << QStringLiteral("3") << 3;
        QTest::newRow("leading zero") << QStringLiteral("03") << 3;
        QTest::newRow("negative") << QStringLiteral("-1") << -1;
        QTest::newRow("largest int") << QStringLiteral("2147483647") << 2147483647;
        QTest::newRow("beyond int") << QStringLiteral("2147483648") << 0;
        QTest::newRow("letters") << QStringLiteral("S1") << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("decimal") << QStringLiteral("1.5") << 0;
    }
    void seasonKeys()
    {
        QFETCH(QString, key);
        QFETCH(int, season);
        const QByteArray body = "{\"episodes\":{\"" + key.toUtf8() + "\":[{\"id\":\"1\"}]}}";
        const Outcome outcome = compareKind(Kind::Episodes, body);
        QVERIFY2(outcome.difference.isEmpty(), qPrintable(outcome.difference));
        const QList<Episode> list = XtreamParser::seriesEpisodes(body);
        QCOMPARE(list.size(), 1);
        QCOMPARE(list[0].season, season);
    }

    // The fast string conversions against Qt's variant conversion, on strings that look like
    // numbers in every way.
    void stringConversions()
    {
        QRandomGenerator rng(11);
        const QByteArray alphabet = "0123456789-+. eE";
        for (int i = 0; i < 200000; ++i) {
            // Half plain (optionally negative) digit runs, half any mix of number characters.
            QByteArray text;
            const int length = rng.bounded(1, i % 10 == 0 ? 40 : 22);
            const bool plain = rng.bounded(2) == 0;
            if (plain && rng.bounded(4) == 0)
                text += '-';
            for (int k = 0; k < length; ++k)
                text += plain ? char('0' + rng.bounded(10))
                              : alphabet.at(rng.bounded(int(alphabet.size())));
            const QVariant variant(QString::fromLatin1(text));
            const qint64 integer = JsonReadings::integerFromUtf8(text.constData(), text.size());
            const double decimal = JsonReadings::decimalFromUtf8(text.constData(), text.size());
            if (integer != variant.toLongLong() ||
                !recorddiff::sameNumber(decimal, variant.toDouble()))
                QFAIL(qPrintable(QStringLiteral("%1: %2/%3 vs %4/%5")
                                     .arg(QString::fromLatin1(text))
                                     .arg(integer)
                                     .arg(decimal, 0, 'g', 17)
                                     .arg(variant.toLongLong())
                                     .arg(variant.toDouble(), 0, 'g', 17)));
        }
    }

    // Random answers of every kind built from the tricky values, with duplicate keys, odd
    // spacing, escapes, and damage (flipped bytes, cuts): both paths must agree on all of them.
    void randomDocuments()
    {
        QRandomGenerator rng(20240601);
        const QList<QByteArray> arrayKeys = {
            "stream_id",           "series_id", "name",        "category_id", "category_name",
            "stream_icon",         "cover",     "rating",      "added",       "last_modified",
            "container_extension", "num",       "stream_type", "n\\u0061me"};
        const QList<QByteArray> episodeKeys = {
            "id", "episode_num", "title", "container_extension", "season", "info"};
        const QList<QByteArray> seasonKeys = {"1",
                                              "2",
                                              "10",
                                              "01",
                                              " 3",
                                              "-1",
                                              "S1",
                                              "",
                                              "2147483648",
                                              "\xC3\xA9",
                                              "\xF0\x9F\x98\x80",
                                              "\xEF\xBD\x81",
                                              "\\u0031",
                                              "9"};
        auto value = [&]() -> QByteArray {
            if (rng.bounded(100) == 0)
                return kOddValues.at(rng.bounded(int(kOddValues.size())));
            return kTrickyValues.at(rng.bounded(int(kTrickyValues.size())));
        };
        auto space = [&]() -> QByteArray {
            static const QList<QByteArray> spaces = {"", "", "", " ", "\n", "\t ", "\r\n"};
            return spaces.at(rng.bounded(int(spaces.size())));
        };
        auto object = [&](const QList<QByteArray>& keys) -> QByteArray {
            QByteArray o = "{";
            const int fields = rng.bounded(0, 9);
            for (int f = 0; f < fields; ++f) {
                if (f)
                    o += ',';
                o += space() + '"' + keys.at(rng.bounded(int(keys.size()))) + '"' + space() + ':' +
                     space() + value();
            }
            return o + '}';
        };
        auto element = [&](const QList<QByteArray>& keys) -> QByteArray {
            return rng.bounded(8) == 0 ? value() : object(keys);
        };

        int parsedFast = 0;
        for (int round = 0; round < 4000; ++round) {
            QByteArray body;
            const bool episodes = round % 4 == 0;
            if (episodes) {
                body = "{\"info\":{\"name\":" + value() + "},\"episodes\":{";
                const int seasons = rng.bounded(0, 5);
                for (int s = 0; s < seasons; ++s) {
                    if (s)
                        body += ',';
                    body += '"' + seasonKeys.at(rng.bounded(int(seasonKeys.size()))) + "\":[";
                    const int count = rng.bounded(0, 4);
                    for (int e = 0; e < count; ++e)
                        body += (e ? "," : "") + element(episodeKeys);
                    body += ']';
                }
                body += "}}";
            } else {
                body = space() + '[';
                const int count = rng.bounded(0, 6);
                for (int e = 0; e < count; ++e)
                    body += (e ? "," : "") + space() + element(arrayKeys);
                body += ']' + space();
            }
            const int damage = rng.bounded(40);
            if (damage == 0 && !body.isEmpty())
                body[rng.bounded(int(body.size()))] = char(rng.bounded(256));
            else if (damage == 1)
                body.truncate(rng.bounded(int(body.size()) + 1));
            else if (damage == 2)
                body.prepend("\xEF\xBB\xBF");

            for (const Kind kind : kAllKinds) {
                const Outcome outcome = compareKind(kind, body);
                if (!outcome.difference.isEmpty())
                    QFAIL(qPrintable(QStringLiteral("kind %1, %2\n%3")
                                         .arg(int(kind))
                                         .arg(outcome.difference, QString::fromUtf8(body))));
            }
            bool ok = false;
            XtreamParser::vodStreams(body, &ok);
            parsedFast += ok;
        }
        QVERIFY2(parsedFast > 2000, qPrintable(QString::number(parsedFast))); // most were valid
    }

    void limits()
    {
        // More records than the limit fail the answer cleanly on both paths.
        QByteArray many = "[{}";
        many.reserve(3 * XtreamParser::kMaxRecords + 16);
        for (qsizetype i = 0; i < XtreamParser::kMaxRecords; ++i)
            many += ",{}";
        many += ']';
        for (const JsonPath path : {JsonPath::Fast, JsonPath::Reference}) {
            bool ok = true;
            QVERIFY(XtreamParser::liveStreams(many, &ok, path).isEmpty());
            QVERIFY(!ok);
        }

        // 100 MB bodies: junk, and an array padded with 100 MB of spaces.
        const QByteArray junk(100 * 1024 * 1024, 'x');
        bool ok = true;
        QVERIFY(XtreamParser::vodStreams(junk, &ok).isEmpty());
        QVERIFY(!ok);
        QByteArray padded(100 * 1024 * 1024, ' ');
        padded[0] = '[';
        padded[padded.size() - 1] = ']';
        QVERIFY(XtreamParser::vodStreams(padded, &ok).isEmpty());
        QVERIFY(ok);
    }
};

VELMORA_TEST_MAIN(TestXtreamParser)
#include "tst_xtreamparser.moc"
