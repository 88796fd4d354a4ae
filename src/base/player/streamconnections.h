#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

// The streams the player has open per server, counted against what the account allows (Xtream
// "user_info.max_connections", or the user's own number for a playlist). The main player, each
// recording and each multi-view tile holds a Lease while its stream is open; a request that
// would go over the limit is refused before anything connects, so nothing already open is cut.
class StreamConnections final : public QObject
{
    Q_OBJECT

public:
    // Move-only; the stream stops counting when its lease is released or destroyed.
    class Lease final
    {
    public:
        Lease() = default;
        ~Lease() { release(); }
        Lease(Lease&& other) noexcept;
        Lease& operator=(Lease&& other) noexcept;
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;

        bool isValid() const { return owner != nullptr; }
        void release();

    private:
        friend class StreamConnections;
        StreamConnections* owner = nullptr;
        QString serverId;
        quint64 id = 0;
    };

    explicit StreamConnections(QObject* parent = nullptr);
    ~StreamConnections() override;

    // limit <= 0: no limit known.
    void setLimit(const QString& serverId, int limit);
    int limit(const QString& serverId) const;
    int openCount(const QString& serverId) const;
    bool canOpen(const QString& serverId, int more = 1) const;
    // What holds the open streams ("Playing: ...", "Recording: ..."), for the refusal message.
    QStringList holders(const QString& serverId) const;

    // An invalid lease when the limit is reached. `what` names the stream for holders().
    Lease acquire(const QString& serverId, const QString& what);

signals:
    void changed(const QString& serverId);

private:
    void drop(const QString& serverId, quint64 id);

    QHash<QString, int> limits;
    QHash<QString, QHash<quint64, QString>> open; // server id -> lease id -> what
    quint64 nextId = 1;
};
