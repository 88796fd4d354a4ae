#include "loopbackhttpserver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QMimeDatabase>
#include <QMutexLocker>
#include <QPointer>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <memory>

namespace {
QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 206: return "Partial Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 307: return "Temporary Redirect";
    case 308: return "Permanent Redirect";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 404: return "Not Found";
    case 410: return "Gone";
    case 416: return "Range Not Satisfiable";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

QByteArray headerBlock(int status, const QList<std::pair<QByteArray, QByteArray>>& headers,
                       qint64 contentLength)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n";
    for (const auto& [name, value] : headers)
        out += name + ": " + value + "\r\n";
    if (contentLength >= 0)
        out += "Content-Length: " + QByteArray::number(contentLength) + "\r\n";
    out += "Connection: close\r\n\r\n";
    return out;
}

// Writes `data` to `socket` piece by piece, then runs `done`. The timer dies with the socket.
void trickle(QTcpSocket* socket, const QByteArray& data, int chunkBytes, int delayMs,
             const std::function<void()>& done)
{
    auto* timer = new QTimer(socket);
    qint64 offset = 0;
    QObject::connect(timer, &QTimer::timeout, socket,
                     [socket, timer, data, chunkBytes, offset, done]() mutable {
                         if (offset >= data.size()) {
                             timer->stop();
                             done();
                             return;
                         }
                         socket->write(data.mid(offset, chunkBytes));
                         offset += chunkBytes;
                     });
    timer->start(delayMs);
}
} // namespace

LoopbackHttpServer::LoopbackHttpServer(QObject* parent)
    : QObject(parent)
{
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    stop();
}

bool LoopbackHttpServer::start(bool ownThread)
{
    if (ownThread) {
        thread = new QThread;
        thread->setObjectName(QStringLiteral("LoopbackHttpServer"));
        setParent(nullptr);
        moveToThread(thread);
        thread->start();
    }
    bool ok = false;
    auto listen = [this, &ok]() {
        server = new QTcpServer(this);
        connect(server, &QTcpServer::newConnection, this, &LoopbackHttpServer::onNewConnection);
        ok = server->listen(QHostAddress::LocalHost, 0);
        listenPort = server->serverPort();
    };
    if (thread)
        QMetaObject::invokeMethod(this, listen, Qt::BlockingQueuedConnection);
    else
        listen();
    return ok;
}

void LoopbackHttpServer::stop()
{
    auto close = [this]() {
        if (server) {
            server->close();
            const auto sockets = server->findChildren<QTcpSocket*>();
            for (QTcpSocket* socket : sockets)
                socket->abort();
            delete server;
            server = nullptr;
        }
        const auto sockets = findChildren<QTcpSocket*>();
        for (QTcpSocket* socket : sockets) {
            socket->abort();
            delete socket;
        }
    };
    if (thread) {
        if (thread->isRunning()) {
            QMetaObject::invokeMethod(this, close, Qt::BlockingQueuedConnection);
            thread->quit();
            thread->wait();
        }
        delete thread;
        thread = nullptr;
    } else {
        close();
    }
}

QString LoopbackHttpServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(listenPort);
}

QUrl LoopbackHttpServer::url(const QString& pathAndQuery) const
{
    return QUrl(baseUrl() + pathAndQuery);
}

void LoopbackHttpServer::route(const QString& path, Handler handler)
{
    QMutexLocker lock(&mutex);
    routes.insert(path, std::move(handler));
}

void LoopbackHttpServer::setFallback(Handler handler)
{
    QMutexLocker lock(&mutex);
    fallback = std::move(handler);
}

