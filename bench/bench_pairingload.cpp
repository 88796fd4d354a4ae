// The pairing backend under many players polling at once, over loopback: one instance keeping
// pairings in memory, one on Redis, and two on Redis behind a round-robin spread. Figures:
// status polls per second flat out, latency with 10,000 pairings polling every second (from
// when each poll was due), and memory per pending pairing.
#include "benchutil.h"
#include "pairingload.h"
#include "pairingserverprocess.h"
#include "redisserverprocess.h"

#include <QCoreApplication>
#include <QFile>
#include <QTcpSocket>
#include <QUrl>

#include <memory>
#include <unistd.h>

namespace {
constexpr int kPairings = 10000;
constexpr int kConnections = 200; // what a load balancer keeps open to the backends
constexpr double kRateSeconds = 6;
constexpr double kFlatOutSeconds = 4;

qint64 rssKibOf(qint64 pid)
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

// CPU seconds a process has used (user and system).
double cpuSecondsOf(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    // Fields after the command name (which may hold spaces): utime and stime are 12th and 13th.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) /
           double(sysconf(_SC_CLK_TCK));
}

// Redis's own count of the bytes it holds for data.
qint64 redisUsedBytes(const QString& url)
{
    const QUrl address(url);
    QTcpSocket socket;
    socket.connectToHost(address.host(), quint16(address.port()));
    if (!socket.waitForConnected(5000))
        return -1;
    socket.write("INFO memory\r\n");
    QByteArray reply;
    while (!reply.contains("used_memory:") || !reply.endsWith("\r\n")) {
        if (!socket.waitForReadyRead(5000))
            return -1;
        reply += socket.readAll();
    }
    const qsizetype at = reply.indexOf("used_memory:") + 12;
    return reply.mid(at, reply.indexOf('\r', at) - at).toLongLong();
}

void runCase(const QString& name, int instances, bool onRedis)
{
    RedisServerProcess redis;
    if (onRedis && !redis.start()) {
        bench::report(QStringLiteral("pairingload"), name, -1, QStringLiteral("no redis-server"));
        return;
    }
    std::vector<std::unique_ptr<PairingServerProcess>> servers;
    QList<pairingload::Endpoint> endpoints;
    QStringList options{QStringLiteral("--max-pairings"),
                        QString::number(kPairings * 2),
                        QStringLiteral("--max-pairings-per-client"),
                        QString::number(kPairings * 2),
                        QStringLiteral("--poll-interval"),
                        QStringLiteral("1")};
    if (onRedis)
        options << QStringLiteral("--redis") << redis.url();
    for (int i = 0; i < instances; ++i) {
        servers.push_back(std::make_unique<PairingServerProcess>(QStringLiteral(PAIRING_SERVER)));
        servers.back()->discardLog();
        if (!servers.back()->start(options)) {
            std::fprintf(stderr, "%s\n", qPrintable(servers.back()->errorText()));
            return;
        }
        const QUrl url(servers.back()->baseUrl());
        endpoints.append({url.host(), quint16(url.port())});
    }

    const qint64 rssBefore = rssKibOf(servers.front()->pid());
    const qint64 redisBefore = onRedis ? redisUsedBytes(redis.url()) : 0;
    pairingload::Client client(endpoints, kConnections);
    const QStringList tokens = client.openPairings(kPairings);
    if (tokens.size() != kPairings) {
        std::fprintf(stderr, "%s: opened %lld of %d pairings\n", qPrintable(name),
                     qint64(tokens.size()), kPairings);
        return;
    }
    const QString bench = QStringLiteral("pairingload");
    if (onRedis)
        bench::report(bench, name + QStringLiteral(": Redis memory per pending pairing"),
                      double(redisUsedBytes(redis.url()) - redisBefore) / kPairings,
                      QStringLiteral("bytes"));
    else
        bench::report(bench, name + QStringLiteral(": memory per pending pairing"),
                      double(rssKibOf(servers.front()->pid()) - rssBefore) * 1024 / kPairings,
                      QStringLiteral("bytes"));

    const auto serverCpu = [&servers] {
        double total = 0;
        for (const auto& server : servers)
            total += cpuSecondsOf(server->pid());
        return total;
    };
    const double cpuBefore = serverCpu();
    const double redisCpuBefore = onRedis ? cpuSecondsOf(redis.pid()) : 0;
    const double clientCpuBefore = cpuSecondsOf(QCoreApplication::applicationPid());
    const pairingload::Result flat = client.pollFlatOut(tokens, kFlatOutSeconds);
    // On a shared machine the wall-clock rate depends on everyone else; the backend's own CPU
    // time per poll does not.
    const auto perPollUs = [&flat](double cpuSeconds) {
        return cpuSeconds * 1e6 / double(flat.answers);
    };
    bench::report(bench, name + QStringLiteral(": backend CPU per poll"),
                  perPollUs(serverCpu() - cpuBefore), QStringLiteral("us"),
                  QStringLiteral("< 100 (10000/s on one core)"));
    if (onRedis)
        bench::report(bench, name + QStringLiteral(": redis-server CPU per poll"),
                      perPollUs(cpuSecondsOf(redis.pid()) - redisCpuBefore), QStringLiteral("us"));
    // The load client must cost well under the backend, or it measures itself.
    bench::report(bench, name + QStringLiteral(": load client CPU per poll"),
                  perPollUs(cpuSecondsOf(QCoreApplication::applicationPid()) - clientCpuBefore),
                  QStringLiteral("us"));
    bench::report(bench, name + QStringLiteral(": polls flat out"), flat.perSecond(),
                  QStringLiteral("polls/s"),
                  instances > 1 ? QStringLiteral("> one instance on Redis") : QString());

    const pairingload::Result rate = client.pollAtRate(tokens, 1000, kRateSeconds);
    const QString target = instances == 1 && !onRedis ? QStringLiteral("10000") : QString();
    bench::report(bench, name + QStringLiteral(": 10k pairings at 1 s, answered"), rate.perSecond(),
                  QStringLiteral("polls/s"), target);
    bench::report(bench, name + QStringLiteral(": 10k pairings at 1 s, p50"), rate.percentileMs(50),
                  QStringLiteral("ms"));
    bench::report(bench, name + QStringLiteral(": 10k pairings at 1 s, p99"), rate.percentileMs(99),
                  QStringLiteral("ms"),
                  instances == 1 && !onRedis ? QStringLiteral("< 20") : QString());
    if (flat.failures + rate.failures > 0)
        std::fprintf(stderr, "%s: %lld failed answers\n", qPrintable(name),
                     flat.failures + rate.failures);
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    runCase(QStringLiteral("memory x1"), 1, false);
    runCase(QStringLiteral("Redis x1"), 1, true);
    runCase(QStringLiteral("Redis x2"), 2, true);
    return 0;
}
