#pragma once

#include <QFile>
#include <QObject>

class QTcpSocket;

// Streams part of a file into a connection whose response head is already written, a piece at a
// time as the client takes it, then closes the connection. Lives as the socket's child.
class FileSender final : public QObject
{
    Q_OBJECT

public:
    // False when the file cannot be opened or positioned; nothing is written then.
    static bool start(QTcpSocket* socket, const QString& path, qint64 first, qint64 length);

private:
    FileSender(QTcpSocket* socket, const QString& path);
    void pump();

    QTcpSocket* socket;
    QFile file;
    qint64 remaining = 0;
};
