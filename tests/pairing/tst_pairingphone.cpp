// The whole phone path: the computer opens a pairing at our real backend, a real browser types
// the details into the pair page (tests/browser/pair-phone.mjs), and the computer's polls bring
// exactly those details back.
#include "pairing/pairingclient.h"

#include "pairingserverprocess.h"
#include "pairingsteps.h"
#include "phonebrowser.h"
#include "testmain.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>

class TestPairingPhone : public QObject
{
    Q_OBJECT

private:
    PairingServerProcess backend{QStringLiteral(PAIRING_SERVER)};
    PairingClient client;

    // Polls the way the pair dialog does until the pairing is no longer pending.
    std::pair<PairingClient::Status, SourceConfig> waitForDetails(const QString& token)
    {
        std::pair<PairingClient::Status, SourceConfig> last{PairingClient::Pending, {}};
        for (int attempt = 0; attempt < 50 && last.first == PairingClient::Pending; ++attempt) {
            last = pairingStatus(client, token);
            if (last.first == PairingClient::Pending)
                QTest::qWait(100);
        }
        return last;
    }

private slots:
    void initTestCase()
    {
        if (!PhoneBrowser::packagesInstalled())
            QSKIP("tests/browser/node_modules is missing: run scripts/install-deps.sh");
        QVERIFY2(!PhoneBrowser::node().isEmpty(), "node is not installed");
        QVERIFY2(backend.start(), qPrintable(backend.errorText()));
        // Read once per process, on the first request: set before any.
        qputenv("VELMORA_BACKEND_URL", backend.baseUrl().toUtf8());
    }

    void xtreamFromThePhone()
    {
        const PairingClient::Started started = openPairing(client);
        // Typed as the pair dialog shows it: three characters, a hyphen, the rest.
        const QString shown = started.code.left(3) + QLatin1Char('-') + started.code.mid(3);
        const QString password = QStringLiteral(" p@ss &<w>\"' ");
        const PhoneBrowser::Outcome sent =
            PhoneBrowser::submit(started.pairUrl, shown,
                                 {{QStringLiteral("type"), QStringLiteral("xtream")},
                                  {QStringLiteral("name"), QStringLiteral("Living room")},
                                  {QStringLiteral("url"), QStringLiteral("http://tv.example:8080")},
                                  {QStringLiteral("username"), QStringLiteral("me")},
                                  {QStringLiteral("password"), password},
                                  {QStringLiteral("live_extension"), QStringLiteral("m3u8")}});
        QVERIFY2(sent.exitCode == 0, sent.errors.constData());
        QCOMPARE(sent.result.value(QStringLiteral("ok")).toBool(), true);
        QCOMPARE(sent.result.value(QStringLiteral("status")).toInt(), 200);
        QVERIFY(sent.result.value(QStringLiteral("message"))
                    .toString()
                    .contains(QSysInfo::machineHostName()));

        const auto [status, config] = waitForDetails(started.deviceToken);
        QCOMPARE(status, PairingClient::Ready);
        QCOMPARE(config.type, int(SourceConfig::Xtream));
        QCOMPARE(config.name, QStringLiteral("Living room"));
        QCOMPARE(config.url, QStringLiteral("http://tv.example:8080"));
        QCOMPARE(config.username, QStringLiteral("me"));
        QCOMPARE(config.password, password);
        QCOMPARE(config.liveExtension, QStringLiteral("m3u8"));
    }

    void playlistAfterAWrongCode()
    {
        const PairingClient::Started started = openPairing(client);
        const QJsonObject details{
            {QStringLiteral("type"), QStringLiteral("m3u")},
            {QStringLiteral("name"), QStringLiteral("Kitchen list")},
            {QStringLiteral("url"), QStringLiteral("https://lists.example/k.m3u")}};
        QString wrong = started.code;
        wrong[5] = wrong[5] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
        const PhoneBrowser::Outcome refused = PhoneBrowser::submit(started.pairUrl, wrong, details);
        QVERIFY2(refused.exitCode == 1, refused.errors.constData());
        QCOMPARE(refused.result.value(QStringLiteral("ok")).toBool(true), false);
        QCOMPARE(refused.result.value(QStringLiteral("status")).toInt(), 404);
        QCOMPARE(refused.result.value(QStringLiteral("message")).toString(),
                 QStringLiteral("That code isn't valid. Check the code shown on your computer."));

        const PhoneBrowser::Outcome sent =
            PhoneBrowser::submit(started.pairUrl, started.code, details);
        QVERIFY2(sent.exitCode == 0, sent.errors.constData());
        const auto [status, config] = waitForDetails(started.deviceToken);
        QCOMPARE(status, PairingClient::Ready);
        QCOMPARE(config.type, int(SourceConfig::M3u));
        QCOMPARE(config.name, QStringLiteral("Kitchen list"));
        QCOMPARE(config.url, QStringLiteral("https://lists.example/k.m3u"));
        QVERIFY(config.username.isEmpty());
        QVERIFY(config.password.isEmpty());
        QCOMPARE(config.liveExtension, QStringLiteral("m3u8"));
    }
};

VELMORA_TEST_MAIN(TestPairingPhone)
#include "tst_pairingphone.moc"
