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
    int item = 0;           // the work item of the request on its way
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
    // Case-insensitive, without a lowered copy of every head.
    const QByteArrayView head(data.constData(), headEnd);
    constexpr QByteArrayView name("\r\ncontent-length:");
    qint64 length = 0;
    for (qsizetype at = head.indexOf('\r'); at >= 0 && at + name.size() <= head.size();
         at = head.indexOf('\r', at + 1)) {
        if (head.sliced(at, name.size()).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        const qsizetype from = at + name.size();
        const qsizetype lineEnd = head.indexOf('\r', from);
        length =
            head.sliced(from, (lineEnd < 0 ? head.size() : lineEnd) - from).trimmed().toLongLong();
        break;
    }
    if (data.size() < headEnd + 4 + length)
        return 0;
    *status = data.mid(9, 3).toInt();
    *body = data.mid(headEnd + 4, length);
    return headEnd + 4 + length;
}

QByteArray pollRequest(const QString& token)
{
    return "GET /api/v1/pair/status HTTP/1.1\r\nHost: bench\r\nAuthorization: Bearer " +
           token.toLatin1() + "\r\n\r\n";
}

} // namespace

// The event loop shared by the phases: `request(i)` makes the request for work item i,
// `onAnswer(i, status, body)` takes its answer, `schedule(connection)` says when the connection
// should send next (or nothing more).
class Driver
{
public:
    Driver(const QList<Endpoint>& endpoints, int connections)
        : endpoints(endpoints)
    {
        epoll = ::epoll_create1(0);
        pool.resize(size_t(connections));
        for (size_t c = 0; c < pool.size(); ++c)
            open(c);
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

    // Hands items 0..items-1 out over the connections for the next phase.
    void assign(int items)
    {
        brokenConnections = 0;
        for (Connection& c : pool) {
            c.owned.clear();
            c.next = 0;
        }
        for (int i = 0; i < items; ++i)
            pool[size_t(i) % pool.size()].owned.push_back(i);
    }

    void run(Clock::time_point until)
    {
        std::vector<epoll_event> events(512);
        while (Clock::now() < until) {
            Clock::time_point soonest = until;
            bool anyWork = false;
            const Clock::time_point now = Clock::now();
            for (size_t c = 0; c < pool.size(); ++c) {
                Connection& connection = pool[c];
                if (connection.fd < 0)
                    open(c);
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
                    broken(c);
                    continue;
                }
                connection.busy = true;
                connection.sentAt = now;
                connection.dueAt = due;
                connection.item = item;
            }
            if (!anyWork &&
                std::none_of(pool.begin(), pool.end(), [](const Connection& c) { return c.busy; }))
                return;
            // Rounded up: a wait rounded down to 0 ms would spin a core the servers need. Polls
            // due within the next millisecond go out together, up to a millisecond late, which
            // the latency (counted from when they were due) includes.
            const int waitMs = int(std::max<qint64>(
                0, std::chrono::ceil<std::chrono::milliseconds>(soonest - Clock::now()).count()));
            const int ready = ::epoll_wait(epoll, events.data(), int(events.size()), waitMs);
            for (int e = 0; e < ready; ++e)
                receive(size_t(events[size_t(e)].data.u64));
        }
    }

    // Takes the answers still on their way, so that the next phase starts with idle connections.
    void drain()
    {
        const auto keep = onAnswer;
        onAnswer = [](int, int, const QByteArray&, Connection&) {};
        const auto keepSchedule = schedule;
        schedule = [](Connection&, Clock::time_point*, int*) { return false; };
        run(Clock::now() + std::chrono::seconds(30));
        onAnswer = keep;
        schedule = keepSchedule;
    }

    std::vector<Connection> pool;
    qint64 brokenConnections = 0;

private:
    void open(size_t c)
    {
        Connection& connection = pool[c];
        connection = Connection{};
        connection.fd = connectTo(endpoints.at(int(c % size_t(endpoints.size()))));
        if (connection.fd < 0)
            return;
        epoll_event event{};
        event.events = EPOLLIN;
        event.data.u64 = c;
        ::epoll_ctl(epoll, EPOLL_CTL_ADD, connection.fd, &event);
    }

