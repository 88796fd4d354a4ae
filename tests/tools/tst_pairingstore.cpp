#include "pairingstore.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using Store = PairingStore;
Q_DECLARE_METATYPE(PairingStore::Details)

namespace {
Store::Details xtream()
{
    return {QStringLiteral("xtream"),
            QStringLiteral("Living room"),
            QStringLiteral("http://tv.example:8080"),
            QStringLiteral("me"),
            QStringLiteral(" pa ss "),
            QStringLiteral("ts")};
}

Store::Limits smallLimits()
{
    Store::Limits limits;
    limits.codeLifetimeSecs = 600;
    limits.maxLivePairings = 5;
    limits.maxLivePairingsPerClient = 3;
    limits.maxWrongCodes = 5;
    limits.wrongCodeWindowSecs = 600;
    return limits;
}
} // namespace

class TestPairingStore : public QObject
{
    Q_OBJECT

private:
    qint64 nowMs = 1'000'000;
    Store::ClockMs clock()
    {
        return [this] { return nowMs; };
    }

private slots:
    void init() { nowMs = 1'000'000; }

    // Codes are short and unambiguous; tokens carry 256 random bits; neither repeats.
    void codesAndTokens()
    {
        Store::Limits limits;
        limits.maxLivePairings = 500;
        limits.maxLivePairingsPerClient = 500;
        Store store(limits, clock());
        const QRegularExpression codeShape(QStringLiteral("^[2-9A-HJ-NP-Z]{6}$"));
        QSet<QString> codes;
        QSet<QString> tokens;
        for (int i = 0; i < 400; ++i) {
            const Store::Opened opened = store.open(QStringLiteral("a"), QStringLiteral("PC"));
            QCOMPARE(opened.result, Store::OpenResult::Opened);
            QVERIFY2(codeShape.match(opened.code).hasMatch(), qPrintable(opened.code));
            const QByteArray raw = QByteArray::fromBase64(
                opened.deviceToken.toLatin1(),
                QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
            QCOMPARE(raw.size(), 32);
            codes.insert(opened.code);
            tokens.insert(opened.deviceToken);
        }
        QCOMPARE(codes.size(), 400);
        QCOMPARE(tokens.size(), 400);
    }

    // A code in use, or still answering "expired", is never handed out again.
    void codesUniqueAmongPairings()
    {
        Store::Limits limits = smallLimits();
        limits.codeLifetimeSecs = 60;
        Store store(limits, clock());
        QStringList queue{QStringLiteral("AAAAAA"), QStringLiteral("AAAAAA"),
                          QStringLiteral("BBBBBB"), QStringLiteral("AAAAAA"),
                          QStringLiteral("CCCCCC"), QStringLiteral("AAAAAA")};
        store.setCodeSource([&queue] { return queue.isEmpty() ? QString() : queue.takeFirst(); });
        QCOMPARE(store.open(QStringLiteral("a"), {}).code, QStringLiteral("AAAAAA"));
        QCOMPARE(store.open(QStringLiteral("a"), {}).code, QStringLiteral("BBBBBB"));
        nowMs += 60'000; // both expired, still remembered
        QCOMPARE(store.open(QStringLiteral("a"), {}).code, QStringLiteral("CCCCCC"));
        nowMs += 60'000; // the first two are forgotten now
        QCOMPARE(store.open(QStringLiteral("a"), {}).code, QStringLiteral("AAAAAA"));
        // No free code at all: refused rather than shared.
        store.setCodeSource([] { return QStringLiteral("AAAAAA"); });
        QCOMPARE(store.open(QStringLiteral("a"), {}).result, Store::OpenResult::Full);
    }

    void lifecycleHandsDetailsOutOnce()
    {
        Store store(smallLimits(), clock());
        const Store::Opened opened = store.open(QStringLiteral("pc"), QStringLiteral("PC-1"));
        QCOMPARE(store.poll(opened.deviceToken).result, Store::PollResult::Pending);

        const QString typed =
            opened.code.left(3).toLower() + QStringLiteral(" - ") + opened.code.mid(3).toLower();
        const Store::Submission sent = store.submit(QStringLiteral("phone"), typed, xtream());
        QCOMPARE(sent.result, Store::SubmitResult::Accepted);
        QCOMPARE(sent.deviceName, QStringLiteral("PC-1"));

        const Store::Poll ready = store.poll(opened.deviceToken);
        QCOMPARE(ready.result, Store::PollResult::Ready);
        QCOMPARE(ready.details.password, QStringLiteral(" pa ss "));
        QCOMPARE(ready.details.url, QStringLiteral("http://tv.example:8080"));
        // Gone after the first hand-out: the next poll is "expired", never the details again.
        const Store::Poll again = store.poll(opened.deviceToken);
        QCOMPARE(again.result, Store::PollResult::Expired);
        QVERIFY(again.details.password.isEmpty());
        QCOMPARE(store.submit(QStringLiteral("phone"), opened.code, xtream()).result,
                 Store::SubmitResult::AlreadyUsed);
        QCOMPARE(store.livePairings(), 0);

        QCOMPARE(store.poll(QString()).result, Store::PollResult::UnknownToken);
        QCOMPARE(store.poll(opened.deviceToken + QLatin1Char('x')).result,
                 Store::PollResult::UnknownToken);
    }

    void expiry()
    {
        Store::Limits limits = smallLimits();
        limits.codeLifetimeSecs = 100;
        Store store(limits, clock());
        const Store::Opened waiting = store.open(QStringLiteral("pc"), {});
        const Store::Opened sent = store.open(QStringLiteral("pc"), {});
        QCOMPARE(store.submit(QStringLiteral("phone"), sent.code, xtream()).result,
                 Store::SubmitResult::Accepted);

        nowMs += 99'999;
        QCOMPARE(store.poll(waiting.deviceToken).result, Store::PollResult::Pending);
        nowMs += 1;
        // Expired on both sides; details that were never fetched are gone too.
        QCOMPARE(store.poll(waiting.deviceToken).result, Store::PollResult::Expired);
        QCOMPARE(store.submit(QStringLiteral("phone"), waiting.code, xtream()).result,
                 Store::SubmitResult::Expired);
        const Store::Poll late = store.poll(sent.deviceToken);
        QCOMPARE(late.result, Store::PollResult::Expired);
        QVERIFY(late.details.url.isEmpty());
        QCOMPARE(store.livePairings(), 0);

        // Forgotten a while later: the token is unknown, the code is just wrong.
        nowMs += 100'000;
        QCOMPARE(store.poll(waiting.deviceToken).result, Store::PollResult::UnknownToken);
        QCOMPARE(store.submit(QStringLiteral("phone"), waiting.code, xtream()).result,
                 Store::SubmitResult::UnknownCode);
        QCOMPARE(store.storedPairings(), 0);
    }

    void wrongCodesAreRateLimitedPerClient()
    {
        Store::Limits limits = smallLimits();
        limits.codeLifetimeSecs = 3600; // outlives the wrong-code window
        Store store(limits, clock());
        const Store::Opened opened = store.open(QStringLiteral("pc"), {});
        const QString guesser = QStringLiteral("10.0.0.9");
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(store.submit(guesser, QStringLiteral("ZZZZZ%1").arg(i + 2), xtream()).result,
                     Store::SubmitResult::UnknownCode);
            nowMs += 1000;
        }
        // Now even the right code is refused from there, without saying whether it was right.
        const Store::Submission blocked = store.submit(guesser, opened.code, xtream());
        QCOMPARE(blocked.result, Store::SubmitResult::RateLimited);
        QCOMPARE(blocked.retryAfterSecs, 595);
        QCOMPARE(store.poll(opened.deviceToken).result, Store::PollResult::Pending);
        // Garbage counts as a wrong code as well, and another client is not affected.
        QCOMPARE(store.submit(QStringLiteral("other"), QStringLiteral("?"), xtream()).result,
                 Store::SubmitResult::UnknownCode);
        // Once the oldest wrong code leaves the window, one more try is allowed.
        nowMs += 595'000;
        QCOMPARE(store.submit(guesser, opened.code, xtream()).result,
                 Store::SubmitResult::Accepted);
    }

