#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QTcpSocket>
#include <QUrl>

#include <utility>

// A deliberately plain HTTP/1.1 client for testing a server process: it sees exactly what the
// server does on the wire (no answer at all, a connection closed early, a body that never ends).
// Blocking calls; the server runs in another process.
class RawHttp final
{
public:
    using Headers = QList<std::pair<QByteArray, QByteArray>>;

    struct Answer
    {
        bool answered = false; // a complete response head arrived
        bool closed = false;   // the server closed the connection
        int status = 0;
        QHash<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;

        QByteArray header(const QByteArray& name) const { return headers.value(name.toLower()); }
    };

    // Opens a connection and sends one request.
    RawHttp(const QUrl& url, const QByteArray& method = "GET", const Headers& headers = {});

    // Reads until the body is complete (by Content-Length), the server closes, `maxBody` bytes of
    // body have arrived or `waitMs` have passed.
    const Answer& read(int waitMs, qint64 maxBody = -1);
    // Reads whatever arrives within `waitMs`; returns how many body bytes came.
    qint64 readFor(int waitMs);
    bool isOpen() const { return socket.state() == QAbstractSocket::ConnectedState; }
    const Answer& answer() const { return result; }
    void close() { socket.abort(); }

    // One request, read to the end (10 s at most).
    static Answer fetch(const QUrl& url, const QByteArray& method = "GET",
                        const Headers& headers = {}, int waitMs = 10000);

private:
    bool consume();
    bool complete() const;

    QTcpSocket socket;
    QByteArray buffer;
    Answer result;
    qint64 contentLength = -1;
    bool headOnly = false;
};
