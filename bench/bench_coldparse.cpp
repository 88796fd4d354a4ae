// First loads as a user meets them: each job runs once in a fresh process, so every page the
// parser touches is new. Playlist and get_vod_streams jobs alternate with Python doing the same
// work on the same file (json.loads; a compiled-regex playlist reading), which makes the ratio
// meaningful on a busy machine. Catalog cache loads of a saved section are timed as well.
// Every job is timed from bytes in memory to records; the process start is not counted. With
// other builds sharing the cores, wall time mostly measures waiting: CPU time (page faults
// included, as the kernel spends them on the job's thread) is the figure the ratios use.
#include "benchutil.h"
#include "catalogdata.h"
#include "providers/catalogcache.h"
#include "providers/m3uparser.h"
#include "providers/xtreamparser.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {
const QString kSource = QStringLiteral("Cold server");
const QString kSection = QStringLiteral("movie");
// CPU time of a 100k-item cache load in a fresh process before reading went direct to records.
constexpr int kCacheLoadBeforeMs = 160;

constexpr char kPython[] = R"py(import json, re, sys, time
LINES = re.compile(r'\r\n|\n|\r')
GROUP = re.compile(r'group-title="([^"]*)"')
LOGO = re.compile(r'tvg-logo="([^"]*)"')

def m3u(data):
    items, groups = [], {}
    name = group = logo = None
    for line in LINES.split(data.decode('utf-8', 'replace')):
        line = line.strip()
        if not line:
            continue
        if line[:7].upper() == '#EXTINF':
            comma = line.rfind(',')
            name = 'Unnamed' if comma < 0 else line[comma + 1:].strip()
            m = GROUP.search(line)
            group = m.group(1) if m and m.group(1) else 'Uncategorized'
            m = LOGO.search(line)
            logo = m.group(1) if m else ''
        elif line[0] == '#':
            continue
        elif name:
            group = groups.setdefault(group, group)
            items.append({'id': line, 'name': name, 'category': group, 'icon': logo})
            name = None
    return items

data = open(sys.argv[2], 'rb').read()
start, cpu = time.perf_counter(), time.thread_time()
records = m3u(data) if sys.argv[1] == 'm3u' else json.loads(data)
print('%.3f %.3f %d 0' % ((time.perf_counter() - start) * 1000,
                          (time.thread_time() - cpu) * 1000, len(records)))
)py";

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// One job in this process, printed as "<wall ms> <CPU ms> <records> <peak MiB>".
int runJob(const QString& kind, const QString& path)
{
    // Records outlive the timing, as Python's do: freeing them is not part of a load.
    CatalogCache::Section section;
    M3uParser::Result playlist;
    QList<MediaItem> movies;
    const QByteArray bytes = kind == u"cache" ? QByteArray() : readAll(path);
    const double cpu = bench::threadCpuMs();
    const double ms = bench::medianMs(1, [&] {
        if (kind == u"cache")
            CatalogCache::load(kSource, kSection, section);
        else if (kind == u"m3u")
            playlist = M3uParser::parseUtf8(bytes);
        else
            movies = XtreamParser::vodStreams(bytes);
    });
    const double cpuMs = bench::threadCpuMs() - cpu;
    const qsizetype records = section.items.size() + playlist.items.size() + movies.size();
    std::printf("%.3f %.3f %lld %.1f\n", ms, cpuMs, qlonglong(records),
                double(bench::peakRssKib()) / 1024.0);
    std::fflush(stdout);
    // The records die with the process, as they would in Python's.
    std::_Exit(0);
}

struct Run
{
    double ms = 0;
    double cpuMs = 0;
    double peakMb = 0;
};

Run runProcess(const QString& program, const QStringList& arguments, qsizetype expected)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        qFatal("%s failed", qPrintable(program));
    const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 4 || fields[2].toLongLong() != expected)
        qFatal("%s %s: unexpected output", qPrintable(program), qPrintable(arguments.join(u' ')));
    return {fields[0].toDouble(), fields[1].toDouble(), fields[3].toDouble()};
}

double median(const std::vector<Run>& runs, double Run::*figure)
{
    std::vector<double> values;
    for (const Run& run : runs)
        values.push_back(run.*figure);
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Job
{
    QString kind;
    QString file;
    QString label;
    int entries = 0;
    QString ratioTarget;
    std::vector<Run> ours, python;
};
} // namespace

