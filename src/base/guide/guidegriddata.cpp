#include "guide/guidegriddata.h"

#include "guide/guidestore.h"

#include <QMutexLocker>
#include <QThread>

#include <algorithm>
#include <limits>
#include <vector>

namespace {
// Windows around the viewport read ahead, in each direction.
constexpr int kAheadRowBlocks = 1;
constexpr int kAheadTimeBlocks = 1;
} // namespace

GuideGridData::GuideGridData(QObject* parent)
    : QObject(parent)
{
    thread = QThread::create([this]() { run(); });
    thread->setObjectName(QStringLiteral("guide grid reader"));
    thread->start();
}

GuideGridData::~GuideGridData()
{
    {
        QMutexLocker lock(&mutex);
        stopping = true;
        queue.clear();
    }
    wake.wakeAll();
    thread->wait();
    delete thread;
}

quint64 GuideGridData::keyOf(int rowBlock, qint64 timeBlock)
{
    return (quint64(quint32(rowBlock)) << 32) | quint64(quint32(timeBlock));
}

qint64 GuideGridData::timeBlockOf(qint64 time)
{
    return time >= 0 ? time / kWindowSecs : -((-time + kWindowSecs - 1) / kWindowSecs);
}

void GuideGridData::reset()
{
    windows.clear();
    wantedNow.clear();
    queue.clear();
    requested.clear();
    ++generation;
}

void GuideGridData::setStore(const QString& path)
{
    {
        QMutexLocker lock(&mutex);
        reset();
        storePath = path;
        ++storeGeneration;
    }
    wake.wakeAll();
}

void GuideGridData::setRows(const QList<int>& channels, const QList<qint64>& shifts)
{
    QMutexLocker lock(&mutex);
    reset();
    rowChannels = channels;
    rowShifts.clear();
    earliestShift = latestShift = 0;
    for (const qint64 shift : shifts) {
        earliestShift = std::min(earliestShift, shift);
        latestShift = std::max(latestShift, shift);
    }
    if (earliestShift != 0 || latestShift != 0)
        rowShifts = shifts;
}

void GuideGridData::want(int firstRow, int lastRow, qint64 from, qint64 to)
{
    if (rowChannels.isEmpty() || to <= from)
        return;
    const int lastBlock = int((rowChannels.size() - 1) / kWindowRows);
    const int rowFirst = std::max(0, firstRow) / kWindowRows;
    const int rowLast = std::clamp(lastRow, 0, int(rowChannels.size() - 1)) / kWindowRows;
    // Shifted rows show programmes of other hours of the guide.
    const qint64 timeFirst = timeBlockOf(from - latestShift);
    const qint64 timeLast = timeBlockOf(to - 1 - earliestShift);

    // Visible windows first, then the ring around them.
    std::vector<std::pair<int, qint64>> order;
    for (int r = rowFirst; r <= rowLast; ++r) {
        for (qint64 t = timeFirst; t <= timeLast; ++t)
            order.emplace_back(r, t);
    }
    for (int r = std::max(0, rowFirst - kAheadRowBlocks);
         r <= std::min(lastBlock, rowLast + kAheadRowBlocks); ++r) {
        for (qint64 t = timeFirst - kAheadTimeBlocks; t <= timeLast + kAheadTimeBlocks; ++t) {
            if (r < rowFirst || r > rowLast || t < timeFirst || t > timeLast)
                order.emplace_back(r, t);
        }
    }

    ++useCounter;
    wantedNow.clear();
    bool added = false;
    {
        QMutexLocker lock(&mutex);
        // What scrolled away before it was read is not read any more.
        for (const Job& job : queue)
            requested.remove(job.key);
        queue.clear();
        for (const auto& [rowBlock, timeBlock] : order) {
            const quint64 key = keyOf(rowBlock, timeBlock);
            wantedNow.insert(key);
            if (auto it = windows.find(key); it != windows.end()) {
                it->used = useCounter;
                continue;
            }
            if (requested.contains(key))
                continue;
            Job job;
            job.key = key;
            job.generation = generation;
            job.channels = rowChannels.mid(qsizetype(rowBlock) * kWindowRows, kWindowRows);
            job.from = timeBlock * kWindowSecs;
            job.to = job.from + kWindowSecs;
            queue.push_back(std::move(job));
            requested.insert(key);
            added = true;
        }
    }
    if (added)
        wake.wakeAll();
}

