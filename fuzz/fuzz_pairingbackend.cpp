// The pairing backend's handling of what computers and phones send: the start body, the
// Authorization and Content-Type headers, the form page's query, the submitted details (a form
// or JSON), through the store and into the pages. The pages must escape everything that came in
// and never show a password; the store must hand out exactly what it accepted, once.
//
// Input: optional fields "Start:" (the start request's body), "Authorization:" ("{token}"
// stands for the token the start handed out), "Content-Type:", "Query:" (the form page's query)
// and "Wait:" (seconds between start and submit), then the submitted body.
#include "fuzztarget.h"
#include "fuzztargets.h"

#include "pairingpages.h"
#include "pairingrequests.h"
#include "pairingstore.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>

namespace {
const QString kClient = QStringLiteral("198.51.100.7");

QString show(const PairingPages::Form& f)
{
    const PairingStore::Details& d = f.details;
    return QStringList{f.code, d.type, d.name, d.url, d.username, d.password, d.liveExtension}.join(
        QLatin1Char('|'));
}

bool sameDetails(const PairingStore::Details& a, const PairingStore::Details& b)
{
    return a.type == b.type && a.name == b.name && a.url == b.url && a.username == b.username &&
           a.password == b.password && a.liveExtension == b.liveExtension;
}

// Markup characters of a page: escaping keeps their number what the bare page has.
QString markup(const QByteArray& page)
{
    return QStringLiteral("< %1 > %2 \" %3 ' %4")
        .arg(page.count('<'))
        .arg(page.count('>'))
        .arg(page.count('"'))
        .arg(page.count('\''));
}

void checkFormPage(const PairingPages::Form& form, const QString& error)
{
    const QByteArray page = PairingPages::formPage(form, error);
    PairingPages::Form bare;
    bare.details.type = form.details.type == QLatin1String("m3u") ? form.details.type : QString();
    bare.details.liveExtension = form.details.liveExtension == QLatin1String("m3u8")
                                     ? form.details.liveExtension
                                     : QString();
    const QByteArray barePage =
        PairingPages::formPage(bare, error.isEmpty() ? QString() : QStringLiteral("x"));
    FUZZ_CHECK(markup(page) == markup(barePage),
               QStringLiteral("form page markup %1 vs %2 for %3 error %4")
                   .arg(markup(page), markup(barePage), show(form), error));
    PairingPages::Form withoutPassword = form;
    withoutPassword.details.password.clear();
    FUZZ_CHECK(PairingPages::formPage(withoutPassword, error) == page,
               QStringLiteral("the form page shows the password"));
}

void checkSentPage(const QString& deviceName)
{
    const QByteArray page = PairingPages::sentPage(deviceName);
    const QByteArray barePage =
        PairingPages::sentPage(deviceName.isEmpty() ? QString() : QStringLiteral("x"));
    FUZZ_CHECK(markup(page) == markup(barePage),
               QStringLiteral("sent page markup for %1").arg(deviceName));
}

void checkCode(const QString& typed)
{
    const QString code = PairingStore::normalizedCode(typed);
    if (code.isEmpty())
        return;
    FUZZ_CHECK(code.size() == PairingStore::kCodeLength, code);
    FUZZ_CHECK(
        std::all_of(code.cbegin(), code.cend(),
                    [](QChar c) {
                        return c.unicode() < 0x80 &&
                               QByteArray(PairingStore::kCodeAlphabet).contains(char(c.unicode()));
                    }),
        code);
    FUZZ_CHECK(PairingStore::normalizedCode(code) == code, code);
}

bool hasNonCharacter(const QString& text)
{
    const QList<uint> codePoints = text.toUcs4();
    return std::any_of(codePoints.cbegin(), codePoints.cend(),
                       [](uint c) { return QChar::isNonCharacter(c); });
}

// The form, sent again the way a browser or a script would send it, reads the same. (Qt decodes
// a percent-encoded noncharacter such as U+FFFF to replacement characters; a browser's form
// cannot carry one otherwise, so such forms are left out.)
void checkRoundTrip(const PairingPages::Form& form, bool json)
{
    const PairingStore::Details& d = form.details;
    const QList<std::pair<const char*, QString>> fields = {{"code", form.code},
                                                           {"type", d.type},
                                                           {"name", d.name},
                                                           {"url", d.url},
                                                           {"username", d.username},
                                                           {"password", d.password},
                                                           {"live_extension", d.liveExtension}};
    if (!json && std::any_of(fields.cbegin(), fields.cend(),
                             [](const auto& field) { return hasNonCharacter(field.second); }))
        return;
    QByteArray body;
    if (json) {
        QJsonObject object;
        for (const auto& [key, value] : fields)
            object.insert(QLatin1String(key), value);
        body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    } else {
        for (const auto& [key, value] : fields) {
            if (!body.isEmpty())
                body += '&';
            body += QByteArray(key) + '=' + QUrl::toPercentEncoding(value).replace("%20", "+");
        }
    }
    const PairingPages::Form again = PairingRequests::submission(body, json);
    FUZZ_CHECK(again.code == form.code && sameDetails(again.details, form.details),
               QStringLiteral("%1\nsent again as %2\nreads %3")
                   .arg(show(form), QString::fromUtf8(body), show(again)));
}
} // namespace

