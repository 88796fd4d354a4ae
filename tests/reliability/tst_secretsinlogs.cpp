// A whole session with diagnostic lines on: login test, the six lists, a playlist download,
// playing a live channel, a movie, an episode and a programme from the archive (both address
// forms), and pairing. The password must appear in none
// of our own lines, in any form a server or URL would carry it.
#include "app/clock.h"
#include "app/messagebox.h"
#include "catchup/catchupplayback.h"
#include "mainwindowtestaccess.h"
#include "pairing/pairingclient.h"
#include "pairingserverprocess.h"
#include "sourcedialogtestaccess.h"
#include "sources/sourcemanager.h"
#include "stderrcapture.h"
#include "tempprofile.h"
#include "testmain.h"
#include "ui/playbacktext.h"
#include "xtreamfixture.h"

#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {
const QString kPassword = QStringLiteral("Pa55+w0rd%41 s&x");
const QString kPhonePassword = QStringLiteral("ph0ne+Secret%2F");

QList<QByteArray> formsOf(const QString& secret)
{
    return {secret.toUtf8(), QUrl::toPercentEncoding(secret),
            QUrl::toPercentEncoding(secret).replace("%20", "+"),
            QUrl::toPercentEncoding(secret, "", "+&")};
}
} // namespace

class TestSecretsInLogs : public QObject
{
    Q_OBJECT

private slots:
    void wholeSession()
    {
        TempProfile profile;
        PairingServerProcess backend{QStringLiteral(PAIRING_SERVER)};
        QVERIFY2(backend.start({QStringLiteral("--poll-interval"), QStringLiteral("1")}),
                 qPrintable(backend.errorText()));
        qputenv("VELMORA_BACKEND_URL", backend.baseUrl().toUtf8());

        XtreamFixture xtream(true); // serves while libVLC blocks this thread
        xtream.setCredentials(QStringLiteral("viewer"), kPassword);
        xtream.setCatalog(XtreamFixture::generate(3, 3, 2));
        QVERIFY(xtream.start());
        xtream.server().route(QStringLiteral("/get.php"), [](const auto&) {
            return LoopbackHttpServer::text("#EXTM3U\n#EXTINF:-1,One\nhttp://127.0.0.1:9/1.ts\n");
        });

        // The test streams do not exist: playing them may end in error boxes, answered here.
        for (int i = 0; i < 20; ++i)
            MessageBox::queueAnswer(QMessageBox::Close);
        StderrCapture capture;

        // The login test of the server dialog.
        SourceDialog dialog(nullptr, nullptr, {});
        SourceDialogTestAccess d(dialog);
        d.urlEdit()->setText(xtream.baseUrl());
        d.usernameEdit()->setText(QStringLiteral("viewer"));
        d.passwordEdit()->setText(kPassword);
        d.testConnection();
        QTRY_COMPARE(d.statusLabel()->text(), QStringLiteral("Connection OK"));

        // The six lists, then a live channel, a movie and an episode.
        SourceConfig server = dialog.config();
        server.name = QStringLiteral("Secret");
        SourceConfig playlist;
        playlist.name = QStringLiteral("Playlist");
        playlist.url = xtream.baseUrl() + QStringLiteral("/get.php?username=viewer&password=") +
                       QString::fromLatin1(QUrl::toPercentEncoding(kPassword)) +
                       QStringLiteral("&type=m3u");
        SourceManager().saveSource(server);
        SourceManager().saveSource(playlist);
        MainWindow window;
        MainWindowTestAccess w(window);
        QTRY_COMPARE(w.pendingFetchSteps(), 0);
        QCOMPARE(w.liveItems().size(), 3);
        w.playMediaItem(w.liveItems().first());
        w.playMediaItem(w.movieItems().first());
        Episode episode;
        episode.id = QStringLiteral("5001");
        episode.containerExtension = QStringLiteral("mkv");
        w.playMediaItem(mediaItemFromEpisode(episode, QStringLiteral("Show")));
        // The fixture keeps no archive: the path form fails and the query form is played.
        MediaItem archived = w.liveItems().first();
        archived.archiveDays = 3;
        GuideProgramme past;
        past.start = Clock::epochSecs() - 7200;
        past.stop = past.start + 3600;
        QVERIFY(w.catchup()->play(w.activeSource(), archived, {past}, 0));
        QTRY_VERIFY(capture.text().contains("[Catch-up]"));
        QTRY_VERIFY(capture.text().contains("/streaming/timeshift.php?"));
        w.sourceCombo()->setCurrentIndex(
            1); // the playlist, downloaded with the password in its URL
        QTRY_COMPARE(w.channelItems().size(), 1);
        w.playMediaItem(w.channelItems().first());

        // Pairing: the phone sends an account whose password then reaches this computer.
        PairingClient client;
        PairingClient::Started started;
        bool opened = false;
        client.start([&](bool ok, const PairingClient::Started& s, const QString&) {
            opened = ok;
            started = s;
        });
        QTRY_VERIFY(opened);
        const QJsonObject details{{QStringLiteral("type"), QStringLiteral("xtream")},
                                  {QStringLiteral("name"), QStringLiteral("Phone")},
                                  {QStringLiteral("url"), xtream.baseUrl()},
                                  {QStringLiteral("username"), QStringLiteral("viewer")},
                                  {QStringLiteral("password"), kPhonePassword},
                                  {QStringLiteral("live_extension"), QStringLiteral("ts")}};
        QCOMPARE(backend.submit(started.code, details), 200);
        SourceConfig received;
        client.status(started.deviceToken,
                      [&](PairingClient::Status, const SourceConfig& c) { received = c; });
        QTRY_COMPARE(received.password, kPhonePassword);

        const QByteArray log = capture.text();
        // The session really was logged...
        QVERIFY(log.contains("[Xtream] ->"));
        QVERIFY(log.contains("[Xtream] <-"));
        QVERIFY(log.contains("[M3U] ->"));
        QVERIFY(log.contains("[VLC] play ->"));
        QVERIFY(log.contains("[Pairing] ->"));
        QVERIFY(log.contains("[Pairing] <- status"));
        // ...and no line carries a password, literal or encoded.
        const QList<QByteArray> lines = log.split('\n');
        for (const QString& secret : {kPassword, kPhonePassword}) {
            for (const QByteArray& form : formsOf(secret)) {
                for (const QByteArray& line : lines) {
                    if (line.startsWith('['))
                        QVERIFY2(!line.contains(form), line.constData());
                }
            }
        }
        MessageBox::reset();
        // The backend, which carries passwords, logs none either.
        const QByteArray backendLog = backend.output();
        for (const QByteArray& form : formsOf(kPhonePassword))
            QVERIFY(!backendLog.contains(form));
    }
};

VELMORA_TEST_MAIN_AFTER(TestSecretsInLogs, qputenv("VELMORA_NET_DEBUG", "1"))
#include "tst_secretsinlogs.moc"
