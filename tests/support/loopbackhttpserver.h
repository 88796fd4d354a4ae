#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

class QTcpServer;
class QTcpSocket;
class QThread;

// A small HTTP/1.1 server on 127.0.0.1 with an ephemeral port, for tests. Handlers answer per
// path; a response can also misbehave on purpose (stall, cut the body short, trickle it, never
// end it) so clients can be tested against the failures real servers produce.
// Every connection is closed after one response.
class LoopbackHttpServer final : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        QByteArray method;
        QByteArray target;  // as sent: path and query, still encoded
        QString path;       // decoded path
        QUrlQuery query;
        QHash<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
        QString peerAddress;

        QString queryValue(const QString& key) const
        {
            return query.queryItemValue(key, QUrl::FullyDecoded);
        }
    };

    struct Response
    {
        enum class Mode
        {
            Normal,           // headers and the whole body
            Stall,            // read the request, never answer
            HeadersThenStall, // headers, `partialBytes` of the body, then silence
            CutShort,         // headers with the full length, `partialBytes` of the body, close
            Trickle,          // the body in `chunkBytes` pieces every `chunkDelayMs`
            Endless,          // a body without end, `chunkBytes` every `chunkDelayMs`
            Drop              // close the connection without answering
        };

        int status = 200;
        QByteArray contentType = "application/json"; // empty: no Content-Type header
        QByteArray body;
        QList<std::pair<QByteArray, QByteArray>> headers;
        QString filePath; // serve this file instead of `body`, honouring Range requests
        Mode mode = Mode::Normal;
        qint64 partialBytes = 0;
        int chunkBytes = 1024;
        int chunkDelayMs = 10;
    };

    using Handler = std::function<Response(const Request&)>;

    explicit LoopbackHttpServer(QObject* parent = nullptr);
    ~LoopbackHttpServer() override;

    // Starts listening; with `ownThread` the server runs on a thread of its own, so it keeps
    // serving while the test's thread is blocked (libVLC, modal dialogs).
    bool start(bool ownThread = false);
    void stop();

    quint16 port() const { return listenPort; }
    QString baseUrl() const; // "http://127.0.0.1:<port>"
    QUrl url(const QString& pathAndQuery) const;

    // Routes are matched on the exact decoded path; the fallback answers everything else (404
    // when none is set). Safe to call while running.
    void route(const QString& path, Handler handler);
    void setFallback(Handler handler);
    // Serves files of `dir` under `prefix` (for HLS playlists and segments).
    void serveDirectory(const QString& prefix, const QString& dir, const QByteArray& contentType = {});

    QList<Request> requests() const;
    QList<Request> requestsTo(const QString& path) const;
    void clearRequests();
    int openConnections() const;

    static Response json(const QByteArray& body, int status = 200);
    static Response text(const QByteArray& body, const QByteArray& contentType = "text/plain",
                         int status = 200);
    static Response redirect(const QUrl& location, int status = 302);
    static Response status(int code);
    static Response file(const QString& path, const QByteArray& contentType);
    static Response stall();

private:
    struct Connection;

    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void respond(QTcpSocket* socket, const Request& request);
    Handler handlerFor(const QString& path) const;

    QTcpServer* server = nullptr;
    QThread* thread = nullptr;
    quint16 listenPort = 0;

    mutable QMutex mutex; // guards everything below: tests read while the server thread writes
    QHash<QString, Handler> routes;
    QList<std::pair<QString, Handler>> prefixRoutes;
    Handler fallback;
    QList<Request> received;
    QHash<QTcpSocket*, QByteArray> pending;
    int connections = 0;
};
