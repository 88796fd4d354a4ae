#include "livestreamserver.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QMetaObject>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <atomic>

namespace {
constexpr int kTsPacket = 188;
constexpr qint64 kMaxBacklog = 8 * 1024 * 1024; // a client that reads nothing loses data
} // namespace

// Lives on the server's thread: the ffmpeg process, the listener and the clients.
class LiveStreamRelay final : public QObject
{
public:
    explicit LiveStreamRelay(const LiveStreamServer::Options& options)
        : options(options)
    {}

    // Everything bound to the thread's event dispatcher goes before the thread ends.
    void tearDown()
    {
        shutDown();
        delete listener;
        listener = nullptr;
    }

    bool startUp()
    {
        if (!listener) {
            listener = new QTcpServer(this);
            connect(listener, &QTcpServer::newConnection, this, [this] { accept(); });
        }
        if (!listener->isListening() && !listener->listen(QHostAddress::LocalHost, listenPort))
            return false;
        listenPort = listener->serverPort();

        produced = 0;
        sending = true;
        ffmpeg = new QProcess(this);
        ffmpeg->setProcessChannelMode(QProcess::SeparateChannels);
        ffmpeg->setStandardErrorFile(QProcess::nullDevice());
        connect(ffmpeg, &QProcess::readyReadStandardOutput, this, [this] { relay(); });
        ffmpeg->start(QStringLiteral("ffmpeg"), arguments());
        return ffmpeg->waitForStarted(5000);
    }

    void shutDown()
    {
        if (ffmpeg) {
            ffmpeg->disconnect(this);
            ffmpeg->kill();
            ffmpeg->waitForFinished(5000);
            delete ffmpeg;
            ffmpeg = nullptr;
        }
        dropClients();
        if (listener)
            listener->close();
    }

    void dropClients()
    {
        const QList<QTcpSocket*> sockets = clients.keys();
        clients.clear();
        for (QTcpSocket* socket : sockets) {
            socket->disconnect(this);
            socket->abort();
            delete socket;
        }
        streaming = 0;
    }

    quint16 listenPort = 0;
    std::atomic<bool> sending{true};
    std::atomic<qint64> produced{0};
    std::atomic<int> streaming{0};
    std::atomic<int> requests{0};

private:
    struct Client
    {
        QByteArray request;
        bool joined = false; // headers sent, receives the stream
    };

    QStringList arguments() const
    {
        QStringList args{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                         QStringLiteral("error"), QStringLiteral("-nostdin"),
                         QStringLiteral("-re")};
        if (options.video) {
            args += {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                     QStringLiteral("testsrc2=size=%1x%2:rate=%3")
                         .arg(options.width)
                         .arg(options.height)
                         .arg(options.fps)};
        }
        if (options.audio) {
            args += {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                     QStringLiteral("sine=frequency=440:sample_rate=48000")};
        }
        if (options.video) {
            args += {QStringLiteral("-c:v"),     QStringLiteral("libx264"),
                     QStringLiteral("-preset"),  QStringLiteral("ultrafast"),
                     QStringLiteral("-tune"),    QStringLiteral("zerolatency"),
                     QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"),
                     QStringLiteral("-g"),       QString::number(options.keyframeInterval)};
        }
        if (options.audio)
            args += {QStringLiteral("-c:a"), QStringLiteral("aac"), QStringLiteral("-b:a"),
                     QStringLiteral("64k")};
        args += {QStringLiteral("-f"), QStringLiteral("mpegts"), QStringLiteral("-flush_packets"),
                 QStringLiteral("1"), QStringLiteral("pipe:1")};
        return args;
    }

    void accept()
    {
        while (QTcpSocket* socket = listener->nextPendingConnection()) {
            socket->setParent(this);
            clients.insert(socket, Client{});
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                if (clients.value(socket).joined)
                    --streaming;
                clients.remove(socket);
                socket->deleteLater();
            });
        }
    }

    void readRequest(QTcpSocket* socket)
    {
        auto it = clients.find(socket);
        if (it == clients.end())
            return;
        if (it->joined) {
            socket->readAll();
            return;
        }
        it->request += socket->readAll();
        if (!it->request.contains("\r\n\r\n"))
            return;
        ++requests;
        const QByteArray path = it->request.split(' ').value(1);
        if (!path.startsWith("/live.ts")) {
            socket->write(
                "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
            return;
        }
        // no length: the stream goes on until the server ends it
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: video/mp2t\r\nCache-Control: no-cache\r\n"
                      "Connection: close\r\n\r\n");
        it->joined = true;
        ++streaming;
    }

    void relay()
    {
        const QByteArray data = ffmpeg->readAllStandardOutput();
        const qint64 offset = produced;
        produced += data.size();
        if (!sending)
            return;
        // Clients joined mid-stream start at a packet boundary.
        const qsizetype aligned = qsizetype((kTsPacket - offset % kTsPacket) % kTsPacket);
        for (auto it = clients.begin(); it != clients.end(); ++it) {
            if (!it->joined)
                continue;
            QTcpSocket* socket = it.key();
            if (socket->bytesToWrite() > kMaxBacklog)
                continue;
            if (!socket->property("started").toBool()) {
                if (aligned >= data.size())
                    continue;
                socket->setProperty("started", true);
                socket->write(data.mid(aligned));
            } else {
                socket->write(data);
            }
        }
    }

    const LiveStreamServer::Options options;
    QTcpServer* listener = nullptr;
    QProcess* ffmpeg = nullptr;
    QHash<QTcpSocket*, Client> clients;
};

LiveStreamServer::LiveStreamServer(QObject* parent)
    : LiveStreamServer(Options{}, parent)
{}

LiveStreamServer::LiveStreamServer(const Options& options, QObject* parent)
    : QObject(parent)
{
    thread = new QThread;
    thread->setObjectName(QStringLiteral("LiveStreamServer"));
    relay = new LiveStreamRelay(options);
    relay->moveToThread(thread);
    thread->start();
}

LiveStreamServer::~LiveStreamServer()
{
    QMetaObject::invokeMethod(
        relay, [this] { relay->tearDown(); }, Qt::BlockingQueuedConnection);
    thread->quit();
    thread->wait();
    delete relay;
    delete thread;
}

bool LiveStreamServer::start(int timeoutMs)
{
    bool ok = false;
    QMetaObject::invokeMethod(
        relay, [this, &ok] { ok = relay->startUp(); }, Qt::BlockingQueuedConnection);
    if (!ok)
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    while (relay->produced.load() < 4 * kTsPacket) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
    return true;
}

void LiveStreamServer::stop()
{
    QMetaObject::invokeMethod(
        relay, [this] { relay->shutDown(); }, Qt::BlockingQueuedConnection);
}

QUrl LiveStreamServer::url() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/live.ts").arg(port()));
}

quint16 LiveStreamServer::port() const
{
    quint16 port = 0;
    QMetaObject::invokeMethod(
        relay, [this, &port] { port = relay->listenPort; }, Qt::BlockingQueuedConnection);
    return port;
}

void LiveStreamServer::setSending(bool on)
{
    relay->sending = on;
}

void LiveStreamServer::dropClients()
{
    QMetaObject::invokeMethod(
        relay, [this] { relay->dropClients(); }, Qt::BlockingQueuedConnection);
}

int LiveStreamServer::clientCount() const
{
    return relay->streaming.load();
}

int LiveStreamServer::requestCount() const
{
    return relay->requests.load();
}

qint64 LiveStreamServer::producedBytes() const
{
    return relay->produced.load();
}
