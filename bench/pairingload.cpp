#include "pairingload.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace pairingload {
namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

struct Connection
{
    int fd = -1;
    QByteArray in;
    bool busy = false;
    Clock::time_point sentAt;
    Clock::time_point dueAt;
    std::vector<int> owned; // indexes into the work list
    size_t next = 0;        // position in the owner's schedule
};

int connectTo(const Endpoint& endpoint)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(endpoint.port);
    ::inet_pton(AF_INET, endpoint.host.toLatin1().constData(), &address.sin_addr);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    return fd;
}

// Length of one complete response at the start of `data` (Content-Length framing), or 0.
qsizetype completeResponse(const QByteArray& data, int* status, QByteArray* body)
{
    const qsizetype headEnd = data.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return 0;
    const QByteArray head = data.left(headEnd).toLower();
    const qsizetype at = head.indexOf("content-length:");
    const qsizetype lineEnd = head.indexOf('\r', at);
    const qint64 length = at < 0
                              ? 0
                              : head.mid(at + 15, (lineEnd < 0 ? head.size() : lineEnd) - at - 15)
                                    .trimmed()
                                    .toLongLong();
    if (data.size() < headEnd + 4 + length)
        return 0;
    *status = data.mid(9, 3).toInt();
    *body = data.mid(headEnd + 4, length);
    return headEnd + 4 + length;
}

// The event loop shared by the three drivers: `request(i)` makes the request for work item i,
// `onAnswer(i, status, body)` takes its answer, `nextDue(connection)` says when the connection
// should send next (or nothing more).
class Driver
{
public:
    Driver(const QList<Endpoint>& endpoints, int connections, int items)
    {
        epoll = ::epoll_create1(0);
        for (int c = 0; c < connections; ++c) {
            Connection connection;
            connection.fd = connectTo(endpoints.at(c % endpoints.size()));
            pool.push_back(connection);
        }
        for (int i = 0; i < items; ++i)
            pool[size_t(i % connections)].owned.push_back(i);
        for (size_t c = 0; c < pool.size(); ++c) {
            if (pool[c].fd < 0)
                continue;
            epoll_event event{};
            event.events = EPOLLIN;
            event.data.u64 = c;
            ::epoll_ctl(epoll, EPOLL_CTL_ADD, pool[c].fd, &event);
        }
    }
    ~Driver()
    {
        for (const Connection& c : pool)
            if (c.fd >= 0)
                ::close(c.fd);
        ::close(epoll);
    }

    std::function<QByteArray(int item)> request;
    std::function<void(int item, int status, const QByteArray& body, Connection& c)> onAnswer;
    // When connection c sends its next request, and which item; false when it is done.
    std::function<bool(Connection& c, Clock::time_point* due, int* item)> schedule;

    void run(Clock::time_point until)
    {
        std::vector<epoll_event> events(512);
        std::vector<int> sending(pool.size(), -1);
        while (Clock::now() < until) {
            Clock::time_point soonest = until;
            bool anyWork = false;
            const Clock::time_point now = Clock::now();
            for (size_t c = 0; c < pool.size(); ++c) {
                Connection& connection = pool[c];
                if (connection.fd < 0 || connection.busy)
                    continue;
                Clock::time_point due;
                int item = 0;
                if (!schedule(connection, &due, &item))
                    continue;
                anyWork = true;
                if (due > now) {
                    soonest = std::min(soonest, due);
                    continue;
                }
                const QByteArray bytes = request(item);
                if (::send(connection.fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL) !=
                    bytes.size()) {
                    ++brokenConnections;
                    ::close(connection.fd);
                    connection.fd = -1;
                    continue;
                }
                connection.busy = true;
                connection.sentAt = now;
                connection.dueAt = due;
                sending[c] = item;
            }
            if (!anyWork &&
                std::none_of(pool.begin(), pool.end(), [](const Connection& c) { return c.busy; }))
                return;
            const int waitMs = int(std::max<qint64>(
                0, std::chrono::duration_cast<std::chrono::milliseconds>(soonest - Clock::now())
                       .count()));
            const int ready = ::epoll_wait(epoll, events.data(), int(events.size()), waitMs);
            for (int e = 0; e < ready; ++e) {
                const size_t c = size_t(events[size_t(e)].data.u64);
                Connection& connection = pool[c];
                char buffer[16384];
                for (;;) {
                    const ssize_t got = ::recv(connection.fd, buffer, sizeof buffer, 0);
                    if (got > 0) {
                        connection.in.append(buffer, got);
                        continue;
                    }
                    if (got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
                        ++brokenConnections;
                        ::epoll_ctl(epoll, EPOLL_CTL_DEL, connection.fd, nullptr);
                        ::close(connection.fd);
                        connection.fd = -1;
                        connection.busy = false;
                    }
                    break;
                }
                int status = 0;
                QByteArray body;
                const qsizetype used = completeResponse(connection.in, &status, &body);
                if (used > 0 && connection.busy) {
                    connection.in.remove(0, used);
                    connection.busy = false;
                    onAnswer(sending[c], status, body, connection);
                }
            }
        }
    }

