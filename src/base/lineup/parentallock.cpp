#include "lineup/parentallock.h"

#include "app/clock.h"
#include "app/preferences.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <limits>

const QString ParentalLock::kDigestKey = QStringLiteral("parental/pinDigest");
const QString ParentalLock::kWordsKey = QStringLiteral("parental/adultWords");

namespace {
QByteArray derive(const QString& pin, const QByteArray& salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, pin.toUtf8(), salt,
                                              iterations, 32);
}
} // namespace

QString ParentalLock::digestOf(const QString& pin)
{
    QByteArray salt(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()),
                                          salt.size() / int(sizeof(quint32)));
    return QStringLiteral("pbkdf2-sha256$%1$%2$%3")
        .arg(kIterations)
        .arg(QString::fromLatin1(salt.toHex()),
             QString::fromLatin1(derive(pin, salt, kIterations).toHex()));
}

bool ParentalLock::matches(const QString& pin, const QString& digest)
{
    const QStringList parts = digest.split(u'$');
    if (parts.size() != 4 || parts[0] != QStringLiteral("pbkdf2-sha256"))
        return false;
    const int iterations = parts[1].toInt();
    if (iterations < 1 || iterations > 10 * kIterations)
        return false;
    const QByteArray want = QByteArray::fromHex(parts[3].toLatin1());
    const QByteArray got = derive(pin, QByteArray::fromHex(parts[2].toLatin1()), iterations);
    // Compared in full, whatever differs first.
    if (want.size() != got.size())
        return false;
    int diff = 0;
    for (int i = 0; i < got.size(); ++i)
        diff |= want[i] ^ got[i];
    return diff == 0;
}

bool ParentalLock::isAcceptable(const QString& pin)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{4,8}$"));
    return digits.match(pin).hasMatch();
}

QStringList ParentalLock::defaultWords()
{
    return {QStringLiteral("adult"), QStringLiteral("adults"),    QStringLiteral("xxx"),
            QStringLiteral("18+"),   QStringLiteral("porn"),      QStringLiteral("erotic"),
            QStringLiteral("sex"),   QStringLiteral("for adults")};
}

QStringList ParentalLock::words()
{
    const QVariant stored = Preferences::value(kWordsKey);
    return stored.isValid() ? stored.toStringList() : defaultWords();
}

QString ParentalLock::storedDigest()
{
    return Preferences::value(kDigestKey).toString();
}

QString ParentalLock::setPin(const QString& pin)
{
    if (pin.isEmpty())
        return Preferences::remove(kDigestKey);
    return Preferences::setValue(kDigestKey, digestOf(pin));
}

bool ParentalLock::soundsAdult(const QString& name, const QStringList& words)
{
    const QString lower = name.toLower();
    for (const QString& word : words) {
        const QString w = word.trimmed().toLower();
        if (w.isEmpty())
            continue;
        qsizetype at = lower.indexOf(w);
        while (at >= 0) {
            const bool startOk = at == 0 || !lower.at(at - 1).isLetterOrNumber();
            const qsizetype end = at + w.size();
            const bool endOk = end >= lower.size() || !lower.at(end).isLetterOrNumber() ||
                               !w.back().isLetterOrNumber();
            if (startOk && endOk)
                return true;
            at = lower.indexOf(w, at + 1);
        }
    }
    return false;
}

QString ParentalLock::digest() const
{
    return overrideDigest.isEmpty() ? storedDigest() : overrideDigest;
}

bool ParentalLock::hasPin() const
{
    return !digest().isEmpty();
}

bool ParentalLock::isUnlocked() const
{
    return Clock::monotonicMs() < unlockedUntil;
}

qint64 ParentalLock::waitLeftMs() const
{
    return qMax<qint64>(0, waitUntil - Clock::monotonicMs());
}

ParentalLock::Answer ParentalLock::check(const QString& pin)
{
    if (waitLeftMs() > 0)
        return Answer::Waiting;
    if (matches(pin, digest())) {
        wrongTries = 0;
        return Answer::Right;
    }
    if (++wrongTries >= kMaxWrongTries) {
        wrongTries = 0;
        waitUntil = Clock::monotonicMs() + kWaitMs;
    }
    return Answer::Wrong;
}

ParentalLock::Answer ParentalLock::tryPin(const QString& pin, bool forHour)
{
    const Answer answer = check(pin);
    if (answer == Answer::Right)
        unlockedUntil =
            forHour ? Clock::monotonicMs() + kHourMs : std::numeric_limits<qint64>::max();
    return answer;
}

void ParentalLock::lock()
{
    unlockedUntil = 0;
}
