// The pair dialog against our real pairing backend process: the code on screen, expiry, the
// check of the received server against a pretend Xtream server and loopback playlists, and the
// server dialog's "Quorbin Subscription" button. The phone is played by plain HTTP requests here
// (tst_pairdialogphone uses a real browser).
#include "app/clock.h"
#include "app/httprequests.h"
#include "pairing/pairdialog.h"
#include "pairing/pairingtext.h"
#include "pairing/qrimage.h"
#include "sources/sourcedialog.h"

#include "loopbackhttpserver.h"
#include "modaldriver.h"
#include "pairdialogtestaccess.h"
#include "pairingserverprocess.h"
#include "sourcedialogtestaccess.h"
#include "testmain.h"
#include "xtreamfixture.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QSysInfo>
#include <QTimer>
#include <QUrl>

namespace {
const QString kAuthFailed =
    QStringLiteral("Authentication failed - check server URL, username, and password");
const QString kNoChannels = QStringLiteral(
    "That playlist link didn't load any channels. Check that it's correct and still active.");
const QString kCouldNotDownload = QStringLiteral("Couldn't download that playlist: ");
constexpr int kCodeLifetimeSecs = 3;
} // namespace

class TestPairDialog : public QObject
{
    Q_OBJECT

private:
    PairingServerProcess backend{QStringLiteral(PAIRING_SERVER)};
    XtreamFixture xtream;
    LoopbackHttpServer playlists;

    QJsonObject xtreamDetails(const QString& password) const
    {
        return {{QStringLiteral("type"), QStringLiteral("xtream")},
                {QStringLiteral("name"), QStringLiteral("Living room")},
                {QStringLiteral("url"), xtream.baseUrl()},
                {QStringLiteral("username"), xtream.username()},
                {QStringLiteral("password"), password},
                {QStringLiteral("live_extension"), QStringLiteral("m3u8")}};
    }

    QJsonObject playlistDetails(const QString& path) const
    {
        return {{QStringLiteral("type"), QStringLiteral("m3u")},
                {QStringLiteral("name"), QStringLiteral("Kitchen")},
                {QStringLiteral("url"), playlists.url(path).toString()}};
    }

    static bool showsCode(PairDialogTestAccess& d)
    {
        static const QRegularExpression shape(QStringLiteral("^[2-9A-Z]{3}-[2-9A-Z]{3}$"));
        return shape.match(d.codeLabel()->text()).hasMatch();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(
            backend.start({QStringLiteral("--code-lifetime"), QString::number(kCodeLifetimeSecs),
                           QStringLiteral("--poll-interval"), QStringLiteral("1")}),
            qPrintable(backend.errorText()));
        // Read once per process, on the first request: set before any.
        qputenv("VELMORA_BACKEND_URL", backend.baseUrl().toUtf8());

        xtream.setCredentials(QStringLiteral("me"), QStringLiteral(" p@ss word "));
        QVERIFY(xtream.start());
        QVERIFY(playlists.start());
        playlists.route(QStringLiteral("/good.m3u"), [](const LoopbackHttpServer::Request&) {
            return LoopbackHttpServer::text("#EXTM3U\n#EXTINF:-1 group-title=\"News\",One\n"
                                            "http://127.0.0.1:9/one.ts\n",
                                            "audio/x-mpegurl");
        });
        playlists.route(QStringLiteral("/empty.m3u"), [](const LoopbackHttpServer::Request&) {
            return LoopbackHttpServer::text("", "audio/x-mpegurl");
        });
        playlists.route(QStringLiteral("/page.html"), [](const LoopbackHttpServer::Request&) {
            return LoopbackHttpServer::text("<html><body>Welcome</body></html>", "text/html");
        });
        playlists.route(QStringLiteral("/silent.m3u"), [](const LoopbackHttpServer::Request&) {
            return LoopbackHttpServer::stall();
        });
    }

    void init() { Clock::setFake(1'700'000'000'000); }

    void cleanup()
    {
        Clock::clearFake();
        Clock::setTimeScale(1);
    }