    // The request on its way is lost (counted); the connection is opened again on the next
    // round, keeping its place in the schedule.
    void broken(size_t c)
    {
        Connection& connection = pool[c];
        ++brokenConnections;
        ::epoll_ctl(epoll, EPOLL_CTL_DEL, connection.fd, nullptr);
        ::close(connection.fd);
        connection.fd = -1;
        connection.in.clear();
        if (connection.busy) {
            connection.busy = false;
            ++connection.next;
        }
        const std::vector<int> owned = std::move(connection.owned);
        const size_t next = connection.next;
        open(c);
        pool[c].owned = owned;
        pool[c].next = next;
    }

    void receive(size_t c)
    {
        Connection& connection = pool[c];
        char buffer[16384];
        for (;;) {
            const ssize_t got = ::recv(connection.fd, buffer, sizeof buffer, 0);
            if (got > 0) {
                connection.in.append(buffer, got);
                continue;
            }
            if (got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
                broken(c);
                return;
            }
            break;
        }
        int status = 0;
        QByteArray body;
        const qsizetype used = completeResponse(connection.in, &status, &body);
        if (used > 0 && connection.busy) {
            connection.in.remove(0, used);
            connection.busy = false;
            onAnswer(connection.item, status, body, connection);
        }
    }

    QList<Endpoint> endpoints;
    int epoll = -1;
};

namespace {

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
    driver.drain();
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

Client::Client(const QList<Endpoint>& endpoints, int connections)
    : driver(std::make_unique<Driver>(endpoints, connections))
{}

Client::~Client() = default;

QStringList Client::openPairings(int count)
{
    const QByteArray body = R"({"device":{"name":"bench","os":"Linux"}})";
    const QByteArray request = "POST /api/v1/pair/start HTTP/1.1\r\nHost: bench\r\n"
                               "Content-Type: application/json\r\nContent-Length: " +
                               QByteArray::number(body.size()) + "\r\n\r\n" + body;
    QStringList tokens;
    driver->assign(count);
    driver->request = [&request](int) { return request; };
    driver->schedule = [](Connection& c, Clock::time_point* due, int* item) {
        if (c.next >= c.owned.size())
            return false;
        *due = Clock::time_point();
        *item = c.owned[c.next];
        return true;
    };
    int lastStatus = 0;
    driver->onAnswer = [&tokens, &lastStatus](int, int status, const QByteArray& answer,
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
    driver->run(Clock::now() + std::chrono::seconds(120));
    if (tokens.size() < count)
        std::fprintf(stderr, "opening: %lld broken connections, last status %d\n",
                     driver->brokenConnections, lastStatus);
    driver->drain();
    return tokens;
}

Result Client::pollAtRate(const QStringList& tokens, int intervalMs, double seconds)
{
    driver->assign(int(tokens.size()));
    driver->request = [&tokens](int item) { return pollRequest(tokens.at(item)); };
    const Clock::time_point start = Clock::now();
    const auto interval = std::chrono::milliseconds(intervalMs);
    const qsizetype total = tokens.size();
    // Token i first polls at start + i/total of an interval: an even spread.
    driver->schedule = [&](Connection& c, Clock::time_point* due, int* item) {
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
    driver->onAnswer = [&result](int, int status, const QByteArray&, Connection& c) {
        if (status != 200) {
            ++result.failures;
            if (result.failures < 3)
                std::fprintf(stderr, "pairingload: answer %d\n", status);
        }
        ++result.answers;
        result.latenciesMs.push_back(msSince(c.dueAt, Clock::now()));
        ++c.next;
    };
    driver->run(start + std::chrono::milliseconds(qint64(seconds * 1000)));
    result.seconds = seconds;
    result.failures += driver->brokenConnections;
    driver->drain();
    return result;
}

Result Client::pollFlatOut(const QStringList& tokens, double seconds)
{
    driver->assign(int(tokens.size()));
    driver->request = [&tokens](int item) { return pollRequest(tokens.at(item)); };
    driver->schedule = [](Connection& c, Clock::time_point* due, int* item) {
        if (c.owned.empty())
            return false;
        *due = Clock::time_point();
        *item = c.owned[c.next++ % c.owned.size()];
        return true;
    };
    return measure(*driver, seconds, false);
}

} // namespace pairingload
