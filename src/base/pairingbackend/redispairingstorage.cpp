#include "redispairingstorage.h"

#include "app/clock.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

#include <algorithm>
#include <array>

namespace {
// Finished pairings answer "expired" at least this long, as in PairingStore.
constexpr qint64 kMinFinishedRetentionMs = 60 * 1000;
constexpr int kCodeAttempts = 20;

// Pairing hash P.."t:"..token: code, client, device, exp (ms), state w(aiting), s(ubmitted),
// d(elivered) or x (expired). The details, while submitted, are the hash P.."d:"..token, which
// expires with the code (the pairing hash is kept longer, to answer "expired").
// P.."c:"..code holds the token.
// Sorted sets of live pairings by expiry: P.."live" and P.."lc:"..client. Wrong codes by time:
// P.."wrong:"..client.
const char* const kPrelude = R"(
local p = ARGV[1]
local t = redis.call('TIME')
local now = tonumber(t[1]) * 1000 + math.floor(tonumber(t[2]) / 1000)
local detailFields = {'type', 'name', 'url', 'username', 'password', 'ext'}
local function finish(key, token, client, state)
  redis.call('HSET', key, 'state', state)
  redis.call('DEL', p .. 'd:' .. token)
  redis.call('ZREM', p .. 'live', token)
  redis.call('ZREM', p .. 'lc:' .. client, token)
end
)";

// ARGV: prefix client device token code lifetimeMs retentionMs maxLive maxLivePerClient
const char* const kOpen = R"(
local client, token, code = ARGV[2], ARGV[4], ARGV[5]
local lifetime = tonumber(ARGV[6])
local live, mine = p .. 'live', p .. 'lc:' .. client
redis.call('ZREMRANGEBYSCORE', live, '-inf', now)
redis.call('ZREMRANGEBYSCORE', mine, '-inf', now)
if redis.call('ZCARD', live) >= tonumber(ARGV[8]) then return 'full' end
if redis.call('ZCARD', mine) >= tonumber(ARGV[9]) then return 'clientfull' end
local keep = lifetime + tonumber(ARGV[7])
if not redis.call('SET', p .. 'c:' .. code, token, 'NX', 'PX', keep) then return 'taken' end
local key = p .. 't:' .. token
redis.call('HSET', key, 'code', code, 'client', client, 'device', ARGV[3], 'exp', now + lifetime,
           'state', 'w')
redis.call('PEXPIRE', key, keep)
redis.call('ZADD', live, now + lifetime, token)
redis.call('ZADD', mine, now + lifetime, token)
redis.call('PEXPIRE', mine, lifetime)
return 'opened'
)";

// ARGV: prefix token
const char* const kPoll = R"(
local token = ARGV[2]
local key = p .. 't:' .. token
local h = redis.call('HMGET', key, 'state', 'exp', 'client')
local state = h[1]
if not state then return {'unknown'} end
if (state == 'w' or state == 's') and now >= tonumber(h[2]) then
  finish(key, token, h[3], 'x')
  return {'expired'}
end
if state == 'w' then return {'pending'} end
if state ~= 's' then return {'expired'} end
local d = redis.call('HMGET', p .. 'd:' .. token, unpack(detailFields))
finish(key, token, h[3], 'd')
if not d[3] then return {'expired'} end
return {'ready', d[1], d[2], d[3], d[4], d[5], d[6]}
)";

// ARGV: prefix client code problem type name url username password ext maxWrong windowMs
// issuedHere (1: this instance handed the code out and it has not run out yet)
const char* const kSubmit = R"(
local client, code, problem = ARGV[2], ARGV[3], ARGV[4]
local window = tonumber(ARGV[12])
local wrong = p .. 'wrong:' .. client
redis.call('ZREMRANGEBYSCORE', wrong, '-inf', now - window)
if redis.call('ZCARD', wrong) >= tonumber(ARGV[11]) then
  local first = redis.call('ZRANGE', wrong, 0, 0, 'WITHSCORES')
  return {'limited', tostring(tonumber(first[2]) + window - now)}
end
local function miss()
  -- A code this instance handed out that Redis no longer knows was lost, not guessed.
  if ARGV[13] == '1' then return {'lost'} end
  redis.call('ZADD', wrong, now, tostring(now) .. ':' .. redis.call('INCR', p .. 'seq'))
  redis.call('PEXPIRE', wrong, window)
  return {'unknown'}
