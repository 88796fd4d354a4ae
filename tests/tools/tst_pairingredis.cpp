// Two instances of the pairing backend sharing one real redis-server, as behind a load
// balancer: pairings, one-time delivery and the wrong-code limit hold across them, and losing
// Redis gives clear errors until it is back.
#include "pairing/pairingclient.h"

#include "fastertime.h"
#include "pairingserverprocess.h"
#include "pairingsteps.h"
#include "redispairingstorage.h"
#include "redisserverprocess.h"
#include "testmain.h"

#include <QDeadlineTimer>
#include <QJsonObject>
#include <QScopeGuard>
#include <QSignalSpy>

namespace {
QJsonObject playlist(const QString& name)
{
    return {{QStringLiteral("type"), QStringLiteral("m3u")},
            {QStringLiteral("name"), name},
            {QStringLiteral("url"), QStringLiteral("http://tv.example/list.m3u")}};
}
} // namespace

class TestPairingRedis : public QObject
{
    Q_OBJECT

private:
    RedisServerProcess redis;
    PairingServerProcess first{QStringLiteral(PAIRING_SERVER)};
    PairingServerProcess second{QStringLiteral(PAIRING_SERVER)};
    PairingClient viaFirst;
    PairingClient viaSecond;

    // Both instances' answers to one status request each, sent at the same moment.
    std::pair<PairingClient::Status, PairingClient::Status> pollBoth(const QString& token)
    {
        std::pair<PairingClient::Status, PairingClient::Status> result{PairingClient::Pending,
                                                                       PairingClient::Pending};
        int answers = 0;
        viaFirst.status(token, [&](PairingClient::Status status, const SourceConfig&) {
            result.first = status;
            ++answers;
        });
        viaSecond.status(token, [&](PairingClient::Status status, const SourceConfig&) {
            result.second = status;
            ++answers;
        });
        [&] { QTRY_COMPARE_WITH_TIMEOUT(answers, 2, 10000); }();
        return result;
    }

    // Runs one storage operation; true when it answered "unavailable", false when Redis
    // answered it. Fails the test when no answer comes at all.
    static bool unavailable(RedisPairingStorage& storage, const QString& operation)
    {
        bool answered = false;
        bool failed = false;
        const QString client = QStringLiteral("192.0.2.") + QString::number(operation.size());
        if (operation == QLatin1String("open")) {
            storage.open(client, QStringLiteral("Den"), [&](const PairingStore::Opened& o) {
                failed = o.result == PairingStore::OpenResult::Unavailable;
                answered = true;
            });
        } else if (operation == QLatin1String("poll")) {
            storage.poll(QStringLiteral("no-such-token"), [&](const PairingStore::Poll& p) {
                failed = p.result == PairingStore::PollResult::Unavailable;
                answered = true;
            });
        } else {
            storage.submit(client, QStringLiteral("ZZZZZ2"), {},
                           [&](const PairingStore::Submission& s) {
                               failed = s.result == PairingStore::SubmitResult::Unavailable;
                               answered = true;
                           });
        }
        [&] { QTRY_VERIFY_WITH_TIMEOUT(answered, 10000); }();
        return failed;
    }

private slots:
    void initTestCase()
    {
        if (RedisServerProcess::program().isEmpty())
            QSKIP("redis-server is not installed: run scripts/install-deps.sh");
        QVERIFY2(redis.start(), qPrintable(redis.errorText()));
        const QStringList options{QStringLiteral("--redis"), redis.url()};
        QVERIFY2(first.start(options), qPrintable(first.errorText()));
        QVERIFY2(second.start(options), qPrintable(second.errorText()));
        viaFirst.setBaseUrl(first.baseUrl() + QLatin1Char('/'));
        viaSecond.setBaseUrl(second.baseUrl() + QLatin1Char('/'));
    }

