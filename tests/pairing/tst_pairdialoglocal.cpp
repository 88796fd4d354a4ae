// The pair dialog without VELMORA_BACKEND_URL: it runs the pairing backend itself while it is
// open, and a real browser playing the phone sends the details to it. The home-network address
// is replaced by loopback, so no traffic leaves this computer.
#include "pairing/localpairingbackend.h"
#include "pairing/pairdialog.h"

#include "pairdialogtestaccess.h"
#include "phonebrowser.h"
#include "testmain.h"
#include "xtreamfixture.h"

#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QTcpSocket>
#include <QUrl>

class TestPairDialogLocal : public QObject
{
    Q_OBJECT

private:
    XtreamFixture xtream;

private slots:
    void initTestCase()
    {
        if (!PhoneBrowser::packagesInstalled())
            QSKIP("tests/browser/node_modules is missing: run scripts/install-deps.sh");
        QVERIFY2(!PhoneBrowser::node().isEmpty(), "node is not installed");
        QVERIFY(xtream.start());
    }

    void cleanup() { LocalPairingBackend::setAddressSourceForTests({}); }

    void phoneOnTheSameNetwork()
    {
        LocalPairingBackend::setAddressSourceForTests(
            [] { return QList<QHostAddress>{QHostAddress(QHostAddress::LocalHost)}; });
        QUrl backend;
        {
            PairDialog dialog;
            PairDialogTestAccess d(dialog);
            QTRY_COMPARE_WITH_TIMEOUT(d.code().size(), 6, 10000);
            QVERIFY(d.instructionsLabel()->text().contains(
                QStringLiteral("same network as this computer")));
            backend = QUrl(d.localBackend()->baseUrl());
            QCOMPARE(backend.host(), QStringLiteral("127.0.0.1"));

            const QJsonObject sent{{QStringLiteral("type"), QStringLiteral("xtream")},
                                   {QStringLiteral("name"), QStringLiteral("Bedroom <b>TV</b>")},
                                   {QStringLiteral("url"), xtream.baseUrl()},
                                   {QStringLiteral("username"), xtream.username()},
                                   {QStringLiteral("password"), xtream.password()},
                                   {QStringLiteral("live_extension"), QStringLiteral("ts")}};
            const PhoneBrowser::Outcome phone =
                PhoneBrowser::submit(backend.toString() + QStringLiteral("pair?code=") + d.code(),
                                     d.codeLabel()->text(), sent);
            QVERIFY2(phone.exitCode == 0, phone.errors.constData());
            QTRY_COMPARE_WITH_TIMEOUT(dialog.QDialog::result(), int(QDialog::Accepted), 15000);
            QCOMPARE(dialog.result.name, QStringLiteral("Bedroom <b>TV</b>"));
            QCOMPARE(dialog.result.password, xtream.password());
            QVERIFY(!d.localBackend()->isListening());
        }
        // Closed with the dialog: nothing listens there any more.
        QTcpSocket socket;
        socket.connectToHost(backend.host(), quint16(backend.port()));
        QVERIFY(!socket.waitForConnected(2000));
    }

    void noNetworkAddress()
    {
        LocalPairingBackend::setAddressSourceForTests([] { return QList<QHostAddress>(); });
        PairDialog dialog;
        PairDialogTestAccess d(dialog);
        QVERIFY(d.statusLabel()->text().startsWith(
            QStringLiteral("This computer is not connected to a home network")));
        QVERIFY(!d.newCodeButton()->isHidden());
        QVERIFY(d.codeLabel()->text().isEmpty());
        QVERIFY(d.qrLabel()->pixmap().isNull());
    }
};

VELMORA_TEST_MAIN_AFTER(TestPairDialogLocal, qunsetenv("VELMORA_BACKEND_URL"))
#include "tst_pairdialoglocal.moc"