    void boundedPairings()
    {
        Store store(smallLimits(), clock()); // 5 in all, 3 per client
        for (int i = 0; i < 3; ++i)
            QCOMPARE(store.open(QStringLiteral("a"), {}).result, Store::OpenResult::Opened);
        QCOMPARE(store.open(QStringLiteral("a"), {}).result, Store::OpenResult::ClientFull);
        QCOMPARE(store.open(QStringLiteral("b"), {}).result, Store::OpenResult::Opened);
        const Store::Opened last = store.open(QStringLiteral("c"), {});
        QCOMPARE(last.result, Store::OpenResult::Opened);
        QCOMPARE(store.open(QStringLiteral("d"), {}).result, Store::OpenResult::Full);
        // A finished pairing frees its place.
        QCOMPARE(store.submit(QStringLiteral("phone"), last.code, xtream()).result,
                 Store::SubmitResult::Accepted);
        QCOMPARE(store.poll(last.deviceToken).result, Store::PollResult::Ready);
        QCOMPARE(store.open(QStringLiteral("d"), {}).result, Store::OpenResult::Opened);

        // Finished pairings are remembered for a while, but not without bound.
        Store cycling(smallLimits(), clock());
        for (int i = 0; i < 100; ++i) {
            const Store::Opened o = cycling.open(QStringLiteral("a"), {});
            QCOMPARE(o.result, Store::OpenResult::Opened);
            cycling.submit(QStringLiteral("phone"), o.code, xtream());
            QCOMPARE(cycling.poll(o.deviceToken).result, Store::PollResult::Ready);
            QVERIFY(cycling.storedPairings() <= 10);
        }
    }

