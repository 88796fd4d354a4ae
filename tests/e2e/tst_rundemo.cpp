// scripts/run.sh as a user starts it, with the real demo server and pairing backend and a stand-in
// for the player that reports which pairing backend it was given: by default none, so the player
// runs its own on the home network where a phone can reach it; with --loopback-pairing one on
// 127.0.0.1 that answers.
#include "pairing/pairingclient.h"

#include "pairingsteps.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {
// Writes what it was given, then waits (at most 60 s) until the test has looked.
constexpr char kFakePlayer[] = R"(#!/bin/sh
printf '%s' "${VELMORA_BACKEND_URL-unset}" > "$RUN_DEMO_OUT/backend.tmp"
mv "$RUN_DEMO_OUT/backend.tmp" "$RUN_DEMO_OUT/backend"
i=0
while [ ! -e "$RUN_DEMO_OUT/done" ] && [ $i -lt 600 ]; do sleep 0.1; i=$((i + 1)); done
)";

bool place(const QString& target, const QString& link)
{
    const QString folder = link.left(link.lastIndexOf(QLatin1Char('/')));
    return QDir().mkpath(folder) && QFile::link(target, link);
}
} // namespace

class TestRunDemo : public QObject
{
    Q_OBJECT

private slots:
    void pairingBackend_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("loopback");
        QTest::newRow("built into the player") << QStringList() << false;
        QTest::newRow("--loopback-pairing")
            << QStringList{QStringLiteral("--loopback-pairing")} << true;
    }

    void pairingBackend()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, loopback);
        QTemporaryDir build;
        QVERIFY(build.isValid());
        const QString root = build.path();
        QVERIFY(place(QStringLiteral(DEMO_SERVER),
                      root + QStringLiteral("/tools/demo-server/velmora-demo-server")));
        QVERIFY(place(QStringLiteral(DEMO_PROFILE),
                      root + QStringLiteral("/tools/demo-server/velmora-demo-profile")));
        QVERIFY(place(QStringLiteral(PAIRING_SERVER),
                      root + QStringLiteral("/tools/pairing-server/velmora-pairing-server")));
        QVERIFY(QDir().mkpath(root + QStringLiteral("/src")));
        QFile player(root + QStringLiteral("/src/velmora-player"));
        QVERIFY(player.open(QIODevice::WriteOnly));
        player.write(kFakePlayer);
        player.close();
        player.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("VELMORA_BACKEND_URL"));
        environment.insert(QStringLiteral("VELMORA_BUILD_DIR"), root);
        environment.insert(QStringLiteral("VELMORA_DEMO_SCALE"), QStringLiteral("20"));
        environment.insert(QStringLiteral("RUN_DEMO_OUT"), root);
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":999")); // never opened
        run.setProcessEnvironment(environment);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QStringLiteral("bash"), QStringList{qEnvironmentVariable("VELMORA_SOURCE_DIR") +
                                                          QStringLiteral("/scripts/run.sh"),
                                                      QStringLiteral("--no-build")} +
                                              options);
        QVERIFY(run.waitForStarted());
        QFile given(root + QStringLiteral("/backend"));
        QTRY_VERIFY_WITH_TIMEOUT(given.exists() || run.state() == QProcess::NotRunning, 60000);
        QByteArray output = run.readAll();
        QVERIFY2(given.exists(), output.constData());
        QVERIFY(given.open(QIODevice::ReadOnly));
        const QString backend = QString::fromUtf8(given.readAll());

        if (loopback) {
            QVERIFY2(backend.startsWith(QStringLiteral("http://127.0.0.1:")), qPrintable(backend));
            PairingClient client;
            client.setBaseUrl(backend + QLatin1Char('/'));
            QCOMPARE(openPairing(client).code.size(), 6);
        } else {
            QCOMPARE(backend, QStringLiteral("unset"));
        }
        QFile done(root + QStringLiteral("/done"));
        QVERIFY(done.open(QIODevice::WriteOnly));
        QVERIFY(run.waitForFinished(30000));
        output += run.readAll();
        QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0,
                 output.constData());
        QCOMPARE(output.contains("built into the player"), !loopback);
    }
};

VELMORA_TEST_MAIN(TestRunDemo)
#include "tst_rundemo.moc"
