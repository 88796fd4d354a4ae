#pragma once

// Small helpers shared by the benchmarks: timing, peak memory, and one output format that
// scripts/bench.sh gathers into a table. Every figure is one line on standard output:
//   BENCH <tab> benchmark <tab> case <tab> value <tab> unit <tab> target

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace bench {

inline void report(const QString& benchmark, const QString& caseName, double value,
                   const QString& unit, const QString& target = QString())
{
    const QByteArray line = QStringLiteral("BENCH\t%1\t%2\t%3\t%4\t%5\n")
                                .arg(benchmark, caseName, QString::number(value, 'f', value < 10 ? 2 : 1),
                                     unit, target.isEmpty() ? QStringLiteral("-") : target)
                                .toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

// Resident-set peak of this process in KiB (VmHWM).
inline qint64 peakRssKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

inline qint64 currentRssKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Resets VmHWM to the current resident size, so the next peak belongs to the next case.
inline void resetPeakRss()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// CPU time of the calling thread in milliseconds: unlike wall time, not stretched when other
// processes keep the machine's cores busy.
inline double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Median wall time of `runs` calls, in milliseconds.
inline double medianMs(int runs, const std::function<void()>& body)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        body();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace bench
