#pragma once

#include "pairingstorage.h"
#include "redisconnection.h"

#include <QHash>

// Pairings, tokens and rate-limit counters in Redis, so that several backend instances behind a
// load balancer serve the same pairings. Each operation is one Lua script, which Redis runs
// atomically: two instances polling the same pairing at once hand its details out once. Keys
// expire by themselves; times come from the Redis server's clock, which all instances share.
class RedisPairingStorage final : public PairingStorage
{
    Q_OBJECT

public:
    RedisPairingStorage(const RedisConnection::Address& address, const PairingStore::Limits& limits,
                        QObject* parent = nullptr);

    void open(const QString& client, const QString& deviceName, OpenCallback done) override;
    void poll(const QString& deviceToken, PollCallback done) override;
    void submit(const QString& client, const QString& typedCode,
                const PairingStore::Details& details, SubmitCallback done) override;

    RedisConnection* connection() const { return redis; }
    void setKeyPrefix(const QByteArray& prefix) { keyPrefix = prefix; }

private:
    struct Script;
    // Runs a script by its hash (EVALSHA), so that its text crosses only once per Redis server.
    void evaluate(const Script& script, const QList<QByteArray>& arguments,
                  RedisConnection::Callback done);
    void openWithCode(const QString& client, const QString& deviceName, int attempt,
                      OpenCallback done);

    // Codes this instance handed out, until they run out: a Redis that lost its data (a
    // restart without persistence) does not make them wrong codes of a guesser.
    void remember(const QString& code);
    bool issuedHere(const QString& code) const;

    RedisConnection* redis = nullptr;
    PairingStore::Limits limits;
    QHash<QString, qint64> issued; // code -> monotonic ms it runs out at
    QByteArray keyPrefix = "velmora:pair:";
};
