#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <functional>

// The pairing backend's state: open pairings with their codes and tokens, the server details a
// phone sent, expiry, and the limits that keep code guessing and flooding out. No networking:
// the HTTP layer hands in what it parsed and a key for the client's address.
//
// A pairing is Waiting until the phone sends details, Submitted until the computer fetches them
// (once), then Delivered; Waiting and Submitted pairings become Expired when their code runs
// out. Details are wiped on leaving Submitted. Finished (Delivered or Expired) pairings are kept
// for a while so that their token and code still answer "expired" rather than "unknown".
class PairingStore final
{
public:
    struct Limits
    {
        int codeLifetimeSecs = 600;
        int maxLivePairings = 1000;
        int maxLivePairingsPerClient = 20;
        int maxWrongCodes = 5; // per client within the window; then the client is refused
        int wrongCodeWindowSecs = 600;
    };

    struct Details
    {
        QString type; // "xtream" or "m3u"
        QString name;
        QString url;
        QString username;
        QString password;
        QString liveExtension; // "ts" or "m3u8"
    };

    enum class OpenResult
    {
        Opened,
        Full,       // too many live pairings in all
        ClientFull, // too many live pairings from this client
        Unavailable // the shared storage could not be reached
    };
    struct Opened
    {
        OpenResult result = OpenResult::Full;
        QString code;
        QString deviceToken;
        int expiresIn = 0; // seconds
    };

    enum class PollResult
    {
        UnknownToken,
        Expired, // the code expired, or the details were already fetched
        Pending,
        Ready,
        Unavailable
    };
    struct Poll
    {
        PollResult result = PollResult::UnknownToken;
        Details details; // only with Ready
    };

    enum class SubmitResult
    {
        Accepted,
        RateLimited, // too many wrong codes from this client lately
        UnknownCode,
        Expired,
        AlreadyUsed, // details were already sent with this code
        Invalid,     // the details are incomplete; `problem` says what is wrong
        Unavailable,
        Lost // handed out here, but the shared storage lost it (a restart): not a wrong code
    };
    struct Submission
    {
        SubmitResult result = SubmitResult::UnknownCode;
        QString problem;        // with Invalid
        QString deviceName;     // with Accepted: the computer's name
        int retryAfterSecs = 0; // with RateLimited
    };

    using ClockMs = std::function<qint64()>;
    using CodeSource = std::function<QString()>;

    static constexpr int kCodeLength = 6;
    // No 0/O and 1/I: codes are read off a screen and typed on a phone. 32 symbols.
    static constexpr char kCodeAlphabet[] = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
    static constexpr int kTokenBytes = 32;
    static constexpr int kMaxDeviceText = 100;
    static constexpr int kMaxNameLength = 100;
    static constexpr int kMaxUrlLength = 2048;
    static constexpr int kMaxCredentialLength = 256;

    // `clock` gives monotonic milliseconds; by default a steady clock.
    PairingStore();
    explicit PairingStore(const Limits& limits, ClockMs clock = ClockMs());

    Opened open(const QString& client, const QString& deviceName);
    // Hands the details out once: a Ready answer finishes the pairing.
    Poll poll(const QString& deviceToken);
    Submission submit(const QString& client, const QString& typedCode, const Details& details);

    int livePairings();
    int storedPairings() const;
    const Limits& limits() const { return config; }

    // Test seam: codes come from here instead of the secure generator.
    void setCodeSource(CodeSource source);

    // Upper case, without spaces or hyphens; empty when it cannot be a code of ours.
    static QString normalizedCode(const QString& typed);
    // Trimmed name and URL; a playlist carries no credentials and the default live format.
    static Details normalized(const Details& details);
    // What the phone's user has to fix, or empty when the details are usable.
    static QString problemWith(const Details& details);

private:
    enum class State
    {
        Waiting,
        Submitted,
        Delivered,
        Expired
    };

    struct Pairing
    {
        QString code;
        QString client;
        QString deviceName;
        qint64 expiresAtMs = 0;
        State state = State::Waiting;
        Details details;
    };

    qint64 now() const;
    void sweep();
    void sweepIfDue();
    void expireIfDue(Pairing& pairing) const;
    static bool isLive(const Pairing& pairing);
    void dropOldestFinished();
    QString freshCode();
    static QString randomCode();
    static QString randomToken();
    bool refusesClient(const QString& client, int* retryAfterSecs);

    Limits config;
    ClockMs clock;
    CodeSource codeSource;
    QHash<QString, Pairing> byToken;
    QHash<QString, QString> tokenByCode;
    QHash<QString, QList<qint64>> wrongCodes; // client -> times of recent wrong codes
    qint64 nextSweepMs = 0;
};
