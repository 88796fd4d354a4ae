#include "player/streamconnections.h"

#include <utility>

StreamConnections::Lease::Lease(Lease&& other) noexcept
    : owner(std::exchange(other.owner, nullptr))
    , serverId(std::move(other.serverId))
    , id(std::exchange(other.id, 0))
{}

StreamConnections::Lease& StreamConnections::Lease::operator=(Lease&& other) noexcept
{
    if (this != &other) {
        release();
        owner = std::exchange(other.owner, nullptr);
        serverId = std::move(other.serverId);
        id = std::exchange(other.id, 0);
    }
    return *this;
}

void StreamConnections::Lease::release()
{
    if (StreamConnections* from = std::exchange(owner, nullptr))
        from->drop(serverId, id);
}

StreamConnections::StreamConnections(QObject* parent)
    : QObject(parent)
{}

StreamConnections::~StreamConnections() = default;

void StreamConnections::setLimit(const QString& serverId, int limit)
{
    limits.insert(serverId, qMax(0, limit));
    emit changed(serverId);
}

int StreamConnections::limit(const QString& serverId) const
{
    return limits.value(serverId, 0);
}

int StreamConnections::openCount(const QString& serverId) const
{
    return int(open.value(serverId).size());
}

bool StreamConnections::canOpen(const QString& serverId, int more) const
{
    const int allowed = limit(serverId);
    return allowed <= 0 || openCount(serverId) + more <= allowed;
}

QStringList StreamConnections::holders(const QString& serverId) const
{
    QStringList names;
    const auto& streams = open.value(serverId);
    for (auto it = streams.cbegin(); it != streams.cend(); ++it)
        names.append(it.value());
    names.sort();
    return names;
}

StreamConnections::Lease StreamConnections::acquire(const QString& serverId, const QString& what)
{
    Lease lease;
    if (!canOpen(serverId))
        return lease;
    lease.owner = this;
    lease.serverId = serverId;
    lease.id = nextId++;
    open[serverId].insert(lease.id, what);
    emit changed(serverId);
    return lease;
}

void StreamConnections::drop(const QString& serverId, quint64 id)
{
    auto it = open.find(serverId);
    if (it == open.end() || !it->remove(id))
        return;
    if (it->isEmpty())
        open.erase(it);
    emit changed(serverId);
}
