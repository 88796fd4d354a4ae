#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <deque>
#include <functional>

class QSocketNotifier;
class QTimer;
struct redisAsyncContext;

// One connection to a Redis server through hiredis's asynchronous API, driven by this thread's
// event loop (never blocking it). A lost connection fails the commands on their way and is
// made again after a short pause; commands meanwhile fail at once, so callers can answer
// "unavailable" instead of waiting. hiredis has no timeout of its own: a server that stops
// answering (stopped, swapped out, a network that drops packets) would keep callers forever, so
// a command unanswered after kCommandTimeoutMs counts the connection as lost.
class RedisConnection final : public QObject
{
    Q_OBJECT

public:
    struct Address
    {
        QString host = QStringLiteral("127.0.0.1");
        quint16 port = 6379;
        int database = 0;
    };
    // "redis://HOST:PORT[/DB]"; false with `error` set when it is not one.
    static bool parseAddress(const QString& text, Address* address, QString* error);

    struct Value
    {
        enum Type
        {
            Nil,
            Integer,
            Text, // bulk and status replies
            Array,
            Error // a Redis error reply or no connection; `text` says which
        };
        Type type = Nil;
        qint64 integer = 0;
        QByteArray text;
        QList<Value> items;
    };
    using Callback = std::function<void(const Value& value)>;

    static constexpr int kReconnectDelayMs = 500;
    static constexpr int kCommandTimeoutMs = 2000;

    explicit RedisConnection(const Address& address, QObject* parent = nullptr);
    ~RedisConnection() override;

    void connectToServer();
    bool isConnected() const { return connected; }
    QString addressText() const;

    // Sends one command; `done` runs once, later, with the reply or an Error.
    void command(const QList<QByteArray>& arguments, Callback done);

signals:
    void connectedToServer();
    void connectionLost(const QString& error);

private:
    friend struct RedisEvents;

    void onConnected(int status);
    void onDisconnected(int status);
    void watch(bool read, bool enable);
    void dropNotifiers();
    void fail(Callback done, const QByteArray& error);
    void answered();
    void checkDeadline();
    void drop(const QString& why);

    Address address;
    redisAsyncContext* context = nullptr;
    bool connected = false;
    QString lastError;
    QSocketNotifier* reader = nullptr;
    QSocketNotifier* writer = nullptr;
    QTimer* reconnectTimer = nullptr;
    // When each command still waiting for its answer was sent (Clock::monotonicMs); Redis
    // answers in order, so the first is the oldest.
    std::deque<qint64> sentAt;
    QTimer* deadlineTimer = nullptr;
    QByteArray dropReason; // what the commands failed by a drop are told
};
