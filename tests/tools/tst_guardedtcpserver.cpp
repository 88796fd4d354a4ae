// A client that opens many connections and trickles its requests a byte at a time (a slow
// loris) against the pairing backend's HTTP server, over loopback: others are still served,
// and the trickling connections are cut at the request deadline.
#include "guardedtcpserver.h"
#include "pairingserver.h"

#include "fastertime.h"
#include "testmain.h"

#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

namespace {
const QByteArray kRequest = "POST /api/v1/pair/start HTTP/1.1\r\nHost: x\r\nContent-Length: 2\r\n"
                            "Content-Type: application/json\r\n\r\n{}";
// A body that takes minutes at the pace it is sent.
const QByteArray kSlowHead = "POST /api/v1/pair/start HTTP/1.1\r\nHost: x\r\nContent-Length: "
                             "10000\r\n\r\n";

// Connections from one address, each sending one more byte of a request every few ms.
class SlowClient final
{
public:
    SlowClient(quint16 port, int connections)
    {
        for (int i = 0; i < connections; ++i) {
            sockets.push_back(std::make_unique<QTcpSocket>());
            sockets.back()->connectToHost(QHostAddress::LocalHost, port);
        }
        // The server accepts on this thread: wait in the event loop, not in waitForConnected().
        QObject::connect(&trickle, &QTimer::timeout, [this] {
            for (auto& socket : sockets) {
                if (socket->state() == QAbstractSocket::ConnectedState)
                    socket->write(sent < kSlowHead.size() ? kSlowHead.mid(sent, 1)
                                                          : QByteArray("x"));
            }
            ++sent;
            mostConnected = std::max(mostConnected, connected());
        });
        trickle.start(10);
    }

    int mostConnected = 0;

    int connected() const
    {
        return int(std::count_if(sockets.cbegin(), sockets.cend(), [](const auto& socket) {
            return socket->state() == QAbstractSocket::ConnectedState;
        }));
    }

private:
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    QTimer trickle;
    int sent = 0;
};

// The answer to a whole request sent from `from` (another loopback address is another client).
QByteArray answerFrom(const QString& from, quint16 port)
{
    QTcpSocket socket;
    socket.bind(QHostAddress(from), 0);
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return QByteArray();
    socket.write(kRequest);
    QByteArray reply;
    [&] {
        QTRY_VERIFY_WITH_TIMEOUT((reply += socket.readAll()).contains("\r\n\r\n") ||
                                     socket.state() == QAbstractSocket::UnconnectedState,
                                 10000);
    }();
    return reply;
}
} // namespace

class TestGuardedTcpServer : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PairingServer> server;

    quint16 startServer()
    {
        PairingServer::Settings settings;
        settings.port = 0;
        settings.quiet = true;
        server = std::make_unique<PairingServer>(settings);
        QString error;
        if (!server->listen(&error))
            qWarning() << error;
        return server->port();
    }

private slots:
    void cleanup() { server.reset(); }

    // More connections than the server takes in all, from one address.
    void oneClientCannotTakeEveryConnection()
    {
        const quint16 port = startServer();
        QVERIFY(port != 0);
        const GuardedTcpServer::Limits limits;
        SlowClient loris(port, limits.maxConnections + 4);
        QTRY_COMPARE_WITH_TIMEOUT(loris.connected(), limits.maxConnectionsPerClient, 15000);

        QVERIFY(answerFrom(QStringLiteral("127.0.0.2"), port).startsWith("HTTP/1.1 200"));
        // Still trickling, still held: the deadline is far off in real time.
        QCOMPARE(loris.connected(), limits.maxConnectionsPerClient);
    }

    // Bytes now and then never let a request take longer than its deadline.
    void tricklingRequestsMeetTheirDeadline()
    {
        const FasterTime faster(100); // the 30 s deadline lasts 0.3 s
        const quint16 port = startServer();
        SlowClient loris(port, 4);
        QTRY_COMPARE_WITH_TIMEOUT(loris.mostConnected, 4, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(loris.connected(), 0, 10000);
        // The server is free for others afterwards.
        QVERIFY(answerFrom(QStringLiteral("127.0.0.1"), port).startsWith("HTTP/1.1 200"));
    }
};

VELMORA_TEST_MAIN(TestGuardedTcpServer)
#include "tst_guardedtcpserver.moc"
