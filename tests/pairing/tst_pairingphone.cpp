// The whole phone path: the computer opens a pairing at our real backend, a real browser types
// the details into the pair page (tests/browser/pair-phone.mjs), and the computer's polls bring
// exactly those details back.
#include "pairing/pairingclient.h"

#include "pairingserverprocess.h"
#include "testmain.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>

namespace {
const QString kBrowserDir = QStringLiteral(BROWSER_TEST_DIR);

struct PhoneOutcome
{
    int exitCode = -1;
    QJsonObject result; // ok, status, message
    QByteArray errors;
};
} // namespace

class TestPairingPhone : public QObject
{
    Q_OBJECT

private:
    PairingServerProcess backend{QStringLiteral(PAIRING_SERVER)};
    PairingClient client;
    QString node;

    PairingClient::Started open()
    {
        PairingClient::Started result;
        bool done = false;
        client.start([&](bool ok, const PairingClient::Started& started, const QString& error) {
            QVERIFY2(ok, qPrintable(error));
            result = started;
            done = true;
        });
        [&] { QTRY_VERIFY_WITH_TIMEOUT(done, 10000); }();
        return result;
    }

    PhoneOutcome phone(const QString& pairUrl, const QString& code, const QJsonObject& details)
    {
        QProcess process;
        process.setWorkingDirectory(kBrowserDir);
        process.start(node, {QDir(kBrowserDir).filePath(QStringLiteral("pair-phone.mjs")), pairUrl,
                             code, QString::fromUtf8(QJsonDocument(details).toJson())});
        PhoneOutcome outcome;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            return outcome;
        }
        outcome.exitCode = process.exitCode();
        outcome.result = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
        outcome.errors = process.readAllStandardError();
        return outcome;
    }

    // Polls the way the pair dialog does until the pairing is no longer pending.
    std::pair<PairingClient::Status, SourceConfig> waitForDetails(const QString& token)
    {
        std::pair<PairingClient::Status, SourceConfig> last{PairingClient::Pending, {}};
        for (int attempt = 0; attempt < 50 && last.first == PairingClient::Pending; ++attempt) {
            bool done = false;
            client.status(token, [&](PairingClient::Status status, const SourceConfig& config) {
                last = {status, config};
                done = true;
            });
            [&] { QTRY_VERIFY_WITH_TIMEOUT(done, 10000); }();
            if (last.first == PairingClient::Pending)
                QTest::qWait(100);
        }
        return last;
    }

private slots:
    void initTestCase()
    {
        if (!QDir(kBrowserDir).exists(QStringLiteral("node_modules/playwright-core")))
            QSKIP("tests/browser/node_modules is missing: run scripts/install-deps.sh");
        node = QStandardPaths::findExecutable(QStringLiteral("node"));
        QVERIFY2(!node.isEmpty(), "node is not installed");
        QVERIFY2(backend.start(), qPrintable(backend.errorText()));
        // Read once per process, on the first request: set before any.
        qputenv("VELMORA_BACKEND_URL", backend.baseUrl().toUtf8());
    }

    void xtreamFromThePhone()
    {
        const PairingClient::Started started = open();
        // Typed as the pair dialog shows it: three characters, a hyphen, the rest.
        const QString shown = started.code.left(3) + QLatin1Char('-') + started.code.mid(3);
        const QString password = QStringLiteral(" p@ss &<w>\"' ");
        const PhoneOutcome sent =
            phone(started.pairUrl, shown,
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
        const PairingClient::Started started = open();
        const QJsonObject details{
            {QStringLiteral("type"), QStringLiteral("m3u")},
            {QStringLiteral("name"), QStringLiteral("Kitchen list")},
            {QStringLiteral("url"), QStringLiteral("https://lists.example/k.m3u")}};
        QString wrong = started.code;
        wrong[5] = wrong[5] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
        const PhoneOutcome refused = phone(started.pairUrl, wrong, details);
        QVERIFY2(refused.exitCode == 1, refused.errors.constData());
        QCOMPARE(refused.result.value(QStringLiteral("ok")).toBool(true), false);
        QCOMPARE(refused.result.value(QStringLiteral("status")).toInt(), 404);
        QCOMPARE(refused.result.value(QStringLiteral("message")).toString(),
                 QStringLiteral("That code isn't valid. Check the code shown on your computer."));

        const PhoneOutcome sent = phone(started.pairUrl, started.code, details);
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