    void pairingAcrossInstances()
    {
        const PairingClient::Started started = openPairing(viaFirst);
        QCOMPARE(pairingStatus(viaSecond, started.deviceToken).first, PairingClient::Pending);
        QCOMPARE(second.submit(started.code, playlist(QStringLiteral("Kitchen"))), 200);
        // Already sent: the other instance knows too.
        QCOMPARE(first.submit(started.code, playlist(QStringLiteral("Again"))), 409);

        const auto [status, config] = pairingStatus(viaFirst, started.deviceToken);
        QCOMPARE(status, PairingClient::Ready);
        QCOMPARE(config.name, QStringLiteral("Kitchen"));
        QCOMPARE(config.url, QStringLiteral("http://tv.example/list.m3u"));
        QCOMPARE(pairingStatus(viaSecond, started.deviceToken).first, PairingClient::Expired);
    }

    void detailsHandedOutOnceWhenInstancesRace()
    {
        for (int round = 0; round < 10; ++round) {
            const PairingClient::Started started = openPairing(round % 2 ? viaFirst : viaSecond);
            QCOMPARE(first.submit(started.code, playlist(QStringLiteral("Den"))), 200);
            const auto [a, b] = pollBoth(started.deviceToken);
            QVERIFY2((a == PairingClient::Ready) != (b == PairingClient::Ready),
                     qPrintable(QStringLiteral("round %1: %2 and %3").arg(round).arg(a).arg(b)));
            QVERIFY(a == PairingClient::Expired || b == PairingClient::Expired);
        }
    }

    void wrongCodeLimitHoldsAcrossInstances()
    {
        const PairingClient::Started started = openPairing(viaFirst);
        // Five wrong codes in all, spread over both instances.
        for (int i = 0; i < 5; ++i) {
            PairingServerProcess& instance = i % 2 ? first : second;
            QCOMPARE(instance.submit(QStringLiteral("ZZZZZ%1").arg(i + 2), playlist({})), 404);
        }
        // Then even the right code is refused by either.
        QCOMPARE(first.submit(started.code, playlist(QStringLiteral("Hall"))), 429);
        QCOMPARE(second.submit(started.code, playlist(QStringLiteral("Hall"))), 429);
        QCOMPARE(pairingStatus(viaSecond, started.deviceToken).first, PairingClient::Pending);
    }