void LoopbackHttpServer::serveDirectory(const QString& prefix, const QString& dir,
                                        const QByteArray& contentType)
{
    QMutexLocker lock(&mutex);
    QString normalizedPrefix = prefix.endsWith(u'/') ? prefix : prefix + u'/';
    prefixRoutes.append({normalizedPrefix, [normalizedPrefix, dir, contentType](const Request& r) {
                             const QString relative = r.path.mid(normalizedPrefix.size());
                             if (relative.contains(QStringLiteral("..")))
                                 return LoopbackHttpServer::status(400);
                             const QString path = QDir(dir).filePath(relative);
                             if (!QFileInfo::exists(path))
                                 return LoopbackHttpServer::status(404);
                             QByteArray type = contentType;
                             if (type.isEmpty()) {
                                 if (path.endsWith(QStringLiteral(".m3u8")))
                                     type = "application/vnd.apple.mpegurl";
                                 else if (path.endsWith(QStringLiteral(".ts")))
                                     type = "video/mp2t";
                                 else
                                     type = QMimeDatabase().mimeTypeForFile(path).name().toUtf8();
                             }
                             return LoopbackHttpServer::file(path, type);
                         }});
}

QList<LoopbackHttpServer::Request> LoopbackHttpServer::requests() const
{
    QMutexLocker lock(&mutex);
    return received;
}

QList<LoopbackHttpServer::Request> LoopbackHttpServer::requestsTo(const QString& path) const
{
    QMutexLocker lock(&mutex);
    QList<Request> out;
    for (const Request& r : received) {
        if (r.path == path)
            out.append(r);
    }
    return out;
}

void LoopbackHttpServer::clearRequests()
{
    QMutexLocker lock(&mutex);
    received.clear();
}

int LoopbackHttpServer::openConnections() const
{
    QMutexLocker lock(&mutex);
    return connections;
}

LoopbackHttpServer::Response LoopbackHttpServer::json(const QByteArray& body, int status)
{
    Response r;
    r.status = status;
    r.body = body;
    return r;
}

LoopbackHttpServer::Response LoopbackHttpServer::text(const QByteArray& body,
                                                      const QByteArray& contentType, int status)
{
    Response r;
    r.status = status;
    r.contentType = contentType;
    r.body = body;
    return r;
}

LoopbackHttpServer::Response LoopbackHttpServer::redirect(const QUrl& location, int status)
{
    Response r;
    r.status = status;
    r.contentType = "text/plain";
    r.headers.append({QByteArray("Location"), location.toEncoded()});
    return r;
}

LoopbackHttpServer::Response LoopbackHttpServer::status(int code)
{
    Response r;
    r.status = code;
    r.contentType = "text/plain";
    r.body = reasonPhrase(code);
    return r;
}

LoopbackHttpServer::Response LoopbackHttpServer::file(const QString& path,
                                                      const QByteArray& contentType)
{
    Response r;
    r.contentType = contentType;
    r.filePath = path;
    return r;
}

LoopbackHttpServer::Response LoopbackHttpServer::stall()
{
    Response r;
    r.mode = Response::Mode::Stall;
    return r;
}

void LoopbackHttpServer::onNewConnection()
{
    while (QTcpSocket* socket = server->nextPendingConnection()) {
        socket->setParent(this);
        {
            QMutexLocker lock(&mutex);
            ++connections;
        }
        connect(socket, &QTcpSocket::readyRead, this, [this, socket]() { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket]() {
            {
                QMutexLocker lock(&mutex);
                pending.remove(socket);
                --connections;
            }
            socket->deleteLater();
        });
    }
}

void LoopbackHttpServer::onReadyRead(QTcpSocket* socket)
{
    QByteArray buffer;
    {
        QMutexLocker lock(&mutex);
        if (!pending.contains(socket) && socket->property("answered").toBool()) {
            socket->readAll(); // ignore anything after the one request we answer
            return;
        }
        buffer = pending.value(socket) + socket->readAll();
        pending.insert(socket, buffer);
    }
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;

    Request request;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    const qint64 contentLength = request.headers.value("content-length").toLongLong();
    const qint64 bodyStart = headerEnd + 4;
    if (buffer.size() - bodyStart < contentLength)
        return; // wait for the rest of the body
    request.body = buffer.mid(bodyStart, contentLength);

    const QUrl parsed(QString::fromLatin1("http://127.0.0.1") + QString::fromLatin1(request.target));
    request.path = parsed.path(QUrl::FullyDecoded);
    request.query = QUrlQuery(parsed);
    request.peerAddress = socket->peerAddress().toString();
    {
        QMutexLocker lock(&mutex);
        pending.remove(socket);
        received.append(request);
    }
    socket->setProperty("answered", true);
    respond(socket, request);
}

