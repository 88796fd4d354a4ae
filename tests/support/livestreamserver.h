#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QThread;
class LiveStreamRelay;

// A live MPEG-TS channel over HTTP on 127.0.0.1, like an IPTV server's: an ffmpeg process
// encodes testsrc2 (and a sine) in real time, and every client that asks for /live.ts gets the
// stream from the moment it joins, with no length and no end. Runs on a thread of its own, so
// it keeps serving while the test's thread is busy in libVLC.
//
// The test can make it misbehave the ways real sources do: stop sending while keeping the
// connection open (`setSending(false)`), drop every connection (`dropClients`), or go away
// entirely and come back later on the same address (`stop`, `start`).
class LiveStreamServer final : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        int width = 320;
        int height = 240;
        int fps = 25;
        int keyframeInterval = 5; // frames; small, so a joining client starts quickly
        bool video = true;
        bool audio = true;
    };

    explicit LiveStreamServer(QObject* parent = nullptr);
    explicit LiveStreamServer(const Options& options, QObject* parent = nullptr);
    ~LiveStreamServer() override;

    // Starts listening (on the same port again after a stop) and starts ffmpeg; returns once
    // ffmpeg delivers data, false if it does not within `timeoutMs`.
    bool start(int timeoutMs = 10000);
    // Ends ffmpeg, closes every connection and stops listening (connections are refused).
    void stop();

    QUrl url() const; // http://127.0.0.1:<port>/live.ts
    quint16 port() const;

    void setSending(bool on); // off: connections stay open, no byte flows
    void dropClients();       // closes every client connection (the stream ends for them)

    int clientCount() const;      // connections currently receiving the stream
    int requestCount() const;     // requests for the stream since construction
    qint64 producedBytes() const; // bytes ffmpeg has delivered since the last start

private:
    QThread* thread = nullptr;
    LiveStreamRelay* relay = nullptr;
};
