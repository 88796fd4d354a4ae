// The pair dialog against our backend keeping its pairings in a real redis-server that restarts
// empty while the dialog waits: the dialog says the pairing was lost and shows a new code, and
// the phone's old, correct code is not held against it as a wrong one.
#include "pairing/pairdialog.h"

#include "loopbackhttpserver.h"
#include "pairdialogtestaccess.h"
#include "pairingserverprocess.h"
#include "redisserverprocess.h"
#include "testmain.h"

#include <QJsonObject>
#include <QLabel>

class TestPairDialogRedis : public QObject
{
    Q_OBJECT

private:
    RedisServerProcess redis;
    PairingServerProcess backend{QStringLiteral(PAIRING_SERVER)};
    LoopbackHttpServer playlists;

private slots:
    void initTestCase()
    {
        if (RedisServerProcess::program().isEmpty())
            QSKIP("redis-server is not installed: run scripts/install-deps.sh");
        QVERIFY2(redis.start(), qPrintable(redis.errorText()));
        QVERIFY2(backend.start({QStringLiteral("--redis"), redis.url(),
                                QStringLiteral("--poll-interval"), QStringLiteral("1")}),
                 qPrintable(backend.errorText()));
        // Read once per process, on the first request: set before any.
        qputenv("VELMORA_BACKEND_URL", backend.baseUrl().toUtf8());
        QVERIFY(playlists.start());
        playlists.route(QStringLiteral("/list.m3u"), [](const LoopbackHttpServer::Request&) {
            return LoopbackHttpServer::text("#EXTM3U\n#EXTINF:-1,One\nhttp://127.0.0.1:9/1.ts\n",
                                            "audio/x-mpegurl");
        });
    }

    void redisRestartedMidPairing()
    {
        PairDialog dialog;
        PairDialogTestAccess d(dialog);
        QTRY_COMPARE_WITH_TIMEOUT(d.code().size(), 6, 10000);
        const QString lostCode = d.code();

        // Without persistence it comes back empty, as a restarted cache does.
        redis.stop();
        QVERIFY2(redis.restart(), qPrintable(redis.errorText()));
        QTRY_VERIFY_WITH_TIMEOUT(!d.messageLabel()->isHidden(), 20000);
        QVERIFY2(d.messageLabel()->text().contains(QStringLiteral("lost this code")),
                 qPrintable(d.messageLabel()->text()));
        QTRY_COMPARE_WITH_TIMEOUT(d.code().size(), 6, 10000);
        QVERIFY(d.code() != lostCode);

        // The phone still sends the old code, more often than wrong codes are let through.
        const QJsonObject details{
            {QStringLiteral("type"), QStringLiteral("m3u")},
            {QStringLiteral("name"), QStringLiteral("Hall")},
            {QStringLiteral("url"), playlists.url(QStringLiteral("/list.m3u")).toString()}};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(backend.submit(lostCode, details), 410);
        QCOMPARE(backend.submit(d.code(), details), 200);
        QTRY_COMPARE_WITH_TIMEOUT(dialog.QDialog::result(), int(QDialog::Accepted), 15000);
        QCOMPARE(dialog.result.name, QStringLiteral("Hall"));
    }
};

VELMORA_TEST_MAIN(TestPairDialogRedis)
#include "tst_pairdialogredis.moc"
