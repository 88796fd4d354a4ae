#pragma once

#include "faultcontrol.h"

#include <QHash>
#include <QJsonArray>
#include <QObject>
#include <QSize>
#include <QString>

#include <functional>

class LiveChannel;

// Starts a live channel's ffmpeg when someone opens it and stops it once nobody has watched for
// the idle time. At most `maxChannels` run at once: a new channel takes the place of one nobody
// watches, and is refused while all are watched.
class LiveHub final : public QObject
{
    Q_OBJECT

public:
    struct Settings
    {
        QString ffmpeg = QStringLiteral("ffmpeg");
        QString directory; // one sub-folder per running channel
        QSize size{384, 216};
        int idleMs = 10000;
        int maxChannels = 3;
    };

    using NameOf = std::function<QString(qint64 id)>;

    LiveHub(const Settings& settings, NameOf nameOf, QObject* parent = nullptr);
    ~LiveHub() override;

    // The channel, started if needed; null when every slot is taken by a watched channel.
    LiveChannel* acquire(qint64 id);
    LiveChannel* running(qint64 id) const { return channels.value(id); }
    void setFault(qint64 id, FaultControl::ChannelFault fault);
    void stopAll();

    QJsonArray describe() const;

private:
    void release(qint64 id);

    Settings settings;
    NameOf nameOf;
    QHash<qint64, LiveChannel*> channels;
    QHash<qint64, FaultControl::ChannelFault> faults;
};
