#include "livehub.h"

#include "livechannel.h"
#include "posterpainter.h"

#include <QDir>
#include <QImage>
#include <QJsonObject>

LiveHub::LiveHub(const Settings& settings, NameOf nameOf, QObject* parent)
    : QObject(parent)
    , settings(settings)
    , nameOf(std::move(nameOf))
{}

LiveHub::~LiveHub()
{
    stopAll();
}

LiveChannel* LiveHub::acquire(qint64 id)
{
    if (LiveChannel* channel = channels.value(id))
        return channel;
    if (channels.size() >= settings.maxChannels) {
        LiveChannel* unused = nullptr;
        for (LiveChannel* channel : std::as_const(channels)) {
            if (!channel->inUse() && (!unused || channel->lastUsedMs() < unused->lastUsedMs()))
                unused = channel;
        }
        if (!unused)
            return nullptr;
        release(unused->id());
    }

    const QString folder = settings.directory + u'/' + QString::number(id);
    LiveChannel::Settings s;
    s.ffmpeg = settings.ffmpeg;
    s.directory = folder + QStringLiteral("/hls");
    s.size = settings.size;
    s.idleMs = settings.idleMs;
    s.bannerPath = folder + QStringLiteral("/banner.png");
    QDir().mkpath(folder);
    if (!QFileInfo::exists(s.bannerPath))
        PosterPainter::banner(nameOf(id), settings.size.width()).save(s.bannerPath, "PNG");

    auto* channel = new LiveChannel(id, s, this);
    channels.insert(id, channel);
    connect(channel, &LiveChannel::idle, this, [this, id] { release(id); });
    connect(channel, &LiveChannel::ended, this, [this, id] { release(id); });
    channel->setFault(faults.value(id, FaultControl::ChannelFault::None));
    channel->start();
    return channel;
}

void LiveHub::release(qint64 id)
{
    LiveChannel* channel = channels.take(id);
    if (!channel)
        return;
    channel->disconnect(this);
    channel->stop();
    channel->deleteLater();
}

void LiveHub::setFault(qint64 id, FaultControl::ChannelFault fault)
{
    if (fault == FaultControl::ChannelFault::None)
        faults.remove(id);
    else
        faults.insert(id, fault);
    if (LiveChannel* channel = channels.value(id))
        channel->setFault(fault);
}

void LiveHub::stopAll()
{
    const QList<qint64> ids = channels.keys();
    for (qint64 id : ids)
        release(id);
}

QJsonArray LiveHub::describe() const
{
    QJsonArray list;
    for (const LiveChannel* channel : channels) {
        list.append(QJsonObject{{QStringLiteral("channel"), QString::number(channel->id())},
                                {QStringLiteral("viewers"), channel->viewerCount()}});
    }
    return list;
}
