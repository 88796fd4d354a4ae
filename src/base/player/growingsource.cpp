#include "player/growingsource.h"

#include <chrono>

namespace {
// Marks closer than this add nothing to a seek by ten seconds.
constexpr qint64 kMarkEveryMs = 500;
// How often a waiting read looks at `cancelled` again.
constexpr auto kPollWait = std::chrono::milliseconds(50);
} // namespace

GrowingSource::Reader::Reader(std::shared_ptr<GrowingSource> from, qint64 offset)
    : source(std::move(from))
    , position(offset)
{}

qint64 GrowingSource::Reader::read(char* buffer, qint64 size, const std::atomic<bool>& cancelled)
{
    // A file can go between finding it and opening it; the oldest still held is tried then.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const qint64 done = readOnce(buffer, size, cancelled);
        if (done != kGone)
            return done;
    }
    return -1;
}

qint64 GrowingSource::Reader::readOnce(char* buffer, qint64 size,
                                       const std::atomic<bool>& cancelled)
{
    QString path;
    qint64 inFile = 0;
    qint64 available = 0;
    {
        std::unique_lock guard(source->lock);
        for (;;) {
            if (cancelled.load())
                return 0;
            const auto& pieces = source->pieces;
            if (!pieces.isEmpty()) {
                // Dropped while we were behind: carry on with the oldest part still held.
                position = qMax(position, pieces.first().start);
                const Piece& last = pieces.last();
                if (position < last.start + last.size)
                    break;
            }
            if (!source->writing)
                return 0;
            source->arrived.wait_for(guard, kPollWait);
        }
        for (const Piece& piece : std::as_const(source->pieces)) {
            if (position < piece.start + piece.size) {
                path = piece.path;
                inFile = position - piece.start;
                available = piece.start + piece.size - position;
                break;
            }
        }
    }
    if (file.fileName() != path || !file.isOpen()) {
        file.close();
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return kGone;
    }
    if (!file.seek(inFile))
        return -1;
    const qint64 done = file.read(buffer, qMin(size, available));
    if (done > 0)
        position += done;
    return done;
}

std::shared_ptr<GrowingSource> GrowingSource::forFile(const QString& path, qint64 bytes,
                                                      qint64 elapsedMs, bool writing)
{
    auto source = std::make_shared<GrowingSource>();
    source->addFile(path, 0);
    source->grew(bytes, qMax<qint64>(1, elapsedMs));
    source->setWriting(writing);
    return source;
}

void GrowingSource::addFile(const QString& path, qint64 atMs)
{
    std::lock_guard guard(lock);
    const qint64 start = pieces.isEmpty() ? 0 : pieces.last().start + pieces.last().size;
    pieces.append({path, start, 0, atMs});
    if (marks.isEmpty())
        marks.append({atMs, start});
}

void GrowingSource::grew(qint64 bytes, qint64 atMs)
{
    {
        std::lock_guard guard(lock);
        if (pieces.isEmpty() || bytes <= 0)
            return;
        pieces.last().size += bytes;
        const qint64 end = pieces.last().start + pieces.last().size;
        if (marks.isEmpty() || atMs - marks.last().ms >= kMarkEveryMs)
            marks.append({atMs, end});
        else
            marks.last() = {marks.last().ms, end};
    }
    arrived.notify_all();
}

QString GrowingSource::dropOldestFile()
{
    std::lock_guard guard(lock);
    if (pieces.size() < 2)
        return {};
    const Piece gone = pieces.takeFirst();
    const qint64 start = pieces.first().start;
    while (marks.size() > 1 && marks.at(1).offset <= start)
        marks.removeFirst();
    if (!marks.isEmpty() && marks.first().offset < start)
        marks.first() = {pieces.first().startMs, start};
    return gone.path;
}

void GrowingSource::setWriting(bool on)
{
    {
        std::lock_guard guard(lock);
        writing = on;
    }
    arrived.notify_all();
}

bool GrowingSource::isWriting() const
{
    std::lock_guard guard(lock);
    return writing;
}

int GrowingSource::fileCount() const
{
    std::lock_guard guard(lock);
    return int(pieces.size());
}

qint64 GrowingSource::oldestFileEndMs() const
{
    std::lock_guard guard(lock);
    return pieces.size() < 2 ? -1 : pieces.at(1).startMs;
}

qint64 GrowingSource::firstOffset() const
{
    std::lock_guard guard(lock);
    return pieces.isEmpty() ? 0 : pieces.first().start;
}

qint64 GrowingSource::endOffset() const
{
    std::lock_guard guard(lock);
    return pieces.isEmpty() ? 0 : pieces.last().start + pieces.last().size;
}

qint64 GrowingSource::firstMs() const
{
    std::lock_guard guard(lock);
    return marks.isEmpty() ? 0 : marks.first().ms;
}

qint64 GrowingSource::lastMs() const
{
    std::lock_guard guard(lock);
    return marks.isEmpty() ? 0 : marks.last().ms;
}

qint64 GrowingSource::offsetAt(qint64 ms) const
{
    std::lock_guard guard(lock);
    if (marks.isEmpty())
        return 0;
    qint64 offset = marks.last().offset;
    if (ms <= marks.first().ms) {
        offset = marks.first().offset;
    } else {
        for (qsizetype i = 1; i < marks.size(); ++i) {
            const Mark& a = marks.at(i - 1);
            const Mark& b = marks.at(i);
            if (ms <= b.ms) {
                // Between two marks the bytes are taken to have come evenly.
                offset =
                    a.offset + (b.offset - a.offset) * (ms - a.ms) / qMax<qint64>(1, b.ms - a.ms);
                break;
            }
        }
    }
    return offset - offset % kPacketBytes;
}
