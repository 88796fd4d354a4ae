#pragma once

#include "multiview/channelmime.h"
#include "player/streamconnections.h"
#include "player/vlcplayer.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class LiveBufferTuner;
class ReconnectSchedule;
class VlcEngine;

// One multi-view tile's live channel: its own media player on the shared libVLC instance, its
// own stall watch, reconnect schedule and learned buffer, and a connection counted against the
// server's limit. What happens to it (waiting, reconnecting, refused) becomes the tile's status
// text instead of a box, so one tile's trouble never stops the others.
class TileViewing final : public QObject
{
    Q_OBJECT

public:
    enum class State
    {
        Empty,
        Starting,
        Playing,
        Reconnecting,
        Refused
    };

    TileViewing(std::shared_ptr<VlcEngine> engine, VlcPlayer::VideoWindow window,
                StreamConnections* connections, QObject* parent);
    ~TileViewing() override;

    // Plays `channel` at `url`; refused (false, with the reason as status) when the server
    // already has as many streams open as it allows.
    bool start(const channelmime::Channel& channel, const QString& url);
    void stop();
    // Only the focused tile is heard.
    void setAudible(bool audible, int volume);

    const std::optional<channelmime::Channel>& channel() const { return current; }
    State state() const { return currentState; }
    QString statusText() const { return status; }
    VlcPlayer* player() const { return vlc; }
    int reconnectAttempts() const;

signals:
    void changed();

private:
    void setState(State state, const QString& text);
    void replay();
    void onInterrupted();
    void onProgressing();
    QString holderName() const;

    VlcPlayer* vlc = nullptr;
    StreamConnections* connections = nullptr;
    ReconnectSchedule* reconnect = nullptr;
    LiveBufferTuner* tuner = nullptr;
    StreamConnections::Lease lease;
    std::optional<channelmime::Channel> current;
    QString url;
    QString channelKey;
    State currentState = State::Empty;
    QString status;
};