end
if code == '' then return miss() end
local token = redis.call('GET', p .. 'c:' .. code)
if not token then return miss() end
local key = p .. 't:' .. token
local h = redis.call('HMGET', key, 'state', 'exp', 'client', 'device')
if not h[1] then return miss() end
local state = h[1]
if (state == 'w' or state == 's') and now >= tonumber(h[2]) then
  finish(key, token, h[3], 'x')
  state = 'x'
end
if state == 'x' then return {'expired'} end
if state ~= 'w' then return {'used'} end
if problem ~= '' then return {'invalid'} end
redis.call('HSET', key, 'state', 's')
local details = p .. 'd:' .. token
redis.call('HSET', details, 'type', ARGV[5], 'name', ARGV[6], 'url', ARGV[7],
           'username', ARGV[8], 'password', ARGV[9], 'ext', ARGV[10])
redis.call('PEXPIREAT', details, tonumber(h[2]))
return {'accepted', h[4]}
)";

QByteArray utf8(const QString& text)
{
    return text.toUtf8();
}

QString randomCode()
{
    QString code;
    constexpr int symbols = int(sizeof(PairingStore::kCodeAlphabet)) - 1;
    for (int i = 0; i < PairingStore::kCodeLength; ++i)
        code +=
            QLatin1Char(PairingStore::kCodeAlphabet[QRandomGenerator::system()->bounded(symbols)]);
    return code;
}

QString randomToken()
{
    std::array<quint32, PairingStore::kTokenBytes / sizeof(quint32)> words;
    QRandomGenerator::system()->fillRange(words.data(), qsizetype(words.size()));
    const QByteArray bytes(reinterpret_cast<const char*>(words.data()), PairingStore::kTokenBytes);
    return QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QByteArray word(const RedisConnection::Value& value, int index)
{
    if (value.type == RedisConnection::Value::Text && index == 0)
        return value.text;
    return index < value.items.size() ? value.items.at(index).text : QByteArray();
}

QString text(const RedisConnection::Value& value, int index)
{
    return QString::fromUtf8(word(value, index));
}
} // namespace

struct RedisPairingStorage::Script
{
    explicit Script(const char* body)
        : text(QByteArray(kPrelude) + body)
        , sha(QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex())
    {}
    const QByteArray text;
    const QByteArray sha;
};

RedisPairingStorage::RedisPairingStorage(const RedisConnection::Address& address,
                                         const PairingStore::Limits& limits, QObject* parent)
    : PairingStorage(parent)
    , redis(new RedisConnection(address, this))
    , limits(limits)
{
    redis->connectToServer();
}

void RedisPairingStorage::evaluate(const Script& script, const QList<QByteArray>& arguments,
                                   RedisConnection::Callback done)
{
    redis->command(QList<QByteArray>{"EVALSHA", script.sha, "0"} + arguments,
                   [this, &script, arguments,
                    done = std::move(done)](const RedisConnection::Value& value) mutable {
                       // A Redis that does not know the script yet (new, restarted, flushed).
                       if (value.type == RedisConnection::Value::Error &&
                           value.text.startsWith("NOSCRIPT")) {
                           redis->command(QList<QByteArray>{"EVAL", script.text, "0"} + arguments,
                                          std::move(done));
                           return;
                       }
                       done(value);
                   });
}

void RedisPairingStorage::open(const QString& client, const QString& deviceName, OpenCallback done)
{
    openWithCode(client, deviceName.left(PairingStore::kMaxDeviceText), 0, std::move(done));
}

void RedisPairingStorage::openWithCode(const QString& client, const QString& deviceName,
                                       int attempt, OpenCallback done)
{
    const QString code = randomCode();
    const QString token = randomToken();
    const qint64 lifetimeMs = qint64(limits.codeLifetimeSecs) * 1000;
    const qint64 retentionMs = std::max(lifetimeMs, kMinFinishedRetentionMs);
    static const Script script(kOpen);
    evaluate(script,
             {keyPrefix, utf8(client), utf8(deviceName), utf8(token), utf8(code),
              QByteArray::number(lifetimeMs), QByteArray::number(retentionMs),
              QByteArray::number(limits.maxLivePairings),
              QByteArray::number(limits.maxLivePairingsPerClient)},
             [this, client, deviceName, attempt, code, token,
              done = std::move(done)](const RedisConnection::Value& value) mutable {
                 PairingStore::Opened opened;
                 const QByteArray answer = word(value, 0);
                 if (value.type == RedisConnection::Value::Error) {
                     opened.result = PairingStore::OpenResult::Unavailable;
                 } else if (answer == "taken") {
                     if (attempt + 1 < kCodeAttempts) {
                         openWithCode(client, deviceName, attempt + 1, std::move(done));
                         return;
                     }
                     opened.result = PairingStore::OpenResult::Full;
                 } else if (answer == "clientfull") {
                     opened.result = PairingStore::OpenResult::ClientFull;
                 } else if (answer == "opened") {
                     remember(code);
                     opened.result = PairingStore::OpenResult::Opened;
                     opened.code = code;
                     opened.deviceToken = token;
                     opened.expiresIn = limits.codeLifetimeSecs;
                 }
                 done(opened);
             });
}

