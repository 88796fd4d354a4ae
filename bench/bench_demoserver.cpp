// The demo server at load-test size: catalog generation and JSON rendering in-process, poster
// painting, then the real program at --scale 100000: start-up, list answers over loopback, memory.
#include "benchutil.h"
#include "catalogrenderer.h"
#include "democatalog.h"
#include "posterpainter.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>
#include <unistd.h>
#include <vector>

namespace {

using Kind = DemoCatalog::Kind;

// One GET over a fresh connection; the body, or empty on failure.
QByteArray fetch(const QUrl& url)
{
    QTcpSocket socket;
    socket.connectToHost(url.host(), quint16(url.port()));
    if (!socket.waitForConnected(5000))
        return {};
    socket.write("GET " + url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority) +
                 " HTTP/1.1\r\nHost: x\r\n\r\n");
    QByteArray data;
    qint64 length = -1;
    qsizetype headEnd = -1;
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            break;
        data += socket.readAll();
        if (headEnd < 0 && (headEnd = data.indexOf("\r\n\r\n")) >= 0) {
            const qsizetype at = data.toLower().indexOf("content-length:");
            length =
                at >= 0 ? data.mid(at + 15, data.indexOf('\r', at) - at - 15).trimmed().toLongLong()
                        : -1;
        }
        if (headEnd >= 0 && length >= 0 && data.size() - headEnd - 4 >= length)
            return data.mid(headEnd + 4);
    }
    return {};
}