int main(int argc, char* argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--job") == 0) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Velmora Player"));
        QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
        return runJob(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }

    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Velmora Player"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    const QString script = dir.filePath(QStringLiteral("anchor.py"));
    {
        QFile file(script);
        if (!file.open(QIODevice::WriteOnly) || file.write(kPython) < 0)
            qFatal("cannot write the Python anchor");
    }
    auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return file.fileName();
    };
    auto mb = [](qint64 bytes) {
        return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1);
    };

    std::vector<Job> jobs;
    for (const int entries : {100000, 300000}) {
        const bool main = entries == 100000;
        const QString count = QStringLiteral("%1k").arg(entries / 1000);
        const QByteArray playlist = bench::generatePlaylist(entries).toUtf8();
        jobs.push_back({QStringLiteral("m3u"),
                        write(count + QStringLiteral(".m3u"), playlist),
                        QStringLiteral("M3U %1 entries, %2 MB").arg(count, mb(playlist.size())),
                        entries,
                        main ? QStringLiteral(">= 3x") : QString(),
                        {},
                        {}});
        const QByteArray answer = bench::vodAnswer(entries);
        jobs.push_back(
            {QStringLiteral("vod"),
             write(count + QStringLiteral(".json"), answer),
             QStringLiteral("get_vod_streams %1 movies, %2 MB").arg(count, mb(answer.size())),
             entries,
             main ? QStringLiteral(">= 3x") : QString(),
             {},
             {}});
    }
    const int rounds = qEnvironmentVariableIntValue("VELMORA_COLD_RUNS") > 0
                           ? qEnvironmentVariableIntValue("VELMORA_COLD_RUNS")
                           : 5;
    const QString self = QCoreApplication::applicationFilePath();
    for (int run = 0; run < rounds; ++run) {
        for (Job& job : jobs) {
            job.ours.push_back(
                runProcess(self, {QStringLiteral("--job"), job.kind, job.file}, job.entries));
            job.python.push_back(
                runProcess(QStringLiteral("python3"), {script, job.kind, job.file}, job.entries));
        }
    }

    const QString name = QStringLiteral("cold parse");
    for (const Job& job : jobs) {
        const QString anchor =
            job.kind == u"m3u" ? QStringLiteral("Python re") : QStringLiteral("json.loads");
        const double cpu = median(job.ours, &Run::cpuMs);
        const double pythonCpu = median(job.python, &Run::cpuMs);
        const QString fresh = job.label + QStringLiteral(", fresh process");
        bench::report(name, fresh, median(job.ours, &Run::ms), QStringLiteral("ms"));
        bench::report(name, fresh, cpu, QStringLiteral("ms CPU"));
        bench::report(name, fresh + QStringLiteral(", ") + anchor, median(job.python, &Run::ms),
                      QStringLiteral("ms"));
        bench::report(name, fresh + QStringLiteral(", ") + anchor, pythonCpu,
                      QStringLiteral("ms CPU"));
        bench::report(name, job.label + QStringLiteral(", ahead of ") + anchor, pythonCpu / cpu,
                      QStringLiteral("x (CPU)"), job.ratioTarget);
        // What a user waits for, when the machine is quiet enough for it to mean something.
        bench::report(name, job.label + QStringLiteral(", ahead of ") + anchor,
                      median(job.python, &Run::ms) / median(job.ours, &Run::ms),
                      QStringLiteral("x (wall)"), job.ratioTarget);
        bench::report(name, fresh, median(job.ours, &Run::peakMb),
                      QStringLiteral("MB process peak"));
    }

    // Cache loads: one file holds one section here, so each size is saved and loaded in turn.
    for (const int entries : {100000, 300000}) {
        CatalogCache::Section section;
        for (int i = 0; i < 60; ++i)
            section.categories.append(
                {QString::number(i + 1), QStringLiteral("Movies %1").arg(i + 1)});
        section.items = bench::generateItems(entries, 2);
        if (!CatalogCache::save(kSource, kSection, section))
            qFatal("cannot save the cache");
        section = {};
        const qint64 size = QFileInfo(CatalogCache::filePath(kSource)).size();
        std::vector<Run> runs;
        for (int run = 0; run < rounds; ++run)
            runs.push_back(runProcess(
                self, {QStringLiteral("--job"), QStringLiteral("cache"), QString()}, entries));
        const QString label = QStringLiteral("cache load %1k-item section, %2 MB, fresh process")
                                  .arg(entries / 1000)
                                  .arg(mb(size));
        const bool main = entries == 100000;
        bench::report(name, label, median(runs, &Run::ms), QStringLiteral("ms"));
        bench::report(name, label, median(runs, &Run::cpuMs), QStringLiteral("ms CPU"),
                      main ? QStringLiteral("< %1 (half of before)").arg(kCacheLoadBeforeMs / 2)
                           : QString());
        bench::report(name, label, median(runs, &Run::peakMb), QStringLiteral("MB process peak"));
    }
    return 0;
}