int fuzzPairingBackend(const uint8_t* data, size_t size)
{
    const FuzzMessage message = FuzzMessage::read(data, size);
    qint64 nowMs = 1'000'000;
    PairingStore store(PairingStore::Limits(), [&nowMs] { return nowMs; });
    int nextCode = 0;
    store.setCodeSource([&nextCode] {
        static const QStringList codes = {QStringLiteral("ABCDEF"), QStringLiteral("GHJKLM")};
        return codes.at(nextCode++ % codes.size());
    });

    // The computer opens a pairing.
    const PairingRequests::Device device = PairingRequests::device(message.field("start"));
    const PairingStore::Opened opened = store.open(kClient, device.name);
    FUZZ_CHECK(opened.result == PairingStore::OpenResult::Opened && opened.code == "ABCDEF",
               opened.code);
    store.open(QStringLiteral("203.0.113.9"), QStringLiteral("other"));

    // The phone opens the form page, then sends its details.
    const PairingPages::Form pageForm =
        PairingRequests::pageForm(QUrlQuery(QString::fromUtf8(message.field("query"))));
    FUZZ_CHECK(pageForm.code.size() <= 12, pageForm.code);
    checkFormPage(pageForm, QString());

    const bool json = PairingRequests::isJson(message.field("content-type"));
    PairingPages::Form form;
    if (message.body.size() <= 16 * 1024) // as the server takes it
        form = PairingRequests::submission(message.body, json);
    checkRoundTrip(form, json);
    checkCode(form.code);
    // Below twice the code lifetime: an expired pairing is still known then.
    nowMs += qBound(0, message.field("wait").toInt(), 1199) * qint64(1000);
    const PairingStore::Submission submission = store.submit(kClient, form.code, form.details);
    const bool expired = nowMs - 1'000'000 >= qint64(store.limits().codeLifetimeSecs) * 1000;
    const QString normalizedCode = PairingStore::normalizedCode(form.code);
    const QString problem = PairingStore::problemWith(PairingStore::normalized(form.details));
    switch (submission.result) {
    case PairingStore::SubmitResult::Accepted:
        FUZZ_CHECK(!expired && (normalizedCode == opened.code || normalizedCode == "GHJKLM") &&
                       problem.isEmpty(),
                   show(form));
        FUZZ_CHECK(submission.deviceName == (normalizedCode == opened.code
                                                 ? device.name.left(PairingStore::kMaxDeviceText)
                                                 : QStringLiteral("other")),
                   submission.deviceName);
        checkSentPage(submission.deviceName);
        break;
    case PairingStore::SubmitResult::Invalid:
        FUZZ_CHECK(!problem.isEmpty() && submission.problem == problem, show(form));
        checkFormPage(form, submission.problem);
        break;
    case PairingStore::SubmitResult::Expired:
        FUZZ_CHECK(expired, show(form));
        break;
    case PairingStore::SubmitResult::UnknownCode:
        FUZZ_CHECK(normalizedCode != opened.code && normalizedCode != "GHJKLM", show(form));
        checkFormPage(form, QStringLiteral("That code isn't valid."));
        break;
    case PairingStore::SubmitResult::RateLimited:
    case PairingStore::SubmitResult::AlreadyUsed:
    case PairingStore::SubmitResult::Unavailable:
        fuzzFailure("a first submission is neither limited nor a repeat", show(form));
        break;
    case PairingStore::SubmitResult::Lost:
        // Only shared storage that restarted loses a pairing; this store never does.
        fuzzFailure("a pairing kept in memory was lost", show(form));
    }

    // The computer polls with whatever Authorization it sent.
    QByteArray authorization = message.field("authorization");
    authorization.replace("{token}", opened.deviceToken.toLatin1());
    const QString token = PairingRequests::bearerToken(authorization);
    // The token is what follows "Bearer ", without the header's own white space.
    if (!token.isEmpty())
        FUZZ_CHECK(authorization.trimmed().toLower().startsWith("bearer ") &&
                       token.toLatin1() == token.toLatin1().trimmed(),
                   token);
    const PairingStore::Poll poll = store.poll(token);
    if (token != opened.deviceToken) {
        FUZZ_CHECK(poll.result == PairingStore::PollResult::UnknownToken, token);
        return 0;
    }
    const bool delivered =
        submission.result == PairingStore::SubmitResult::Accepted && normalizedCode == opened.code;
    if (delivered) {
        FUZZ_CHECK(poll.result == PairingStore::PollResult::Ready &&
                       sameDetails(poll.details, PairingStore::normalized(form.details)) &&
                       PairingStore::problemWith(poll.details).isEmpty(),
                   show(form));
        FUZZ_CHECK(store.poll(token).result == PairingStore::PollResult::Expired,
                   QStringLiteral("details handed out twice"));
    } else {
        FUZZ_CHECK(poll.result == (expired ? PairingStore::PollResult::Expired
                                           : PairingStore::PollResult::Pending),
                   show(form));
    }
    return 0;
}

VELMORA_FUZZ_ENTRY(fuzzPairingBackend)
