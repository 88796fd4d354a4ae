#include "pairingstore.h"

#include <QRandomGenerator>
#include <QUrl>

#include <algorithm>
#include <array>
#include <chrono>

namespace {
// Finished pairings answer "expired" at least this long before they are forgotten.
constexpr qint64 kMinFinishedRetentionMs = 60 * 1000;
// A sweep walks every pairing: at most this often, not on every request. The pairing a request
// touches is brought up to date on its own.
constexpr qint64 kSweepIntervalMs = 1000;

qint64 steadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool hasControlCharacters(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

bool isWebAddress(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}
} // namespace

PairingStore::PairingStore()
    : PairingStore(Limits())
{}

PairingStore::PairingStore(const Limits& limits, ClockMs clock)
    : config(limits)
    , clock(std::move(clock))
{}

qint64 PairingStore::now() const
{
    return clock ? clock() : steadyMs();
}

void PairingStore::setCodeSource(CodeSource source)
{
    codeSource = std::move(source);
}

bool PairingStore::isLive(const Pairing& pairing)
{
    return pairing.state == State::Waiting || pairing.state == State::Submitted;
}

void PairingStore::expireIfDue(Pairing& pairing) const
{
    if (isLive(pairing) && now() >= pairing.expiresAtMs) {
        pairing.state = State::Expired;
        pairing.details = Details();
    }
}

void PairingStore::sweepIfDue()
{
    if (now() >= nextSweepMs)
        sweep();
}

void PairingStore::sweep()
{
    const qint64 t = now();
    nextSweepMs = t + kSweepIntervalMs;
    const qint64 retentionMs =
        std::max<qint64>(qint64(config.codeLifetimeSecs) * 1000, kMinFinishedRetentionMs);
    for (auto it = byToken.begin(); it != byToken.end();) {
        Pairing& pairing = it.value();
        if (isLive(pairing) && t >= pairing.expiresAtMs) {
            pairing.state = State::Expired;
            pairing.details = Details();
        }
        if (!isLive(pairing) && t >= pairing.expiresAtMs + retentionMs) {
            tokenByCode.remove(pairing.code);
            it = byToken.erase(it);
        } else {
            ++it;
        }
    }
    const qint64 windowStart = t - qint64(config.wrongCodeWindowSecs) * 1000;
    for (auto it = wrongCodes.begin(); it != wrongCodes.end();) {
        it.value().removeIf([windowStart](qint64 when) { return when <= windowStart; });
        if (it.value().isEmpty())
            it = wrongCodes.erase(it);
        else
            ++it;
    }
}

int PairingStore::livePairings()
{
    sweep();
    return int(std::count_if(byToken.cbegin(), byToken.cend(), &PairingStore::isLive));
}

int PairingStore::storedPairings() const
{
    return int(byToken.size());
}

void PairingStore::dropOldestFinished()
{
    auto oldest = byToken.end();
    for (auto it = byToken.begin(); it != byToken.end(); ++it) {
        if (!isLive(it.value()) &&
            (oldest == byToken.end() || it.value().expiresAtMs < oldest.value().expiresAtMs))
            oldest = it;
    }
    if (oldest != byToken.end()) {
        tokenByCode.remove(oldest.value().code);
        byToken.erase(oldest);
    }
}

QString PairingStore::randomCode()
{
    QString code;
    code.reserve(kCodeLength);
    constexpr int symbols = int(sizeof(kCodeAlphabet)) - 1;
    for (int i = 0; i < kCodeLength; ++i)
        code += QLatin1Char(kCodeAlphabet[QRandomGenerator::system()->bounded(symbols)]);
    return code;
}

QString PairingStore::randomToken()
{
    std::array<quint32, kTokenBytes / sizeof(quint32)> words;
    QRandomGenerator::system()->fillRange(words.data(), qsizetype(words.size()));
    const QByteArray bytes(reinterpret_cast<const char*>(words.data()), kTokenBytes);
    return QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QString PairingStore::freshCode()
{
    // Codes of finished pairings stay taken too, so a late phone hears "expired", not another
    // computer's pairing.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const QString code = codeSource ? codeSource() : randomCode();
        if (!code.isEmpty() && !tokenByCode.contains(code))
            return code;
    }
    return QString();
}

PairingStore::Opened PairingStore::open(const QString& client, const QString& deviceName)
{
    sweepIfDue();
    Opened opened;
    int live = 0;
    int liveOfClient = 0;
    const qint64 t = now();
    for (const Pairing& pairing : std::as_const(byToken)) {
        if (isLive(pairing) && t < pairing.expiresAtMs) {
            ++live;
            if (pairing.client == client)
                ++liveOfClient;
        }
    }
    if (live >= config.maxLivePairings) {
        opened.result = OpenResult::Full;
        return opened;
    }
    if (liveOfClient >= config.maxLivePairingsPerClient) {
        opened.result = OpenResult::ClientFull;
        return opened;
    }
    // Finished pairings are bounded too: the oldest go first.
    while (byToken.size() >= qsizetype(config.maxLivePairings) * 2)
        dropOldestFinished();

    const QString code = freshCode();
    if (code.isEmpty()) {
        opened.result = OpenResult::Full;
        return opened;
    }
    QString token;
    do {
        token = randomToken();
    } while (byToken.contains(token));

    Pairing pairing;
    pairing.code = code;
    pairing.client = client;
    pairing.deviceName = deviceName.left(kMaxDeviceText);
    pairing.expiresAtMs = now() + qint64(config.codeLifetimeSecs) * 1000;
    byToken.insert(token, pairing);
    tokenByCode.insert(code, token);

    opened.result = OpenResult::Opened;
    opened.code = code;
    opened.deviceToken = token;
    opened.expiresIn = config.codeLifetimeSecs;
    return opened;
}

PairingStore::Poll PairingStore::poll(const QString& deviceToken)
{
    sweepIfDue();
    Poll answer;
    auto it = deviceToken.isEmpty() ? byToken.end() : byToken.find(deviceToken);
    if (it == byToken.end())
        return answer;
    Pairing& pairing = it.value();
    expireIfDue(pairing);
    switch (pairing.state) {
    case State::Waiting:
        answer.result = PollResult::Pending;
        break;
    case State::Submitted:
        answer.result = PollResult::Ready;
        answer.details = pairing.details;
        pairing.details = Details();
        pairing.state = State::Delivered;
        break;
    case State::Delivered:
    case State::Expired:
        answer.result = PollResult::Expired;
        break;
    }
    return answer;
}

bool PairingStore::refusesClient(const QString& client, int* retryAfterSecs)
{
    const auto found = wrongCodes.find(client);
    if (found == wrongCodes.end())
        return false;
    const qint64 windowStart = now() - qint64(config.wrongCodeWindowSecs) * 1000;
    found.value().removeIf([windowStart](qint64 when) { return when <= windowStart; });
    const QList<qint64> recent = found.value();
    if (recent.size() < config.maxWrongCodes)
        return false;
    const qint64 freeAtMs = recent.first() + qint64(config.wrongCodeWindowSecs) * 1000;
    *retryAfterSecs = int(std::max<qint64>(1, (freeAtMs - now() + 999) / 1000));
    return true;
}

PairingStore::Submission PairingStore::submit(const QString& client, const QString& typedCode,
                                              const Details& details)
{
    sweepIfDue();
    Submission submission;
    // A refused client learns nothing about the code it sent, right or wrong.
    if (refusesClient(client, &submission.retryAfterSecs)) {
        submission.result = SubmitResult::RateLimited;
        return submission;
    }
    const QString code = normalizedCode(typedCode);
    const auto token = tokenByCode.constFind(code);
    if (code.isEmpty() || token == tokenByCode.cend()) {
        wrongCodes[client].append(now());
        submission.result = SubmitResult::UnknownCode;
        return submission;
    }
    Pairing& pairing = byToken[token.value()];
    expireIfDue(pairing);
    switch (pairing.state) {
    case State::Expired:
        submission.result = SubmitResult::Expired;
        return submission;
    case State::Submitted:
    case State::Delivered:
        submission.result = SubmitResult::AlreadyUsed;
        return submission;
    case State::Waiting:
        break;
    }
    const Details usable = normalized(details);
    submission.problem = problemWith(usable);
    if (!submission.problem.isEmpty()) {
        submission.result = SubmitResult::Invalid;
        return submission;
    }
    pairing.details = usable;
    pairing.state = State::Submitted;
    submission.result = SubmitResult::Accepted;
    submission.deviceName = pairing.deviceName;
    return submission;
}

QString PairingStore::normalizedCode(const QString& typed)
{
    QString code;
    for (QChar c : typed) {
        if (!c.isSpace() && c != QLatin1Char('-'))
            code += c.toUpper();
    }
    if (code.size() != kCodeLength)
        return QString();
    const QLatin1String alphabet(kCodeAlphabet);
    for (QChar c : std::as_const(code)) {
        if (c.unicode() > 0x7f || !alphabet.contains(c))
            return QString();
    }
    return code;
}

PairingStore::Details PairingStore::normalized(const Details& details)
{
    Details out = details;
    out.type = details.type.trimmed().toLower();
    out.name = details.name.trimmed();
    out.url = details.url.trimmed();
    if (out.type == QLatin1String("m3u")) {
        out.username.clear();
        out.password.clear();
        out.liveExtension = QStringLiteral("m3u8");
    } else {
        out.liveExtension = details.liveExtension.trimmed().toLower();
    }
    return out;
}

QString PairingStore::problemWith(const Details& details)
{
    const bool xtream = details.type == QLatin1String("xtream");
    if (!xtream && details.type != QLatin1String("m3u"))
        return QStringLiteral("Choose the kind of server: Xtream Codes or M3U playlist.");
    if (details.name.isEmpty())
        return QStringLiteral("Enter a name for the server.");
    if (details.name.size() > kMaxNameLength)
        return QStringLiteral("The name is too long (at most %1 characters).").arg(kMaxNameLength);
    if (details.url.size() > kMaxUrlLength)
        return QStringLiteral("The address is too long.");
    if (hasControlCharacters(details.name) || hasControlCharacters(details.url) ||
        hasControlCharacters(details.username))
        return QStringLiteral("The name, address and user name cannot contain line breaks.");
    if (!isWebAddress(details.url))
        return QStringLiteral("Enter the address starting with http:// or https://.");
    if (!xtream)
        return QString();
    if (details.username.isEmpty())
        return QStringLiteral("Enter the user name.");
    if (details.password.isEmpty())
        return QStringLiteral("Enter the password.");
    if (details.username.size() > kMaxCredentialLength ||
        details.password.size() > kMaxCredentialLength)
        return QStringLiteral("The user name or password is too long.");
    if (details.liveExtension != QLatin1String("ts") &&
        details.liveExtension != QLatin1String("m3u8"))
        return QStringLiteral("Choose the live format: TS or HLS (m3u8).");
    return QString();
}