    void codeOnScreen()
    {
        PairDialog dialog;
        PairDialogTestAccess d(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Quorbin Subscription"));
        QCOMPARE(dialog.minimumWidth(), 620);
        QCOMPARE(d.qrLabel()->size(), QSize(240, 240));
        QCOMPARE(d.qrLabel()->alignment(), Qt::AlignCenter);
        QVERIFY(d.messageLabel()->isHidden());
        QCOMPARE(d.messageLabel()->styleSheet(), QStringLiteral("color: #e5484d;"));
        QVERIFY(d.newCodeButton()->isHidden());
        QCOMPARE(d.codeLabel()->font().pointSize(), 28);
        QCOMPARE(d.codeLabel()->font().weight(), QFont::Bold);
        QCOMPARE(d.codeLabel()->font().letterSpacing(), 4.0);
        QVERIFY(d.codeLabel()->textInteractionFlags() & Qt::TextSelectableByMouse);
        QCOMPARE(d.statusLabel()->text(), QStringLiteral("Getting a code..."));

        QTRY_VERIFY(showsCode(d));
        const QString pairUrl = backend.baseUrl() + QStringLiteral("/pair?code=") + d.code();
        QCOMPARE(d.qrLabel()->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 qrCodeImage(pairUrl, 240));
        // The backend's own port is part of the link to type.
        QCOMPARE(d.instructionsLabel()->text(),
                 QStringLiteral("On your phone, scan the QR code or open <b>127.0.0.1:%1/pair</b>, "
                                "then enter this code:")
                     .arg(QUrl(backend.baseUrl()).port()));
        QCOMPARE(d.deviceNameLabel()->text(), deviceNameText(QSysInfo::machineHostName()));
        QCOMPARE(
            d.statusLabel()->text(),
            QStringLiteral("Waiting for your phone... (expires in 0:0%1)").arg(kCodeLifetimeSecs));
        QCOMPARE(d.pollTimer()->interval(), 1000);
        QVERIFY(d.pollTimer()->isActive());
        QCOMPARE(d.countdownTimer()->interval(), 1000);
        QVERIFY(d.countdownTimer()->isActive());
        QVERIFY(!d.pollInFlight()); // the first poll waits one interval

        // Cancel ends the dialog and its polling.
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        QCOMPARE(dialog.QDialog::result(), int(QDialog::Rejected));
        QVERIFY(!d.pollTimer()->isActive());
        QVERIFY(!d.countdownTimer()->isActive());
    }

    void expiry()
    {
        PairDialog dialog;
        PairDialogTestAccess d(dialog);
        QTRY_VERIFY(showsCode(d));

        // By the countdown: the remaining time is cut to whole seconds; under one is expired.
        Clock::advanceFake(kCodeLifetimeSecs * 1000 - 1500);
        d.updateCountdown();
        QCOMPARE(d.statusLabel()->text(),
                 QStringLiteral("Waiting for your phone... (expires in 0:01)"));
        Clock::advanceFake(501); // 999 ms left: the next tick ends the code
        QTRY_COMPARE_WITH_TIMEOUT(d.statusLabel()->text(), QStringLiteral("This code has expired."),
                                  2000);
        QVERIFY(!d.newCodeButton()->isHidden());
        QVERIFY(d.codeLabel()->text().isEmpty());
        QVERIFY(d.qrLabel()->pixmap().isNull());
        QVERIFY(d.instructionsLabel()->text().isEmpty());
        QVERIFY(d.deviceNameLabel()->text().isEmpty());
        QVERIFY(d.deviceToken().isEmpty());
        QVERIFY(!d.pollTimer()->isActive());
        QVERIFY(!d.countdownTimer()->isActive());

        // By the backend (HTTP 410) while the clock here stands still.
        d.newCodeButton()->click();
        QTRY_VERIFY(showsCode(d));
        QVERIFY(d.newCodeButton()->isHidden());
        QTRY_COMPARE_WITH_TIMEOUT(d.statusLabel()->text(), QStringLiteral("This code has expired."),
                                  (kCodeLifetimeSecs + 3) * 1000);
        QVERIFY(d.codeLabel()->text().isEmpty());
        QVERIFY(!d.newCodeButton()->isHidden());
    }

    void serverCheck_data()
    {
        QTest::addColumn<QJsonObject>("details");
        QTest::addColumn<QString>("reason"); // empty: accepted
        QTest::addColumn<bool>("reasonIsPrefix");

        QTest::newRow("Xtream account that logs in")
            << xtreamDetails(xtream.password()) << QString() << false;
        QTest::newRow("Xtream account with a wrong password")
            << xtreamDetails(QStringLiteral("wrong")) << kAuthFailed << false;
        QTest::newRow("playlist with a channel")
            << playlistDetails(QStringLiteral("/good.m3u")) << QString() << false;
        QTest::newRow("empty playlist")
            << playlistDetails(QStringLiteral("/empty.m3u")) << kNoChannels << false;
        QTest::newRow("web page instead of a playlist")
            << playlistDetails(QStringLiteral("/page.html")) << kNoChannels << false;
        QTest::newRow("playlist link answering 404")
            << playlistDetails(QStringLiteral("/missing.m3u")) << kCouldNotDownload << true;
        QTest::newRow("playlist server that goes silent")
            << playlistDetails(QStringLiteral("/silent.m3u")) << kCouldNotDownload << true;
    }

    void serverCheck()
    {
        QFETCH(QJsonObject, details);
        QFETCH(QString, reason);
        QFETCH(bool, reasonIsPrefix);
        Clock::setTimeScale(100);
        xtream.clearRequests();

        PairDialog dialog;
        PairDialogTestAccess d(dialog);
        QTRY_VERIFY(showsCode(d));
        const QString firstCode = d.code();
        QCOMPARE(backend.submit(firstCode, details), 200);

        if (reason.isEmpty()) {
            QTRY_COMPARE_WITH_TIMEOUT(dialog.QDialog::result(), int(QDialog::Accepted), 5000);
            const bool isXtream = details.value(QStringLiteral("type")) == QLatin1String("xtream");
            QCOMPARE(dialog.result.type,
                     isXtream ? int(SourceConfig::Xtream) : int(SourceConfig::M3u));
            QCOMPARE(dialog.result.name, details.value(QStringLiteral("name")).toString());
            QCOMPARE(dialog.result.url, details.value(QStringLiteral("url")).toString());
            QCOMPARE(dialog.result.username, details.value(QStringLiteral("username")).toString());
            QCOMPARE(dialog.result.password, details.value(QStringLiteral("password")).toString());
            QCOMPARE(
                dialog.result.liveExtension,
                details.value(QStringLiteral("live_extension")).toString(QStringLiteral("m3u8")));
            QCOMPARE(dialog.result.lastUpdated, qint64(0));
            QCOMPARE(xtream.requestCount(QString()), isXtream ? 1 : 0);
            return;
        }

        // Refused: the reason in red and a new code at once.
        QTRY_VERIFY_WITH_TIMEOUT(!d.messageLabel()->isHidden(), 5000);
        const QString shown = d.messageLabel()->text();
        const QString expected = failureText(reason);
        if (reasonIsPrefix) {
            // The network layer's own words follow the reason.
            const qsizetype lineBreak = expected.indexOf(u'\n');
            QVERIFY2(shown.startsWith(expected.left(lineBreak)) &&
                         shown.endsWith(expected.mid(lineBreak)) && shown.size() > expected.size(),
                     qPrintable(shown));
        } else {
            QCOMPARE(shown, expected);
        }
        QTRY_VERIFY(showsCode(d));
        QVERIFY(d.code() != firstCode);
        QVERIFY(d.statusLabel()->text().startsWith(QStringLiteral("Waiting for your phone")));
        QVERIFY(d.newCodeButton()->isHidden());
        QVERIFY(!d.messageLabel()->isHidden());
        QVERIFY(dialog.result.url.isEmpty());
        QVERIFY(dialog.QDialog::result() != QDialog::Accepted);
    }

    void newCodeClearsTheRedLine()
    {
        PairDialog dialog;
        PairDialogTestAccess d(dialog);
        QTRY_VERIFY(showsCode(d));
        QCOMPARE(backend.submit(d.code(), xtreamDetails(QStringLiteral("wrong"))), 200);
        QTRY_COMPARE_WITH_TIMEOUT(d.messageLabel()->text(), failureText(kAuthFailed), 5000);
        QTRY_VERIFY(showsCode(d));

        // The red line stays while the new code runs out...
        Clock::advanceFake(kCodeLifetimeSecs * 1000);
        d.updateCountdown();
        QCOMPARE(d.statusLabel()->text(), QStringLiteral("This code has expired."));
        QVERIFY(!d.messageLabel()->isHidden());
        // ...and goes with "Get a new code", which gives no reason.
        d.newCodeButton()->click();
        QVERIFY(d.messageLabel()->isHidden());
        QVERIFY(d.messageLabel()->text().isEmpty());
        QTRY_VERIFY(showsCode(d));
    }

    void answerOfAnOlderCodeChangesNothing()
    {
        xtream.clearRequests();
        PairDialog dialog;
        PairDialogTestAccess d(dialog);
        QTRY_VERIFY(showsCode(d));
        QCOMPARE(backend.submit(d.code(), xtreamDetails(xtream.password())), 200);

        // A poll is on its way when the code runs out on screen and the user asks for another;
        // the backend answers that poll with the details.
        const int generation = d.generation();
        d.poll();
        QVERIFY(d.pollInFlight());
        Clock::advanceFake(kCodeLifetimeSecs * 1000);
        d.updateCountdown();
        d.newCodeButton()->click();
        QCOMPARE(d.generation(), generation + 1);

        QTRY_VERIFY(!d.pollInFlight());
        QTRY_VERIFY(showsCode(d));
        QTest::qWait(200);
        QVERIFY(d.statusLabel()->text().startsWith(QStringLiteral("Waiting for your phone")));
        QCOMPARE(xtream.requestCount(QString()), 0);
        QVERIFY(dialog.result.url.isEmpty());
        QVERIFY(dialog.QDialog::result() != QDialog::Accepted);
    }

    void throughTheServerDialog()
    {
        SourceDialog dialog(nullptr, nullptr, {QStringLiteral("kitchen")});
        dialog.setSubscriptionPrompt(&PairDialog::askForServer);
        SourceDialogTestAccess s(dialog);
        ModalDriver<PairDialog> pairing([this](PairDialog* pair) {
            PairDialogTestAccess d(*pair);
            QTRY_VERIFY(showsCode(d));
            QCOMPARE(backend.submit(d.code(), playlistDetails(QStringLiteral("/good.m3u"))), 200);
        });
        QCOMPARE(s.execThroughSubscription(15000), int(QDialog::Accepted));
        QCOMPARE(pairing.handled(), 1);
        QCOMPARE(s.typeCombo()->currentIndex(), int(SourceConfig::M3u));
        QCOMPARE(s.pageStack()->currentIndex(), int(SourceConfig::M3u));
        const SourceConfig config = dialog.config();
        QCOMPARE(config.type, int(SourceConfig::M3u));
        QCOMPARE(config.name, QStringLiteral("Kitchen (2)")); // unique as if typed
        QCOMPARE(config.url, playlists.url(QStringLiteral("/good.m3u")).toString());
        QVERIFY(config.username.isEmpty());
        QVERIFY(config.password.isEmpty());
        QCOMPARE(config.liveExtension, QStringLiteral("m3u8"));
        QCOMPARE(config.lastUpdated, qint64(0));
        QVERIFY(!dialog.findChild<PairDialog*>()); // gone with its clients and timers
    }

    void cleanupTestCase()
    {
        backend.stop();
        QVERIFY(!backend.output().contains("p@ss"));
    }
};

VELMORA_TEST_MAIN(TestPairDialog)
#include "tst_pairdialog.moc"
