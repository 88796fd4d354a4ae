#include "redisconnection.h"

#include "app/clock.h"

#include <QHostAddress>
#include <QMetaObject>
#include <QSocketNotifier>
#include <QTimer>
#include <QUrl>

#include <hiredis/async.h>
#include <hiredis/hiredis.h>

#include <memory>
#include <vector>

// hiredis's event hooks, pointing at the connection through the context's `data`.
struct RedisEvents
{
    static RedisConnection* owner(const redisAsyncContext* context)
    {
        return static_cast<RedisConnection*>(context->ev.data);
    }
    static void addRead(void* data) { static_cast<RedisConnection*>(data)->watch(true, true); }
    static void delRead(void* data) { static_cast<RedisConnection*>(data)->watch(true, false); }
    static void addWrite(void* data) { static_cast<RedisConnection*>(data)->watch(false, true); }
    static void delWrite(void* data) { static_cast<RedisConnection*>(data)->watch(false, false); }
    static void cleanup(void* data) { static_cast<RedisConnection*>(data)->dropNotifiers(); }
    static void connected(const redisAsyncContext* context, int status)
    {
        if (RedisConnection* connection = owner(context))
            connection->onConnected(status);
    }
    static void disconnected(const redisAsyncContext* context, int status)
    {
        if (RedisConnection* connection = owner(context))
            connection->onDisconnected(status);
    }
    static void answered(RedisConnection* connection) { connection->answered(); }
    static QByteArray dropReason(const RedisConnection* connection)
    {
        return connection->dropReason;
    }
};

namespace {
struct Request
{
    RedisConnection::Callback done;
};

RedisConnection::Value toValue(const redisReply* reply)
{
    RedisConnection::Value value;
    switch (reply->type) {
    case REDIS_REPLY_INTEGER:
        value.type = RedisConnection::Value::Integer;
        value.integer = reply->integer;
        break;
    case REDIS_REPLY_STRING:
    case REDIS_REPLY_STATUS:
        value.type = RedisConnection::Value::Text;
        value.text = QByteArray(reply->str, qsizetype(reply->len));
        break;
    case REDIS_REPLY_ERROR:
        value.type = RedisConnection::Value::Error;
        value.text = QByteArray(reply->str, qsizetype(reply->len));
        break;
    case REDIS_REPLY_ARRAY:
        value.type = RedisConnection::Value::Array;
        for (size_t i = 0; i < reply->elements; ++i)
            value.items.append(toValue(reply->element[i]));
        break;
    default:
        break;
    }
    return value;
}

void replied(redisAsyncContext* context, void* reply, void* data)
{
    std::unique_ptr<Request> request(static_cast<Request*>(data));
    // No owner: the connection is being destroyed and its callers with it.
    RedisConnection* connection = RedisEvents::owner(context);
    if (!connection)
        return;
    RedisEvents::answered(connection);
    if (!reply) {
        RedisConnection::Value lost;
        lost.type = RedisConnection::Value::Error;
        lost.text = RedisEvents::dropReason(connection);
        if (lost.text.isEmpty())
            lost.text = "connection to Redis lost";
        request->done(lost);
        return;
    }
    request->done(toValue(static_cast<redisReply*>(reply)));
}
} // namespace

bool RedisConnection::parseAddress(const QString& text, Address* address, QString* error)
{
    const QUrl url(text, QUrl::StrictMode);
    bool dbOk = true;
    const QString path = url.path();
    const int database =
        path.isEmpty() || path == QLatin1String("/") ? 0 : path.mid(1).toInt(&dbOk);
    if (!url.isValid() || url.scheme() != QLatin1String("redis") || url.host().isEmpty() ||
        url.port() < 1 || !dbOk || database < 0 || !url.userInfo().isEmpty() || url.hasQuery() ||
        url.hasFragment()) {
        *error =
            QStringLiteral("--redis wants redis://HOST:PORT or redis://HOST:PORT/DB, not \"%1\"")
                .arg(text);
        return false;
    }
    address->host =
        url.host() == QLatin1String("localhost") ? QStringLiteral("127.0.0.1") : url.host();
    address->port = quint16(url.port());
    address->database = database;
    return true;
}

RedisConnection::RedisConnection(const Address& address, QObject* parent)
    : QObject(parent)
    , address(address)
    , reconnectTimer(new QTimer(this))
    , deadlineTimer(new QTimer(this))
{
    reconnectTimer->setSingleShot(true);
    reconnectTimer->setInterval(Clock::waitMs(kReconnectDelayMs));
    connect(reconnectTimer, &QTimer::timeout, this, &RedisConnection::connectToServer);
    // Checked a few times per timeout: an overdue command is noticed at most a quarter late.
    deadlineTimer->setInterval(Clock::waitMs(kCommandTimeoutMs / 4));
    connect(deadlineTimer, &QTimer::timeout, this, &RedisConnection::checkDeadline);
}

RedisConnection::~RedisConnection()
{
    if (context) {
        // Callbacks that hiredis runs while freeing find no owner and do nothing.
        redisAsyncContext* closing = context;
        context = nullptr;
        closing->ev.data = nullptr;
        closing->ev.cleanup = nullptr;
        dropNotifiers();
        redisAsyncFree(closing);
    }
}

QString RedisConnection::addressText() const
{
    return QStringLiteral("redis://%1:%2/%3")
        .arg(address.host)
        .arg(address.port)
        .arg(address.database);
}