    void submittedDetails_data()
    {
        QTest::addColumn<Store::Details>("details");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<Store::Details>("stored");

        const Store::Details ok = xtream();
        QTest::newRow("xtream as typed, password untrimmed") << ok << QString() << ok;
        Store::Details spaced = ok;
        spaced.name = QStringLiteral("  Living room ");
        spaced.url = QStringLiteral(" http://tv.example:8080 ");
        QTest::newRow("name and address trimmed") << spaced << QString() << ok;
        Store::Details list{QStringLiteral("m3u"),
                            QStringLiteral("List"),
                            QStringLiteral("https://lists.example/a.m3u"),
                            QStringLiteral("u"),
                            QStringLiteral("p"),
                            QStringLiteral("ts")};
        Store::Details listStored = list;
        listStored.username.clear();
        listStored.password.clear();
        listStored.liveExtension = QStringLiteral("m3u8");
        QTest::newRow("playlist drops credentials, default format")
            << list << QString() << listStored;

        const auto with = [&ok](auto change) {
            Store::Details d = ok;
            change(d);
            return d;
        };
        QTest::newRow("unknown type")
            << with([](Store::Details& d) { d.type = QStringLiteral("stalker"); })
            << QStringLiteral("Choose the kind of server: Xtream Codes or M3U playlist.")
            << Store::Details();
        QTest::newRow("no name") << with([](Store::Details& d) { d.name = QStringLiteral("  "); })
                                 << QStringLiteral("Enter a name for the server.")
                                 << Store::Details();
        QTest::newRow("name too long")
            << with([](Store::Details& d) { d.name = QString(101, QLatin1Char('n')); })
            << QStringLiteral("The name is too long (at most 100 characters).") << Store::Details();
        QTest::newRow("no address")
            << with([](Store::Details& d) { d.url.clear(); })
            << QStringLiteral("Enter the address starting with http:// or https://.")
            << Store::Details();
        QTest::newRow("not a web address")
            << with([](Store::Details& d) { d.url = QStringLiteral("file:///etc/passwd"); })
            << QStringLiteral("Enter the address starting with http:// or https://.")
            << Store::Details();
        QTest::newRow("address too long") << with([](Store::Details& d) {
            d.url = QStringLiteral("http://x/") + QString(2048, QLatin1Char('a'));
        }) << QStringLiteral("The address is too long.")
                                          << Store::Details();
        QTest::newRow("line break in name")
            << with([](Store::Details& d) { d.name = QStringLiteral("a\nb"); })
            << QStringLiteral("The name, address and user name cannot contain line breaks.")
            << Store::Details();
        QTest::newRow("xtream without user")
            << with([](Store::Details& d) { d.username.clear(); })
            << QStringLiteral("Enter the user name.") << Store::Details();
        QTest::newRow("xtream without password")
            << with([](Store::Details& d) { d.password.clear(); })
            << QStringLiteral("Enter the password.") << Store::Details();
        QTest::newRow("password too long")
            << with([](Store::Details& d) { d.password = QString(257, QLatin1Char('p')); })
            << QStringLiteral("The user name or password is too long.") << Store::Details();
        QTest::newRow("unknown live format")
            << with([](Store::Details& d) { d.liveExtension = QStringLiteral("mp4"); })
            << QStringLiteral("Choose the live format: TS or HLS (m3u8).") << Store::Details();
    }
    void submittedDetails()
    {
        QFETCH(Store::Details, details);
        QFETCH(QString, problem);
        QFETCH(Store::Details, stored);
        Store store(smallLimits(), clock());
        const Store::Opened opened = store.open(QStringLiteral("pc"), {});
        const Store::Submission result =
            store.submit(QStringLiteral("phone"), opened.code, details);
        if (!problem.isEmpty()) {
            QCOMPARE(result.result, Store::SubmitResult::Invalid);
            QCOMPARE(result.problem, problem);
            // The code stays usable so the phone can correct the details.
            QCOMPARE(store.poll(opened.deviceToken).result, Store::PollResult::Pending);
            QCOMPARE(store.submit(QStringLiteral("phone"), opened.code, xtream()).result,
                     Store::SubmitResult::Accepted);
            return;
        }
        QCOMPARE(result.result, Store::SubmitResult::Accepted);
        const Store::Details got = store.poll(opened.deviceToken).details;
        QCOMPARE(got.type, stored.type);
        QCOMPARE(got.name, stored.name);
        QCOMPARE(got.url, stored.url);
        QCOMPARE(got.username, stored.username);
        QCOMPARE(got.password, stored.password);
        QCOMPARE(got.liveExtension, stored.liveExtension);
    }

    void typedCodes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("code");
        QTest::newRow("as shown with hyphen")
            << QStringLiteral("ABC-DEF") << QStringLiteral("ABCDEF");
        QTest::newRow("lower case and spaces")
            << QStringLiteral(" abc def ") << QStringLiteral("ABCDEF");
        QTest::newRow("digit zero is no symbol") << QStringLiteral("ABCDE0") << QString();
        QTest::newRow("letter O is no symbol") << QStringLiteral("ABCDEO") << QString();
        QTest::newRow("too long") << QStringLiteral("ABCDEFG") << QString();
        QTest::newRow("too short") << QStringLiteral("ABCDE") << QString();
        QTest::newRow("non-ASCII letter") << QStringLiteral("ÄBCDEF") << QString();
    }
    void typedCodes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, code);
        QCOMPARE(Store::normalizedCode(typed), code);
    }
};

QTEST_GUILESS_MAIN(TestPairingStore)
#include "tst_pairingstore.moc"
