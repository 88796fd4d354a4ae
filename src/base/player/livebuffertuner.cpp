#include "player/livebuffertuner.h"

#include "app/clock.h"
#include "app/netlogstream.h"

#include <QCryptographicHash>
#include <QSettings>

#include <algorithm>

namespace {
constexpr int kStepMs = 500;
constexpr double kGrowthFactor = 1.25;
constexpr double kDecayFactor = 0.75;
constexpr qint64 kCleanViewingMs = 1799999; // more than this: half an hour without trouble

QSettings settingsStore()
{
    return QSettings(QStringLiteral("Velmora"), QStringLiteral("Player"));
}

QString settingsKey(const QString& key)
{
    return QStringLiteral("liveBuffer/") + key;
}

// Truncates toward zero and rounds up to the next multiple of the step, never above the maximum
// (the bound comes first, so a huge shortfall cannot overflow the conversion).
int roundedUpStep(double ms)
{
    const int whole = int(std::min(ms, double(LiveBufferTuner::kMaxCachingMs)));
    const int steps = whole / kStepMs + (whole % kStepMs > 0 ? 1 : 0);
    return steps * kStepMs;
}
} // namespace

LiveBufferTuner::LiveBufferTuner(QObject* parent)
    : QObject(parent)
{}

LiveBufferTuner::~LiveBufferTuner()
{
    endViewing();
}

QString LiveBufferTuner::channelKey(const QString& sourceName, const QString& streamId)
{
    const QString text = sourceName + u'\n' + streamId;
    const QByteArray hex =
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QString::fromLatin1(hex.left(16));
}

int LiveBufferTuner::cachingMsFor(const QString& key) const
{
    const int stored = settingsStore().value(settingsKey(key), kDefaultCachingMs).toInt();
    return std::clamp(stored, kDefaultCachingMs, kMaxCachingMs);
}

void LiveBufferTuner::beginViewing(const QString& key)
{
    if (isViewing())
        endViewing(); // keeps the lesson of the previous viewing, even of the same channel
    currentKey = key;
    maxShortfallMs = 0;
    viewStartMs = Clock::monotonicMs();
}

void LiveBufferTuner::recordShortfall(int neededMs)
{
    if (!isViewing())
        return;
    if (netDebugEnabled())
        NetLogStream() << "[VLC] live data late; channel needed" << neededMs << "ms of buffer";
    maxShortfallMs = std::max(maxShortfallMs, neededMs);
}

void LiveBufferTuner::endViewing()
{
    if (!isViewing())
        return;
    const int current = cachingMsFor(currentKey);
    if (maxShortfallMs > 0) {
        const int target = roundedUpStep(double(maxShortfallMs) * kGrowthFactor);
        if (current < target)
            store(currentKey, target);
    } else if (current > kDefaultCachingMs &&
               Clock::monotonicMs() - viewStartMs > kCleanViewingMs) {
        store(currentKey, roundedUpStep(double(current) * kDecayFactor));
    }
    currentKey.clear();
}

void LiveBufferTuner::store(const QString& key, int ms)
{
    QSettings settings = settingsStore();
    if (ms > kDefaultCachingMs)
        settings.setValue(settingsKey(key), ms);
    else
        settings.remove(settingsKey(key));
    settings.sync();
    if (settings.status() != QSettings::NoError)
        emit saveFailed(settings.fileName());
    if (netDebugEnabled())
        NetLogStream() << "[VLC] live buffer for" << key << "now" << std::max(ms, kDefaultCachingMs)
                       << "ms";
}