qint64 processRssKib(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

void inProcess()
{
    for (int scale : {3000, 100000}) {
        const QString label = QStringLiteral("--scale %1").arg(scale);
        const qint64 before = bench::currentRssKib();
        bench::resetPeakRss();
        QElapsedTimer timer;
        timer.start();
        const DemoCatalog catalog(scale);
        const double generateMs = double(timer.nsecsElapsed()) / 1e6;
        timer.restart();
        const CatalogRenderer renderer(catalog, QStringLiteral("http://127.0.0.1:8088"),
                                       QStringLiteral("demo"), QStringLiteral("demo"));
        const double renderMs = double(timer.nsecsElapsed()) / 1e6;
        qint64 bytes = 0;
        for (Kind k : {Kind::Live, Kind::Movie, Kind::Series})
            bytes += renderer.streams(k, QString()).size();
        const qint64 peak = bench::peakRssKib();

        bench::report(QStringLiteral("demo catalog"), label + QStringLiteral(" generate"),
                      generateMs, QStringLiteral("ms"), QStringLiteral("< 2000 ms at 100k"));
        bench::report(QStringLiteral("demo catalog"), label + QStringLiteral(" render lists"),
                      renderMs, QStringLiteral("ms"), QStringLiteral("< 2000 ms at 100k"));
        bench::report(QStringLiteral("demo catalog"), label + QStringLiteral(" list JSON"),
                      double(bytes) / (1024.0 * 1024.0), QStringLiteral("MB"));
        bench::report(QStringLiteral("demo catalog"), label + QStringLiteral(" memory"),
                      double(peak - before) / 1024.0, QStringLiteral("MB peak"));

        // The first request for a category assembles its part of the list.
        const QString drama = catalog.categories(Kind::Movie).value(2).id;
        timer.restart();
        const qsizetype partSize = renderer.streams(Kind::Movie, drama).size();
        bench::report(QStringLiteral("demo catalog"),
                      label + QStringLiteral(" first category list (%1 KB)").arg(partSize / 1024),
                      double(timer.nsecsElapsed()) / 1e6, QStringLiteral("ms"));
    }

    int n = 0;
    const double posterMs = bench::medianMs(41, [&] {
        (void)PosterPainter::png(QStringLiteral("The Silent Harbor: Director's Cut (1987)"),
                                 QStringLiteral("Drama · 1987"), quint64(++n) * 7919);
    });
    bench::report(QStringLiteral("demo posters"), QStringLiteral("paint + PNG 200x300"), posterMs,
                  QStringLiteral("ms"), QStringLiteral("< 20 ms"));
}

// CPU seconds (user + system) used so far by the process and, with `children`, by every process
// whose parent it is.
double cpuSeconds(qint64 pid, bool children)
{
    const double tick = double(sysconf(_SC_CLK_TCK));
    auto ofStat = [&](const QByteArray& stat) {
        // Fields after the command name: state ppid ... utime(12) stime(13)
        const QList<QByteArray> f = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        return std::pair<qint64, double>(f.value(1).toLongLong(),
                                         (f.value(11).toDouble() + f.value(12).toDouble()) / tick);
    };
    double total = 0;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile file(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const auto [parent, seconds] = ofStat(file.readAll());
        if (entry.toLongLong() == pid || (children && parent == pid))
            total += seconds;
    }
    return total;
}

// One viewer per channel for a few seconds: what the ffmpeg processes and the server cost.
void liveCpu(const QString& base, qint64 pid, int channels)
{
    std::vector<std::unique_ptr<QTcpSocket>> viewers;
    for (int id = 1; id <= channels; ++id) {
        auto socket = std::make_unique<QTcpSocket>();
        const QUrl url(base + QStringLiteral("/live/demo/demo/%1.ts").arg(id));
        socket->connectToHost(url.host(), quint16(url.port()));
        socket->waitForConnected(5000);
        socket->write("GET " + url.path().toUtf8() + " HTTP/1.1\r\nHost: x\r\n\r\n");
        socket->waitForBytesWritten(1000);
        viewers.push_back(std::move(socket));
    }
    auto drain = [&](int ms) {
        QElapsedTimer t;
        t.start();
        qint64 bytes = 0;
        while (t.elapsed() < ms) {
            for (auto& s : viewers) {
                s->waitForReadyRead(10);
                bytes += s->readAll().size();
            }
        }
        return bytes;
    };
    drain(2000); // start-up
    const double serverBefore = cpuSeconds(pid, false);
    const double allBefore = cpuSeconds(pid, true);
    const qint64 bytes = drain(5000);
    const double server = (cpuSeconds(pid, false) - serverBefore) / 5.0 * 100.0;
    const double all = (cpuSeconds(pid, true) - allBefore) / 5.0 * 100.0;
    const QString label = QStringLiteral("%1 live channel(s) watched").arg(channels);
    bench::report(QStringLiteral("demo server live"), label + QStringLiteral(", ffmpeg + server"),
                  all, QStringLiteral("% of one core"),
                  channels == 1 ? QStringLiteral("< 15 %") : QString());
    bench::report(QStringLiteral("demo server live"), label + QStringLiteral(", server alone"),
                  server, QStringLiteral("% of one core"));
    bench::report(QStringLiteral("demo server live"), label + QStringLiteral(", stream rate"),
                  double(bytes) * 8.0 / 5.0 / 1000.0 / channels, QStringLiteral("kbit/s each"));
}

void wholeProcess()
{
    QTemporaryDir dir;
    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    server.start(QStringLiteral(VELMORA_DEMO_SERVER),
                 {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"),
                  QStringLiteral("--scale"), QStringLiteral("100000"), QStringLiteral("--data-dir"),
                  dir.path()});
    QString base;
    while (base.isEmpty() && server.waitForReadyRead(60000)) {
        while (server.canReadLine()) {
            const QByteArray line = server.readLine().trimmed();
            if (line.startsWith("DEMO_SERVER_URL="))
                base = QString::fromUtf8(line.mid(16));
        }
    }
    if (base.isEmpty()) {
        bench::report(QStringLiteral("demo server 100k"), QStringLiteral("start"), -1,
                      QStringLiteral("FAILED"));
        return;
    }
    bench::report(QStringLiteral("demo server 100k"), QStringLiteral("start until listening"),
                  double(timer.nsecsElapsed()) / 1e6, QStringLiteral("ms"),
                  QStringLiteral("< 3000 ms"));

    const QString api =
        base + QStringLiteral("/player_api.php?username=demo&password=demo&action=");
    for (const QString& action :
         {QStringLiteral("get_vod_streams"), QStringLiteral("get_series"),
          QStringLiteral("get_live_streams"), QStringLiteral("get_vod_streams&category_id=103")}) {
        qsizetype size = 0;
        const double ms = bench::medianMs(5, [&] { size = fetch(QUrl(api + action)).size(); });
        bench::report(
            QStringLiteral("demo server 100k"),
            QStringLiteral("%1 (%2 MB)").arg(action).arg(double(size) / 1048576.0, 0, 'f', 1), ms,
            QStringLiteral("ms"));
    }
    int id = 1000000;
    const double posterMs = bench::medianMs(
        21, [&] { (void)fetch(QUrl(base + QStringLiteral("/posters/movie/%1.png").arg(++id))); });
    bench::report(QStringLiteral("demo server 100k"), QStringLiteral("new poster over HTTP"),
                  posterMs, QStringLiteral("ms"));
    bench::report(QStringLiteral("demo server 100k"), QStringLiteral("resident memory"),
                  double(processRssKib(server.processId())) / 1024.0, QStringLiteral("MB"));
    liveCpu(base, server.processId(), 1);
    liveCpu(base, server.processId(), 3);
    server.terminate();
    server.waitForFinished(10000);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    inProcess();
    wholeProcess();
    return 0;
}
