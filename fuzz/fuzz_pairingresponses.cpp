// The pairing client's reading of start and status answers, on any body and status code.
//
// Input: optional "Status:" (the HTTP status, default 200) and "Failed:" (present: the network
// layer reported an error) fields, then the body.
#include "fuzztarget.h"
#include "fuzztargets.h"

#include "pairing/pairingresponses.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {
QString describe(const SourceConfig& c)
{
    return QStringLiteral("type %1 name %2 url %3 user %4 password %5 live %6 updated %7")
        .arg(c.type)
        .arg(c.name, c.url, c.username, c.password, c.liveExtension)
        .arg(c.lastUpdated);
}

bool sameStarted(const PairingClient::Started& a, const PairingClient::Started& b)
{
    return a.code == b.code && a.deviceToken == b.deviceToken && a.pairUrl == b.pairUrl &&
           a.expiresIn == b.expiresIn && a.pollInterval == b.pollInterval;
}

void checkStarted(const QByteArray& body)
{
    const PairingClient::Started started = PairingResponses::started(body);
    FUZZ_CHECK(started.pollInterval >= 1 && started.pollInterval <= 30,
               QString::number(started.pollInterval));
    FUZZ_CHECK(PairingResponses::isUsable(started) ==
                   (!started.code.isEmpty() && !started.deviceToken.isEmpty()),
               started.code);
    // What Qt parsed, written and read again, is the same answer; except where Qt itself changes
    // a key on the way (one opening with a byte-order mark is found only once written again).
    const QByteArray lower = body.toLower();
    if (lower.contains("\xef\xbb\xbf") || lower.contains("\\ufeff"))
        return;
    const QByteArray rewritten =
        QJsonDocument(QJsonDocument::fromJson(body).object()).toJson(QJsonDocument::Compact);
    const PairingClient::Started again = PairingResponses::started(rewritten);
    FUZZ_CHECK(sameStarted(started, again), QString::fromUtf8(rewritten));
}

void checkPoll(int httpStatus, bool failed, const QByteArray& body)
{
    const PairingResponses::Poll poll = PairingResponses::poll(httpStatus, failed, body);
    const QString config = describe(poll.config);
    const QString none = describe(SourceConfig());
    FUZZ_CHECK(poll.config.lastUpdated == 0, config);
    FUZZ_CHECK(poll.config.type == SourceConfig::M3u || poll.config.type == SourceConfig::Xtream,
               config);
    const bool ready =
        QJsonDocument::fromJson(body).object().value(QStringLiteral("status")).toString() ==
        QLatin1String("ready");
    switch (poll.status) {
    case PairingClient::Expired:
        FUZZ_CHECK(httpStatus == 410 && config == none, config);
        break;
    case PairingClient::Pending:
        FUZZ_CHECK(httpStatus != 410 && !failed && !ready && config == none, config);
        break;
    case PairingClient::Ready:
        FUZZ_CHECK(httpStatus != 410 && !failed && ready && !poll.config.url.isEmpty(), config);
        break;
    case PairingClient::Failed:
        FUZZ_CHECK(httpStatus != 410 && httpStatus != 401 &&
                       (failed ? config == none : ready && poll.config.url.isEmpty()),
                   config);
        break;
    case PairingClient::Lost:
        FUZZ_CHECK(httpStatus == 401 && config == none, config);
        break;
    default:
        fuzzFailure("status in range", QString::number(poll.status));
    }
}
} // namespace

int fuzzPairingResponses(const uint8_t* data, size_t size)
{
    const FuzzMessage message = FuzzMessage::read(data, size);
    const int httpStatus = message.field("status", "200").trimmed().toInt();
    const bool failed = message.has("failed");
    checkStarted(message.body);
    checkPoll(httpStatus, failed, message.body);
    // The same body as every kind of answer the client tells apart.
    checkPoll(410, false, message.body);
    checkPoll(200, !failed, message.body);
    return 0;
}

VELMORA_FUZZ_ENTRY(fuzzPairingResponses)