void RedisPairingStorage::poll(const QString& deviceToken, PollCallback done)
{
    static const Script script(kPoll);
    evaluate(script, {keyPrefix, utf8(deviceToken)},
             [done = std::move(done)](const RedisConnection::Value& value) {
                 PairingStore::Poll poll;
                 const QByteArray answer = word(value, 0);
                 if (value.type == RedisConnection::Value::Error) {
                     poll.result = PairingStore::PollResult::Unavailable;
                 } else if (answer == "pending") {
                     poll.result = PairingStore::PollResult::Pending;
                 } else if (answer == "expired") {
                     poll.result = PairingStore::PollResult::Expired;
                 } else if (answer == "ready") {
                     poll.result = PairingStore::PollResult::Ready;
                     poll.details = {text(value, 1), text(value, 2), text(value, 3),
                                     text(value, 4), text(value, 5), text(value, 6)};
                 }
                 done(poll);
             });
}

void RedisPairingStorage::submit(const QString& client, const QString& typedCode,
                                 const PairingStore::Details& details, SubmitCallback done)
{
    const PairingStore::Details usable = PairingStore::normalized(details);
    const QString problem = PairingStore::problemWith(usable);
    const QString code = PairingStore::normalizedCode(typedCode);
    static const Script script(kSubmit);
    evaluate(script,
             {keyPrefix, utf8(client), utf8(code), utf8(problem), utf8(usable.type),
              utf8(usable.name), utf8(usable.url), utf8(usable.username), utf8(usable.password),
              utf8(usable.liveExtension), QByteArray::number(limits.maxWrongCodes),
              QByteArray::number(qint64(limits.wrongCodeWindowSecs) * 1000),
              issuedHere(code) ? QByteArrayLiteral("1") : QByteArrayLiteral("0")},
             [problem, done = std::move(done)](const RedisConnection::Value& value) {
                 PairingStore::Submission submission;
                 const QByteArray answer = word(value, 0);
                 if (value.type == RedisConnection::Value::Error) {
                     submission.result = PairingStore::SubmitResult::Unavailable;
                 } else if (answer == "limited") {
                     submission.result = PairingStore::SubmitResult::RateLimited;
                     submission.retryAfterSecs =
                         int(std::max<qint64>(1, (word(value, 1).toLongLong() + 999) / 1000));
                 } else if (answer == "lost") {
                     submission.result = PairingStore::SubmitResult::Lost;
                 } else if (answer == "expired") {
                     submission.result = PairingStore::SubmitResult::Expired;
                 } else if (answer == "used") {
                     submission.result = PairingStore::SubmitResult::AlreadyUsed;
                 } else if (answer == "invalid") {
                     submission.result = PairingStore::SubmitResult::Invalid;
                     submission.problem = problem;
                 } else if (answer == "accepted") {
                     submission.result = PairingStore::SubmitResult::Accepted;
                     submission.deviceName = text(value, 1);
                 }
                 done(submission);
             });
}

void RedisPairingStorage::remember(const QString& code)
{
    const qint64 now = Clock::monotonicMs();
    // Bounded like the pairings themselves: the ones run out go first.
    if (issued.size() >= limits.maxLivePairings) {
        for (auto it = issued.begin(); it != issued.end();)
            it = it.value() <= now ? issued.erase(it) : std::next(it);
    }
    if (issued.size() < limits.maxLivePairings)
        issued.insert(code, now + qint64(limits.codeLifetimeSecs) * 1000);
}

bool RedisPairingStorage::issuedHere(const QString& code) const
{
    const auto it = issued.constFind(code);
    return it != issued.cend() && it.value() > Clock::monotonicMs();
}
