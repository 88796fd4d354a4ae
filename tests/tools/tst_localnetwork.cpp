// Who the built-in pairing backend answers and where it listens: the address rules, and a real
// request over loopback judged as if it came from elsewhere.
#include "localnetwork.h"
#include "pairingserver.h"

#include "testmain.h"

#include <QTcpSocket>
#include <QTemporaryFile>

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

    // Routing tables in the format of /proc/net/route, as a little-endian machine prints them,
    // read from a file as the backend reads the kernel's.
    void listeningAddress_data()
    {
        using LocalNetwork::Interface;
        const auto at = [](const char* text) { return QHostAddress(QString::fromLatin1(text)); };
        const auto table = [](std::initializer_list<const char*> rows) {
            QByteArray text = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask"
                              "\t\tMTU\tWindow\tIRTT\n";
            for (const char* row : rows)
                text += QByteArray(row).replace(' ', '\t') + "\t0\t0\t0\n";
            return text;
        };
        // Iface Destination Gateway Flags RefCnt Use Metric Mask
        const char* ethDefault = "eth0 00000000 0101A8C0 0003 0 0 100 00000000";
        const char* ethLan = "eth0 0001A8C0 00000000 0001 0 0 100 00FFFFFF";
        const char* wlanDefault = "wlan0 00000000 0101A8C0 0003 0 0 600 00000000";
        const char* wlanLan = "wlan0 0001A8C0 00000000 0001 0 0 600 00FFFFFF";
        const char* vpnLow = "tun0 00000000 0100080A 0003 0 0 0 00000080";  // 0.0.0.0/1
        const char* vpnHigh = "tun0 00000080 0100080A 0003 0 0 0 00000080"; // 128.0.0.0/1
        const char* vpnNet = "tun0 0000080A 00000000 0001 0 0 0 0000FFFF";  // 10.8.0.0/16
        const char* dockerNet = "docker0 000011AC 00000000 0001 0 0 0 0000FFFF";

        QTest::addColumn<QByteArray>("routes");
        QTest::addColumn<QList<Interface>>("interfaces");
        QTest::addColumn<QStringList>("chosen"); // best first
        const Interface eth{QStringLiteral("eth0"), true, {at("192.168.1.5")}};
        const Interface tun{QStringLiteral("tun0"), true, {at("10.8.0.2")}};
        const Interface wifi{
            QStringLiteral("wlan0"), true, {at("fe80::2"), at("fd00::2"), at("192.168.1.7")}};
        const Interface docker{QStringLiteral("docker0"), true, {at("172.17.0.1")}};
        const Interface publicOnly{QStringLiteral("eth0"), true, {at("203.0.113.9")}};
        const Interface v6Only{QStringLiteral("eth1"), true, {at("2001:db8::5"), at("fd00::5")}};
        const Interface wireguard{QStringLiteral("wg0"), true, {at("10.6.0.2")}};

        QTest::newRow("a VPN's 0/1 and 128/1 are not the default route")
            << table({vpnLow, vpnHigh, vpnNet, ethDefault, ethLan}) << QList<Interface>{tun, eth}
            << QStringList{"192.168.1.5"};
        QTest::newRow("a VPN's own default route loses to the physical one")
            << table({"wg0 00000000 00000000 0001 0 0 0 00000000", wlanDefault, wlanLan})
            << QList<Interface>{wireguard, wifi} << QStringList{"192.168.1.7", "fd00::2"};
        QTest::newRow("cable and Wi-Fi: both, the default route's first")
            << table({ethDefault, wlanDefault, ethLan, wlanLan}) << QList<Interface>{wifi, eth}
            << QStringList{"192.168.1.5", "192.168.1.7", "fd00::2"};
        QTest::newRow("a LAN the VPN routes elsewhere comes last")
            << table({ethDefault, "tun0 0001A8C0 0100080A 0003 0 0 0 00FFFFFF", wlanDefault,
                      "wlan0 0002A8C0 00000000 0001 0 0 600 00FFFFFF"})
            << QList<Interface>{eth, {QStringLiteral("wlan0"), true, {at("192.168.2.7")}}}
            << QStringList{"192.168.2.7", "192.168.1.5"};
        QTest::newRow("only a tunnel: better than nothing")
            << table({"tun0 00000000 00000000 0001 0 0 0 00000000", vpnNet})
            << QList<Interface>{tun} << QStringList{"10.8.0.2"};
        QTest::newRow("container bridges never")
            << table({ethDefault, dockerNet}) << QList<Interface>{docker, publicOnly}
            << QStringList();
        QTest::newRow("unique-local when no private v4")
            << table({"eth1 00000000 00000000 0001 0 0 0 00000000"}) << QList<Interface>{v6Only}
            << QStringList{"fd00::5"};
        QTest::newRow("route unknown: any usable interface")
            << QByteArray() << QList<Interface>{publicOnly, wifi}
            << QStringList{"192.168.1.7", "fd00::2"};
        QTest::newRow("routes that are down do not count")
            << table({"tun0 00000000 00000000 0000 0 0 0 00000000", wlanDefault})
            << QList<Interface>{tun, wifi} << QStringList{"192.168.1.7", "fd00::2"};
        QTest::newRow("interface down")
            << table({wlanDefault})
            << QList<Interface>{{QStringLiteral("wlan0"), false, wifi.addresses}} << QStringList();
    }

    void listeningAddress()
    {
        QFETCH(QByteArray, routes);
        QFETCH(QList<LocalNetwork::Interface>, interfaces);
        QFETCH(QStringList, chosen);
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write(routes);
        file.close();
        QStringList candidates;
        const QList<QHostAddress> addresses =
            LocalNetwork::candidateAddresses(LocalNetwork::readRoutes(file.fileName()), interfaces);
        for (const QHostAddress& address : addresses)
            candidates.append(address.toString());
        QCOMPARE(candidates, chosen);
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
