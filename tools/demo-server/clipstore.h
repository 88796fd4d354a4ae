#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QProcess;

// Short generated clips that stand in for movies and episodes. A handful of variants (test
// pattern, tone, length) are made once with ffmpeg into the cache folder, each on first request,
// one at a time so the machine stays usable; every title maps onto one variant. Clips carry two
// audio tracks and, where the container allows, a subtitle track, so track menus have choices.
class ClipStore final : public QObject
{
    Q_OBJECT

public:
    struct Settings
    {
        QString ffmpeg = QStringLiteral("ffmpeg");
        QString directory;
        int secondsOverride = 0; // every clip this long; 0: each variant its own length
    };

    // Called with the clip's path, or an empty path when it could not be made.
    using Ready = std::function<void(const QString& path)>;

    explicit ClipStore(const Settings& settings, QObject* parent = nullptr);
    ~ClipStore() override;

    static bool supportsExtension(const QString& extension); // mp4, mkv, ts
    static QByteArray contentType(const QString& extension);
    static int variantCount();
    static int variantFor(qint64 id);
    int durationSecs(int variant) const;
    QString pathFor(int variant, const QString& extension) const;

    // Calls `ready` once, later, on this thread, unless `context` is gone by then.
    void fetch(int variant, const QString& extension, QObject* context, Ready ready);

private:
    struct Waiter
    {
        QPointer<QObject> context;
        Ready ready;
    };
    struct Job
    {
        int variant = 0;
        QString extension;
        QList<Waiter> waiters;
        bool withText = true;
    };

    void startNext();
    void finishJob(bool ok);
    QStringList arguments(const Job& job, const QString& output) const;
    QString subtitleFile(int seconds) const;

    Settings settings;
    QList<Job> queue; // the first one runs when `process` is set
    QProcess* process = nullptr;
    QString partPath;
};
