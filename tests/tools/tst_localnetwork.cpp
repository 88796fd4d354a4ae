// Who the built-in pairing backend answers and where it listens: the address rules, and a real
// request over loopback judged as if it came from elsewhere.
#include "localnetwork.h"
#include "pairingserver.h"

#include "testmain.h"

#include <QTcpSocket>

class TestLocalNetwork : public QObject
{
    Q_OBJECT

private slots:
    void clientAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("local");
        QTest::newRow("10/8") << "10.1.2.3" << true;
        QTest::newRow("172.16/12 low") << "172.16.0.1" << true;
        QTest::newRow("172.16/12 high") << "172.31.255.254" << true;
        QTest::newRow("172.32 is public") << "172.32.0.1" << false;
        QTest::newRow("192.168/16") << "192.168.1.20" << true;
        QTest::newRow("192.169 is public") << "192.169.0.1" << false;
        QTest::newRow("loopback v4") << "127.0.0.1" << true;
        QTest::newRow("link-local v4") << "169.254.10.1" << true;
        QTest::newRow("public v4") << "203.0.113.5" << false;
        QTest::newRow("carrier-grade NAT") << "100.64.0.1" << false;
        QTest::newRow("loopback v6") << "::1" << true;
        QTest::newRow("link-local v6") << "fe80::1" << true;
        QTest::newRow("unique-local fd") << "fd12:3456::1" << true;
        QTest::newRow("unique-local fc") << "fc00::1" << true;
        QTest::newRow("global v6") << "2001:db8::1" << false;
        QTest::newRow("mapped private v4") << "::ffff:192.168.0.7" << true;
        QTest::newRow("mapped public v4") << "::ffff:8.8.8.8" << false;
    }

    void clientAddresses()
    {
        QFETCH(QString, address);
        QFETCH(bool, local);
        QCOMPARE(LocalNetwork::isLocalClient(QHostAddress(address)), local);
    }

    void listeningAddress_data()
    {
        using LocalNetwork::Interface;
        const auto at = [](const char* text) { return QHostAddress(QString::fromLatin1(text)); };
        QTest::addColumn<QString>("defaultRoute");
        QTest::addColumn<QList<Interface>>("interfaces");
        QTest::addColumn<QString>("chosen");
        const Interface wifi{
            QStringLiteral("wlan0"), true, {at("fe80::2"), at("fd00::2"), at("192.168.1.5")}};
        const Interface docker{QStringLiteral("docker0"), true, {at("172.17.0.1")}};
        const Interface publicOnly{QStringLiteral("eth0"), true, {at("203.0.113.9")}};
        const Interface v6Only{QStringLiteral("eth1"), true, {at("2001:db8::5"), at("fd00::5")}};
        QTest::newRow("private v4 of the default route")
            << "wlan0" << QList<Interface>{docker, wifi} << "192.168.1.5";
        QTest::newRow("unique-local when no private v4")
            << "eth1" << QList<Interface>{v6Only} << "fd00::5";
        QTest::newRow("default route without a private address")
            << "eth0" << QList<Interface>{docker, publicOnly} << QString();
        QTest::newRow("route unknown: any usable interface")
            << QString() << QList<Interface>{publicOnly, wifi} << "192.168.1.5";
        QTest::newRow("interface down")
            << "wlan0" << QList<Interface>{{QStringLiteral("wlan0"), false, wifi.addresses}}
            << QString();
    }

    void listeningAddress()
    {
        QFETCH(QString, defaultRoute);
        QFETCH(QList<LocalNetwork::Interface>, interfaces);
        QFETCH(QString, chosen);
        const QHostAddress address = LocalNetwork::chooseAddress(defaultRoute, interfaces);
        QCOMPARE(address.isNull() ? QString() : address.toString(), chosen);
    }

    // A real request to a backend that takes only local clients; the client is taken to be at
    // `peer`, though the traffic stays on loopback.
    void requestsJudgedByClientAddress_data()
    {
        QTest::addColumn<QString>("peer");
        QTest::addColumn<bool>("answered");
        QTest::newRow("home network") << "192.168.1.20" << true;
        QTest::newRow("public address") << "203.0.113.5" << false;
        QTest::newRow("global v6") << "2001:db8::7" << false;
    }

    void requestsJudgedByClientAddress()
    {
        QFETCH(QString, peer);
        QFETCH(bool, answered);
        PairingServer::Settings settings;
        settings.port = 0;
        settings.localClientsOnly = true;
        settings.peerForTests = QHostAddress(peer);
        settings.quiet = true;
        PairingServer server(settings);
        QString error;
        QVERIFY2(server.listen(&error), qPrintable(error));

        QTcpSocket socket;
        const QUrl url(server.listeningUrl());
        socket.connectToHost(url.host(), quint16(url.port()));
        QVERIFY(socket.waitForConnected(5000));
        socket.write("POST /api/v1/pair/start HTTP/1.1\r\nHost: x\r\nContent-Length: 2\r\n"
                     "Content-Type: application/json\r\n\r\n{}");
        QByteArray reply;
        QTRY_VERIFY_WITH_TIMEOUT((reply += socket.readAll()).contains("\r\n\r\n") ||
                                     socket.state() == QAbstractSocket::UnconnectedState,
                                 5000);
        QCOMPARE(reply.startsWith("HTTP/1.1 200"), answered);
        if (!answered)
            QVERIFY(reply.isEmpty());
    }
};

VELMORA_TEST_MAIN(TestLocalNetwork)
#include "tst_localnetwork.moc"