    std::vector<Connection> pool;
    qint64 brokenConnections = 0;

private:
    int epoll = -1;
};

QByteArray pollRequest(const QString& token)
{
    return "GET /api/v1/pair/status HTTP/1.1\r\nHost: bench\r\nAuthorization: Bearer " +
           token.toLatin1() + "\r\n\r\n";
}

Result measure(Driver& driver, double seconds, bool fromDue)
{
    Result result;
    driver.onAnswer = [&result, fromDue](int, int status, const QByteArray&, Connection& c) {
        const Clock::time_point now = Clock::now();
        if (status != 200)
            ++result.failures;
        ++result.answers;
        result.latenciesMs.push_back(msSince(fromDue ? c.dueAt : c.sentAt, now));
    };
    const Clock::time_point start = Clock::now();
    driver.run(start + std::chrono::milliseconds(qint64(seconds * 1000)));
    result.seconds = msSince(start, Clock::now()) / 1000.0;
    result.failures += driver.brokenConnections;
    return result;
}

} // namespace

double Result::percentileMs(double p) const
{
    if (latenciesMs.empty())
        return 0;
    std::vector<double> sorted = latenciesMs;
    const size_t at = std::min(sorted.size() - 1, size_t(p / 100.0 * double(sorted.size())));
    std::nth_element(sorted.begin(), sorted.begin() + qsizetype(at), sorted.end());
    return sorted[at];
}

QStringList openPairings(const QList<Endpoint>& endpoints, int count, int connections)
{
    const QByteArray body = R"({"device":{"name":"bench","os":"Linux"}})";
    const QByteArray request = "POST /api/v1/pair/start HTTP/1.1\r\nHost: bench\r\n"
                               "Content-Type: application/json\r\nContent-Length: " +
                               QByteArray::number(body.size()) + "\r\n\r\n" + body;
    QStringList tokens;
    Driver driver(endpoints, connections, count);
    driver.request = [&request](int) { return request; };
    driver.schedule = [](Connection& c, Clock::time_point* due, int* item) {
        if (c.next >= c.owned.size())
            return false;
        *due = Clock::time_point();
        *item = c.owned[c.next];
        return true;
    };
    int lastStatus = 0;
    driver.onAnswer = [&tokens, &lastStatus](int, int status, const QByteArray& answer,
                                             Connection& c) {
        ++c.next;
        if (status != 200)
            lastStatus = status;
        if (status == 200)
            tokens.append(QJsonDocument::fromJson(answer)
                              .object()
                              .value(QStringLiteral("device_token"))
                              .toString());
    };
    driver.run(Clock::now() + std::chrono::seconds(120));
    if (tokens.size() < count)
        std::fprintf(stderr, "opening: %lld broken connections, last status %d\n",
                     driver.brokenConnections, lastStatus);
    return tokens;
}

Result pollAtRate(const QList<Endpoint>& endpoints, const QStringList& tokens, int connections,
                  int intervalMs, double seconds)
{
    Driver driver(endpoints, connections, int(tokens.size()));
    driver.request = [&tokens](int item) { return pollRequest(tokens.at(item)); };
    const Clock::time_point start = Clock::now();
    const auto interval = std::chrono::milliseconds(intervalMs);
    const qsizetype total = tokens.size();
    // Token i first polls at start + i/total of an interval: an even spread.
    driver.schedule = [&](Connection& c, Clock::time_point* due, int* item) {
        const size_t perRound = c.owned.size();
        if (perRound == 0)
            return false;
        *item = c.owned[c.next % perRound];
        const auto round = qint64(c.next / perRound);
        *due = start + round * interval +
               std::chrono::microseconds(qint64(*item) * intervalMs * 1000 / total);
        return true;
    };
    Result result;
    driver.onAnswer = [&result](int, int status, const QByteArray&, Connection& c) {
        if (status != 200) {
            ++result.failures;
            if (result.failures < 3)
                std::fprintf(stderr, "pairingload: answer %d\n", status);
        }
        ++result.answers;
        result.latenciesMs.push_back(msSince(c.dueAt, Clock::now()));
        ++c.next;
    };
    driver.run(start + std::chrono::milliseconds(qint64(seconds * 1000)));
    result.seconds = seconds;
    result.failures += driver.brokenConnections;
    return result;
}

Result pollFlatOut(const QList<Endpoint>& endpoints, const QStringList& tokens, int connections,
                   double seconds)
{
    Driver driver(endpoints, connections, int(tokens.size()));
    driver.request = [&tokens](int item) { return pollRequest(tokens.at(item)); };
    driver.schedule = [](Connection& c, Clock::time_point* due, int* item) {
        if (c.owned.empty())
            return false;
        *due = Clock::time_point();
        *item = c.owned[c.next++ % c.owned.size()];
        return true;
    };
    return measure(driver, seconds, false);
}

} // namespace pairingload