    void redisGoingAwayAndComingBack()
    {
        const PairingClient::Started started = openPairing(viaFirst);
        redis.stop();

        bool answered = false;
        viaSecond.start([&](bool ok, const PairingClient::Started&, const QString& error) {
            QVERIFY(!ok);
            QVERIFY2(error.startsWith(QStringLiteral("Could not reach the server: ")) &&
                         error.contains(QStringLiteral("Service Unavailable")),
                     qPrintable(error));
            answered = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(answered, 10000);
        QCOMPARE(pairingStatus(viaFirst, started.deviceToken).first, PairingClient::Failed);
        QCOMPARE(second.submit(started.code, playlist(QStringLiteral("Attic"))), 503);
        QTRY_VERIFY_WITH_TIMEOUT(first.output().contains("lost redis://"), 10000);

        // Back (empty): both instances serve new pairings again within a few reconnects.
        QVERIFY2(redis.restart(), qPrintable(redis.errorText()));
        const auto opens = [](PairingClient* client) {
            bool done = false;
            bool ok = false;
            client->start([&](bool opened, const PairingClient::Started&, const QString&) {
                ok = opened;
                done = true;
            });
            const QDeadlineTimer deadline(10000);
            while (!done && !deadline.hasExpired())
                QTest::qWait(10);
            return ok;
        };
        QTRY_VERIFY_WITH_TIMEOUT(opens(&viaFirst), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(opens(&viaSecond), 10000);
        QVERIFY(first.output().contains("connected to redis://"));
    }

    // Every key that holds a sent password lives no longer than the code it was sent with, and
    // none is left once the player has it.
    void detailsExpireWithTheirCode()
    {
        RedisConnection::Address address;
        QString error;
        QVERIFY(RedisConnection::parseAddress(redis.url(), &address, &error));
        PairingStore::Limits limits;
        limits.codeLifetimeSecs = 30;
        RedisPairingStorage storage(address, limits);
        storage.setKeyPrefix("expiry-test:");
        RedisConnection inspect(address);
        inspect.connectToServer();
        const auto ask = [&inspect](const QList<QByteArray>& command) {
            RedisConnection::Value answer;
            bool done = false;
            inspect.command(command, [&](const RedisConnection::Value& value) {
                answer = value;
                done = true;
            });
            [&] { QTRY_VERIFY_WITH_TIMEOUT(done, 10000); }();
            return answer;
        };
        // Milliseconds to live of each key holding the password (-1: for ever).
        const auto keysWithPassword = [&](const QByteArray& password) {
            QList<qint64> ttls;
            for (const auto& key : ask({"KEYS", "expiry-test:*"}).items) {
                QList<QByteArray> values;
                const QByteArray type = ask({"TYPE", key.text}).text;
                if (type == "hash") {
                    for (const auto& item : ask({"HGETALL", key.text}).items)
                        values.append(item.text);
                } else if (type == "string") {
                    values.append(ask({"GET", key.text}).text);
                }
                if (values.contains(password))
                    ttls.append(ask({"PTTL", key.text}).integer);
            }
            return ttls;
        };

        PairingStore::Opened opened;
        storage.open(QStringLiteral("192.0.2.9"), QStringLiteral("Den"),
                     [&](const PairingStore::Opened& o) { opened = o; });
        QTRY_COMPARE_WITH_TIMEOUT(opened.result, PairingStore::OpenResult::Opened, 10000);
        PairingStore::Submission submitted;
        storage.submit(QStringLiteral("192.0.2.10"), opened.code,
                       {QStringLiteral("xtream"), QStringLiteral("Den"),
                        QStringLiteral("http://tv.example"), QStringLiteral("me"),
                        QStringLiteral("pw-expiry-7"), QStringLiteral("ts")},
                       [&](const PairingStore::Submission& s) { submitted = s; });
        QTRY_COMPARE_WITH_TIMEOUT(submitted.result, PairingStore::SubmitResult::Accepted, 10000);

        const QList<qint64> ttls = keysWithPassword("pw-expiry-7");
        QVERIFY(!ttls.isEmpty());
        for (const qint64 ttl : ttls)
            QVERIFY2(ttl > 0 && ttl <= 30000, qPrintable(QString::number(ttl)));

        bool polled = false;
        storage.poll(opened.deviceToken, [&](const PairingStore::Poll& poll) {
            QCOMPARE(poll.result, PairingStore::PollResult::Ready);
            QCOMPARE(poll.details.password, QStringLiteral("pw-expiry-7"));
            polled = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(polled, 10000);
        QVERIFY(keysWithPassword("pw-expiry-7").isEmpty());
    }

    void frozenRedisFailsWithinTheDeadline_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::newRow("open") << QStringLiteral("open");
        QTest::newRow("poll") << QStringLiteral("poll");
        QTest::newRow("submit") << QStringLiteral("submit");
    }

    // A Redis that stops answering mid-conversation (SIGSTOP keeps its connections open):
    // hiredis alone would wait forever.
    void frozenRedisFailsWithinTheDeadline()
    {
        QFETCH(QString, operation);
        const FasterTime faster(10);
        RedisConnection::Address address;
        QString error;
        QVERIFY(RedisConnection::parseAddress(redis.url(), &address, &error));
        RedisPairingStorage storage(address, PairingStore::Limits());
        QSignalSpy lost(storage.connection(), &RedisConnection::connectionLost);
        QVERIFY(!unavailable(storage, operation));

        redis.pause();
        auto resume = qScopeGuard([this] { redis.resume(); });
        QVERIFY(unavailable(storage, operation));
        QCOMPARE(lost.size(), 1);
        QVERIFY2(lost.first().first().toString().contains(QStringLiteral("did not answer within")),
                 qPrintable(lost.first().first().toString()));
        // Still frozen: later commands fail too, each within the deadline.
        QVERIFY(unavailable(storage, operation));

        redis.resume();
        QTRY_VERIFY_WITH_TIMEOUT(!unavailable(storage, operation), 10000);
    }
};

VELMORA_TEST_MAIN(TestPairingRedis)
#include "tst_pairingredis.moc"