LoopbackHttpServer::Handler LoopbackHttpServer::handlerFor(const QString& path) const
{
    QMutexLocker lock(&mutex);
    if (auto it = routes.constFind(path); it != routes.cend())
        return *it;
    for (const auto& [prefix, handler] : prefixRoutes) {
        if (path.startsWith(prefix))
            return handler;
    }
    return fallback;
}

void LoopbackHttpServer::respond(QTcpSocket* socket, const Request& request)
{
    const Handler handler = handlerFor(request.path);
    const Response response = handler ? handler(request) : status(404);
    using Mode = Response::Mode;

    if (response.mode == Mode::Stall)
        return;
    if (response.mode == Mode::Drop) {
        socket->abort();
        return;
    }

    QList<std::pair<QByteArray, QByteArray>> headers = response.headers;
    if (!response.contentType.isEmpty())
        headers.prepend({QByteArray("Content-Type"), response.contentType});

    QByteArray body = response.body;
    int status = response.status;
    if (!response.filePath.isEmpty()) {
        QFile file(response.filePath);
        if (!file.open(QIODevice::ReadOnly)) {
            status = 404;
            body.clear();
        } else {
            const qint64 size = file.size();
            headers.append({QByteArray("Accept-Ranges"), QByteArray("bytes")});
            static const QRegularExpression range(QStringLiteral("^bytes=(\\d*)-(\\d*)$"));
            const auto match = range.match(QString::fromLatin1(request.headers.value("range")));
            if (match.hasMatch() && response.status == 200) {
                qint64 from = match.captured(1).isEmpty() ? 0 : match.captured(1).toLongLong();
                qint64 to = match.captured(2).isEmpty() ? size - 1 : match.captured(2).toLongLong();
                to = qMin(to, size - 1);
                if (from >= size) {
                    status = 416;
                    headers.append({QByteArray("Content-Range"), "bytes */" + QByteArray::number(size)});
                } else {
                    status = 206;
                    file.seek(from);
                    body = file.read(to - from + 1);
                    headers.append({QByteArray("Content-Range"), "bytes " + QByteArray::number(from) + '-'
                                                         + QByteArray::number(to) + '/'
                                                         + QByteArray::number(size)});
                }
            } else {
                body = file.readAll();
            }
        }
    }

    QPointer<QTcpSocket> guard(socket);
    auto closeAfterWrite = [guard]() {
        if (guard)
            guard->disconnectFromHost();
    };
    if (request.method == "HEAD") {
        socket->write(headerBlock(status, headers, body.size()));
        closeAfterWrite();
        return;
    }

    switch (response.mode) {
    case Mode::Normal:
        socket->write(headerBlock(status, headers, body.size()));
        socket->write(body);
        closeAfterWrite();
        break;
    case Mode::HeadersThenStall:
        socket->write(headerBlock(status, headers, body.size()));
        socket->write(body.left(response.partialBytes));
        break;
    case Mode::CutShort:
        socket->write(headerBlock(status, headers, body.size()));
        socket->write(body.left(response.partialBytes));
        socket->flush();
        closeAfterWrite();
        break;
    case Mode::Trickle:
        socket->write(headerBlock(status, headers, body.size()));
        trickle(socket, body, response.chunkBytes, response.chunkDelayMs, closeAfterWrite);
        break;
    case Mode::Endless: {
        socket->write(headerBlock(status, headers, -1));
        auto timer = new QTimer(socket);
        const QByteArray chunk(response.chunkBytes, body.isEmpty() ? ' ' : body.at(0));
        connect(timer, &QTimer::timeout, socket, [socket, chunk]() {
            if (socket->bytesToWrite() < 4 * 1024 * 1024)
                socket->write(chunk);
        });
        timer->start(response.chunkDelayMs);
        break;
    }
    case Mode::Stall:
    case Mode::Drop:
        break;
    }
}
