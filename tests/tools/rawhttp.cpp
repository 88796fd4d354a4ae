#include "rawhttp.h"

#include <QDeadlineTimer>

RawHttp::RawHttp(const QUrl& url, const QByteArray& method, const Headers& headers)
    : headOnly(method == "HEAD")
{
    socket.connectToHost(url.host(), quint16(url.port(80)));
    if (!socket.waitForConnected(5000))
        return;
    QByteArray request = method + ' ' + url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority) +
                         " HTTP/1.1\r\nHost: " + url.host().toUtf8() + ':' +
                         QByteArray::number(url.port(80)) + "\r\n";
    for (const auto& [name, value] : headers)
        request += name + ": " + value + "\r\n";
    request += "\r\n";
    socket.write(request);
    socket.flush();
}

bool RawHttp::consume()
{
    buffer += socket.readAll();
    if (!result.answered) {
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return false;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        const QList<QByteArray> statusLine = lines.value(0).trimmed().split(' ');
        result.status = statusLine.value(1).toInt();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0)
                result.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                      lines[i].mid(colon + 1).trimmed());
        }
        result.answered = true;
        bool ok = false;
        contentLength = result.header("Content-Length").toLongLong(&ok);
        if (!ok || headOnly)
            contentLength = headOnly ? 0 : -1;
        buffer.remove(0, end + 4);
    }
    result.body += buffer;
    buffer.clear();
    return true;
}

bool RawHttp::complete() const
{
    return result.answered && contentLength >= 0 && result.body.size() >= contentLength;
}

const RawHttp::Answer& RawHttp::read(int waitMs, qint64 maxBody)
{
    const QDeadlineTimer deadline(waitMs);
    consume();
    while (!complete() && !(maxBody >= 0 && result.body.size() >= maxBody)) {
        if (socket.state() != QAbstractSocket::ConnectedState) {
            consume();
            result.closed = true;
            break;
        }
        if (deadline.hasExpired())
            break;
        if (socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            consume();
    }
    return result;
}

qint64 RawHttp::readFor(int waitMs)
{
    const qint64 before = result.body.size();
    const QDeadlineTimer deadline(waitMs);
    while (!deadline.hasExpired() && socket.state() == QAbstractSocket::ConnectedState) {
        if (socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            consume();
    }
    consume();
    if (socket.state() != QAbstractSocket::ConnectedState)
        result.closed = true;
    return result.body.size() - before;
}

RawHttp::Answer RawHttp::fetch(const QUrl& url, const QByteArray& method, const Headers& headers,
                               int waitMs)
{
    RawHttp http(url, method, headers);
    return http.read(waitMs);
}
