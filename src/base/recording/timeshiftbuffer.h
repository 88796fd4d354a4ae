#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>

class GrowingSource;
class QLockFile;
class QThread;
class StreamRecorder;

// The disk buffer behind a paused live channel: the channel's stream copied as it arrives (TS
// byte for byte, HLS by its segments) into files under the cache folder, played back through a
// GrowingSource. Only the newest `limitMs` are kept: the buffer is written in six files in a row
// and the oldest is deleted when the newest no longer need it. The copy runs on a thread of its
// own; the files go when the buffer stops or is destroyed, and what a crash left behind goes at
// the next start (removeLeftovers).
class TimeShiftBuffer final : public QObject
{
    Q_OBJECT

public:
    explicit TimeShiftBuffer(QObject* parent = nullptr);
    ~TimeShiftBuffer() override;

    // Where every buffer's folder lies.
    static QString rootFolder();
    // Deletes the folders of buffers no running program holds.
    static void removeLeftovers();

    // Starts copying `url`. False, with `message` for the user, when the cache cannot be
    // written.
    bool start(const QUrl& url, qint64 limitMs, QString* message);
    // Ends the copy and deletes the files.
    void stop();

    bool isRunning() const { return source_ != nullptr; }
    std::shared_ptr<GrowingSource> source() const { return source_; }
    QString folder() const { return folderPath; }
    // Milliseconds since the copy started: the buffer's "now".
    qint64 liveMs() const;
    qint64 oldestMs() const;

signals:
    void receiving(); // the first bytes arrived
    void failed(const QString& message);

private:
    QThread* worker = nullptr;
    StreamRecorder* recorder = nullptr;
    std::shared_ptr<GrowingSource> source_;
    std::unique_ptr<QLockFile> lockFile;
    QString folderPath;
    qint64 startMs = 0;
};