void RedisConnection::connectToServer()
{
    if (context)
        return;
    redisAsyncContext* fresh =
        redisAsyncConnect(address.host.toUtf8().constData(), int(address.port));
    if (!fresh || fresh->err) {
        const QString error =
            fresh ? QString::fromUtf8(fresh->errstr) : QStringLiteral("out of memory");
        if (fresh)
            redisAsyncFree(fresh);
        lastError = error;
        reconnectTimer->start();
        return;
    }
    context = fresh;
    dropReason.clear();
    context->ev.data = this;
    context->ev.addRead = &RedisEvents::addRead;
    context->ev.delRead = &RedisEvents::delRead;
    context->ev.addWrite = &RedisEvents::addWrite;
    context->ev.delWrite = &RedisEvents::delWrite;
    context->ev.cleanup = &RedisEvents::cleanup;
    redisAsyncSetConnectCallback(context, &RedisEvents::connected);
    redisAsyncSetDisconnectCallback(context, &RedisEvents::disconnected);
    // Connecting is non-blocking: hiredis asked to hear when the socket becomes writable.
    if (address.database != 0)
        command({"SELECT", QByteArray::number(address.database)}, [](const Value&) {});
}

void RedisConnection::onConnected(int status)
{
    if (status != REDIS_OK) {
        // hiredis frees the context after this callback.
        lastError = QString::fromUtf8(context->errstr);
        context = nullptr;
        sentAt.clear();
        deadlineTimer->stop();
        reconnectTimer->start();
        return;
    }
    connected = true;
    emit connectedToServer();
}

void RedisConnection::onDisconnected(int status)
{
    const QString error = status == REDIS_OK || !context ? QStringLiteral("closed")
                                                         : QString::fromUtf8(context->errstr);
    const bool wasConnected = connected;
    context = nullptr; // freed by hiredis after this callback
    connected = false;
    sentAt.clear();
    deadlineTimer->stop();
    lastError = dropReason.isEmpty() ? error : QString::fromUtf8(dropReason);
    if (wasConnected)
        emit connectionLost(lastError);
    reconnectTimer->start();
}

void RedisConnection::watch(bool read, bool enable)
{
    // hiredis asks for the write side around every command: the notifiers stay for the life of
    // the context and are only switched, not made anew each time.
    QSocketNotifier*& notifier = read ? reader : writer;
    if (enable && !notifier) {
        notifier = new QSocketNotifier(qintptr(context->c.fd),
                                       read ? QSocketNotifier::Read : QSocketNotifier::Write, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, read] {
            if (!context)
                return;
            if (read)
                redisAsyncHandleRead(context);
            else
                redisAsyncHandleWrite(context);
        });
    } else if (notifier) {
        notifier->setEnabled(enable);
    }
}

void RedisConnection::dropNotifiers()
{
    for (QSocketNotifier** notifier : {&reader, &writer}) {
        if (!*notifier)
            continue;
        // This may run inside the notifier's own signal: let it finish first.
        (*notifier)->setEnabled(false);
        (*notifier)->deleteLater();
        *notifier = nullptr;
    }
}

void RedisConnection::answered()
{
    if (!sentAt.empty())
        sentAt.pop_front();
}

void RedisConnection::checkDeadline()
{
    if (sentAt.empty()) {
        deadlineTimer->stop();
        return;
    }
    const qint64 waited = Clock::monotonicMs() - sentAt.front();
    if (waited < Clock::waitMs(kCommandTimeoutMs))
        return;
    drop(QStringLiteral("Redis at %1 did not answer within %2 ms")
             .arg(addressText())
             .arg(Clock::waitMs(kCommandTimeoutMs)));
}

void RedisConnection::drop(const QString& why)
{
    if (!context)
        return;
    // Commands sent from the callbacks below fail at once instead of joining the dying context.
    redisAsyncContext* closing = context;
    context = nullptr;
    const bool wasConnected = connected;
    dropReason = why.toUtf8();
    lastError = why;
    sentAt.clear();
    deadlineTimer->stop();
    // Fails every command on its way with `why`; a connected context also reports the
    // disconnection, which schedules the next attempt.
    redisAsyncFree(closing);
    if (!wasConnected)
        reconnectTimer->start();
}

void RedisConnection::fail(Callback done, const QByteArray& error)
{
    QMetaObject::invokeMethod(
        this,
        [done = std::move(done), error] {
            Value value;
            value.type = Value::Error;
            value.text = error;
            done(value);
        },
        Qt::QueuedConnection);
}

void RedisConnection::command(const QList<QByteArray>& arguments, Callback done)
{
    if (!context) {
        // Between attempts the pause holds; otherwise try at once, for the next command.
        if (!reconnectTimer->isActive())
            connectToServer();
        fail(std::move(done), "Redis is not reachable at " + addressText().toUtf8() +
                                  (lastError.isEmpty() ? QByteArray() : ": " + lastError.toUtf8()));
        return;
    }
    std::vector<const char*> argv;
    std::vector<size_t> lengths;
    for (const QByteArray& argument : arguments) {
        argv.push_back(argument.constData());
        lengths.push_back(size_t(argument.size()));
    }
    auto* request = new Request{std::move(done)};
    if (redisAsyncCommandArgv(context, &replied, request, int(argv.size()), argv.data(),
                              lengths.data()) != REDIS_OK) {
        Callback failed = std::move(request->done);
        delete request;
        fail(std::move(failed), "Redis refused the command");
        return;
    }
    sentAt.push_back(Clock::monotonicMs());
    if (!deadlineTimer->isActive())
        deadlineTimer->start();
}
