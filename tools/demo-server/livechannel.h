#pragma once

#include "faultcontrol.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QTimer>

#include <functional>

class QProcess;
class QTcpSocket;

// One live channel while someone watches it: an ffmpeg process drawing a test pattern with the
// channel's name and a tone, encoding it once and writing it both as one endless MPEG-TS stream,
// which is copied to every connected viewer, and as HLS segments in a folder of its own.
// New viewers first get the last second or two, so their decoder meets a key frame at once.
class LiveChannel final : public QObject
{
    Q_OBJECT

public:
    struct Settings
    {
        QString ffmpeg = QStringLiteral("ffmpeg");
        QString directory;  // HLS playlist and segments; emptied on start and stop
        QString bannerPath; // PNG strip with the name laid over the picture; may be missing
        QSize size{384, 216};
        int idleMs = 10000;
    };

    LiveChannel(qint64 id, const Settings& settings, QObject* parent = nullptr);
    ~LiveChannel() override;

    qint64 id() const { return channelId; }
    void start();
    void stop(); // closes every viewer, ends ffmpeg, removes the HLS files

    // The socket's response head is already written; from now on it gets the stream.
    void addViewer(QTcpSocket* socket);
    int viewerCount() const;
    // An HLS request for this channel: keeps it running like a connected viewer would.
    void touch();
    bool inUse() const;
    qint64 lastUsedMs() const { return lastActivityMs; }
    void setFault(FaultControl::ChannelFault fault);

    QString playlistPath() const;
    QString segmentPath(const QString& name) const; // empty for names that are not segments
    // Calls `ready` with the playlist text once it lists a segment, or with an empty text
    // after `timeoutMs`; never from inside this call, and not once `context` is gone.
    void whenPlaylistReady(QObject* context, int timeoutMs,
                           std::function<void(const QByteArray&)> ready);

signals:
    void idle();  // no viewer and no HLS request for the idle time
    void ended(); // ffmpeg stopped by itself

private:
    QStringList arguments(bool withText) const;
    void onOutput();
    void onFinished();
    void checkIdle();
    void write(QTcpSocket* socket, const QByteArray& data);
    void pruneViewers();
    void closeViewers();

    struct Chunk
    {
        qint64 atMs;
        QByteArray data;
    };

    const qint64 channelId;
    const Settings settings;
    QProcess* process = nullptr;
    QList<QPointer<QTcpSocket>> viewers;
    QByteArray partial; // output after the last whole 188-byte packet
    QList<Chunk> backlog;
    QTimer idleTimer;
    qint64 lastActivityMs = 0;
    qint64 bytesOut = 0;
    bool textEnabled = true;
    bool stopping = false;
    FaultControl::ChannelFault fault = FaultControl::ChannelFault::None;
};