QList<GuideProgramme> GuideGridData::programmes(int row, qint64 from, qint64 to,
                                                bool* complete) const
{
    const qint64 shift = row >= 0 && row < rowShifts.size() ? rowShifts.at(row) : 0;
    QList<GuideProgramme> out = stored(row, from - shift, to - shift, complete);
    if (shift != 0) {
        for (GuideProgramme& p : out) {
            p.start += shift;
            p.stop += shift;
        }
    }
    return out;
}

QList<GuideProgramme> GuideGridData::stored(int row, qint64 from, qint64 to, bool* complete) const
{
    QList<GuideProgramme> out;
    bool all = true;
    if (row >= 0 && row < rowChannels.size() && to > from) {
        const int rowBlock = row / kWindowRows;
        const int inBlock = row % kWindowRows;
        qint64 lastStart = std::numeric_limits<qint64>::min();
        for (qint64 t = timeBlockOf(from); t <= timeBlockOf(to - 1); ++t) {
            const auto it = windows.constFind(keyOf(rowBlock, t));
            if (it == windows.cend()) {
                all = false;
                continue;
            }
            // A programme crossing a window's edge is in both windows: keep it once.
            for (const GuideProgramme& p : it->rows.at(inBlock)) {
                if (p.start > lastStart && p.stop > from && p.start < to) {
                    out.append(p);
                    lastStart = p.start;
                }
            }
        }
    }
    if (complete)
        *complete = all;
    return out;
}

bool GuideGridData::isIdle() const
{
    QMutexLocker lock(&mutex);
    return requested.isEmpty();
}

void GuideGridData::deliver(quint64 key, quint64 answered, QList<QList<GuideProgramme>> rows)
{
    {
        QMutexLocker lock(&mutex);
        if (answered != generation)
            return;
        requested.remove(key);
    }
    Window& w = windows[key];
    w.rows = std::move(rows);
    w.used = useCounter;
    evict();
    emit loaded();
}

void GuideGridData::evict()
{
    if (windows.size() <= kMaxWindows)
        return;
    std::vector<std::pair<quint64, quint64>> byUse; // used, key
    byUse.reserve(size_t(windows.size()));
    for (auto it = windows.cbegin(); it != windows.cend(); ++it) {
        if (!wantedNow.contains(it.key()))
            byUse.emplace_back(it->used, it.key());
    }
    std::sort(byUse.begin(), byUse.end());
    // Down to three quarters, so eviction does not run on every arrival.
    const qsizetype drop = windows.size() - kMaxWindows * 3 / 4;
    for (qsizetype i = 0; i < drop && i < qsizetype(byUse.size()); ++i)
        windows.remove(byUse[size_t(i)].second);
}

void GuideGridData::run()
{
    GuideStore store;
    quint64 opened = 0;
    for (;;) {
        Job job;
        QString path;
        bool reopen = false;
        {
            QMutexLocker lock(&mutex);
            while (!stopping && queue.empty())
                wake.wait(&mutex);
            if (stopping)
                return;
            job = std::move(queue.front());
            queue.pop_front();
            if (opened != storeGeneration) {
                opened = storeGeneration;
                path = storePath;
                reopen = true;
            }
        }
        if (reopen) {
            store.close();
            if (!path.isEmpty())
                store.open(path, false); // small windows: the page cache serves them
        }
        QList<QList<GuideProgramme>> rows = store.window(job.channels, job.from, job.to);
        rows.resize(job.channels.size());
        QMetaObject::invokeMethod(
            this,
            [this, key = job.key, generation = job.generation, rows = std::move(rows)]() mutable {
                deliver(key, generation, std::move(rows));
            },
            Qt::QueuedConnection);
    }
}
