#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimeZone>

class QProcess;
class QTcpSocket;
class QUrlQuery;

// One archive viewing: an ffmpeg of its own drawing the channel's picture with the requested
// programme time burned in, as text (UTC, running on from the start) and as a strip of 32 black
// or white cells holding the start minute (Unix seconds / 60), most significant bit on the left,
// so a test can read which moment plays. Ends after the requested length or with the socket.
class ArchiveStream final : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        QString username;
        QString password;
        qint64 channel = 0;
        qint64 startUtc = 0;
        int minutes = 0;
        bool valid = false;
    };

    // /timeshift/<user>/<pass>/<minutes>/<YYYY-MM-DD:HH-MM>/<id>.ts, the start in `zone`.
    static Request fromPath(const QStringList& parts, const QTimeZone& zone);
    // /streaming/timeshift.php?username=&password=&stream=&start=&duration=
    static Request fromQuery(const QUrlQuery& query, const QTimeZone& zone);
    // The start of "YYYY-MM-DD:HH-MM" on the wall clock of `zone`; 0 when unreadable.
    static qint64 startFromText(const QString& text, const QTimeZone& zone);

    // The socket's response head is already written; it is closed when the stream ends.
    ArchiveStream(const QString& ffmpeg, qint64 channel, qint64 startUtc, int seconds,
                  QTcpSocket* socket);
    ~ArchiveStream() override;

private:
    QStringList arguments(qint64 channel, qint64 startUtc, int seconds) const;

    QString ffmpeg;
    QPointer<QTcpSocket> socket;
    QProcess* process = nullptr;
};
