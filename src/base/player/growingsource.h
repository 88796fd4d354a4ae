#pragma once

#include <QFile>
#include <QList>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

// Bytes still being written while they are played: a recording that runs, or the pause buffer of
// a live channel (files in a row, the oldest dropped as the newest arrive). One byte stream over
// all its files, with a time line: which offset arrived how long after the start.
//
// Threads: the writer (any thread) reports growth; libVLC's input thread reads through a Reader,
// which waits for more bytes while the writer is still at work. Everything is under one lock.
class GrowingSource final
{
public:
    // TS packets: a read started on this boundary starts on a packet.
    static constexpr qint64 kPacketBytes = 188;

    // One reading position; libVLC opens one per start of the media.
    class Reader final
    {
    public:
        Reader(std::shared_ptr<GrowingSource> source, qint64 offset);
        // Up to `size` bytes; waits while none are there and more are coming. 0: the end (or
        // `cancelled` was set).
        qint64 read(char* buffer, qint64 size, const std::atomic<bool>& cancelled);
        void seek(qint64 offset) { position = offset; }

    private:
        static constexpr qint64 kGone = -2;
        qint64 readOnce(char* buffer, qint64 size, const std::atomic<bool>& cancelled);

        std::shared_ptr<GrowingSource> source;
        qint64 position = 0;
        QFile file;
    };

    // A file of `bytes` written `elapsedMs` ago by a writer that goes on while `writing`.
    static std::shared_ptr<GrowingSource> forFile(const QString& path, qint64 bytes,
                                                  qint64 elapsedMs, bool writing);
    GrowingSource() = default;

    // Writer side. A new file continues the stream where the last one ended.
    void addFile(const QString& path, qint64 atMs);
    void grew(qint64 bytes, qint64 atMs);
    // The oldest file leaves the stream; its path, for the writer to delete.
    QString dropOldestFile();
    void setWriting(bool on);

    bool isWriting() const;
    int fileCount() const;
    qint64 oldestFileEndMs() const; // when the oldest file's successor began; -1 with one file
    qint64 firstOffset() const;
    qint64 endOffset() const;
    qint64 firstMs() const; // the oldest moment still held
    qint64 lastMs() const;  // the newest
    // The offset of what arrived at `ms` (on a packet boundary), and the reverse.
    qint64 offsetAt(qint64 ms) const;

private:
    struct Piece
    {
        QString path;
        qint64 start = 0;
        qint64 size = 0;
        qint64 startMs = 0;
    };
    struct Mark
    {
        qint64 ms = 0;
        qint64 offset = 0;
    };

    mutable std::mutex lock;
    std::condition_variable arrived;
    QList<Piece> pieces;
    QList<Mark> marks; // ascending in both
    bool writing = true;
};
