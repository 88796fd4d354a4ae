#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The parental lock's PIN and the state of one run: the PIN is kept only as a salted, many times
// hashed digest; a right PIN unlocks until the program closes or for an hour; five wrong ones
// in a row make the next try wait a minute. Time comes from Clock. Widget-free.
class ParentalLock final
{
public:
    static constexpr int kMaxWrongTries = 5;
    static constexpr qint64 kWaitMs = 60 * 1000;
    static constexpr qint64 kHourMs = 60 * 60 * 1000;
    static constexpr int kIterations = 20000;

    enum class Answer
    {
        Right,
        Wrong,
        Waiting // too many wrong tries: not even checked
    };

    // The stored form of `pin`: "pbkdf2-sha256$<iterations>$<salt hex>$<digest hex>".
    static QString digestOf(const QString& pin);
    static bool matches(const QString& pin, const QString& digest);
    // Four to eight digits.
    static bool isAcceptable(const QString& pin);

    // The preference keys and the words that suggest content for adults.
    static const QString kDigestKey;
    static const QString kWordsKey;
    static QStringList defaultWords();
    // The user's list, or the default one.
    static QStringList words();
    static QString storedDigest();
    // Stores the PIN's digest (empty PIN: removes it). Empty when saved, else a message.
    static QString setPin(const QString& pin);
    // Whether a category name contains one of `words` as a word or a marked part ("XXX", "18+").
    static bool soundsAdult(const QString& name, const QStringList& words);

    bool hasPin() const;
    // For tests: a digest instead of the preferences.
    void setDigest(const QString& digest) { overrideDigest = digest; }

    bool isUnlocked() const;
    // Ms until another try is taken, 0 when one is.
    qint64 waitLeftMs() const;
    // `forHour`: the unlock ends after an hour; otherwise when the program closes.
    Answer tryPin(const QString& pin, bool forHour);
    // The same check and count of wrong tries, without unlocking (changing the PIN).
    Answer check(const QString& pin);
    void lock();

private:
    QString digest() const;

    QString overrideDigest;
    int wrongTries = 0;
    qint64 waitUntil = 0;     // monotonic ms
    qint64 unlockedUntil = 0; // monotonic ms; max for the whole run
};
