#pragma once

#include <QObject>
#include <QString>

// Remembers per live channel the network-caching value (ms) it is started with. Shortfalls the
// player reports while a channel is watched raise the value when the viewing ends; half an hour
// without any lowers it again. Values live in the settings store under "liveBuffer/<key>".
class LiveBufferTuner final : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultCachingMs = 3000;
    static constexpr int kMaxCachingMs = 10000;

    explicit LiveBufferTuner(QObject* parent = nullptr);
    ~LiveBufferTuner() override; // ends a viewing in progress, so its lesson is kept

    // 16 hex digits of SHA-1(sourceName + "\n" + streamId); stable across runs.
    static QString channelKey(const QString& sourceName, const QString& streamId);

    int cachingMsFor(const QString& key) const;
    void beginViewing(const QString& key);
    void recordShortfall(int neededMs);
    void endViewing();

    bool isViewing() const { return !currentKey.isEmpty(); }

signals:
    // A learned value did not reach the settings file.
    void saveFailed(const QString& settingsFile);

private:
    void store(const QString& key, int ms);

    QString currentKey;
    qint64 viewStartMs = 0; // Clock::monotonicMs() when the viewing began
    int maxShortfallMs = 0;
};
