#include "filesender.h"

#include <QTcpSocket>

namespace {
constexpr qint64 kChunk = 64 * 1024;
constexpr qint64 kQueued = 256 * 1024; // keep at most this much waiting in the socket
} // namespace

FileSender::FileSender(QTcpSocket* socket, const QString& path)
    : QObject(socket)
    , socket(socket)
    , file(path)
{}

bool FileSender::start(QTcpSocket* socket, const QString& path, qint64 first, qint64 length)
{
    auto* sender = new FileSender(socket, path);
    if (!sender->file.open(QIODevice::ReadOnly) || !sender->file.seek(first)) {
        delete sender;
        return false;
    }
    sender->remaining = length;
    connect(socket, &QTcpSocket::bytesWritten, sender, &FileSender::pump);
    sender->pump();
    return true;
}

void FileSender::pump()
{
    while (remaining > 0 && socket->bytesToWrite() < kQueued) {
        const QByteArray piece = file.read(qMin(kChunk, remaining));
        if (piece.isEmpty()) { // the file shrank or broke: the client sees a short body
            remaining = 0;
            break;
        }
        remaining -= piece.size();
        socket->write(piece);
    }
    if (remaining == 0) {
        disconnect(socket, nullptr, this, nullptr);
        socket->disconnectFromHost(); // after what is queued has gone out
        deleteLater();
    }
}
