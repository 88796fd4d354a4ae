#pragma once

#include <QString>
#include <QtGlobal>

class ServerTimeZone;
struct MediaItem;

// One programme to play from the archive: its start and stop and the present, Unix seconds.
struct CatchupWindow
{
    qint64 startSecs = 0;
    qint64 stopSecs = 0;
    qint64 nowSecs = 0;
};

// The login of an Xtream server, as the archive addresses need it.
struct XtreamAccount
{
    QString baseUrl; // no trailing "/"
    QString username;
    QString password;
};

// Builds the address of a past programme. Widget-free; the caller decides what to do with it.
class CatchupAddress final
{
public:
    // The two address forms Xtream servers use for their archive.
    enum class XtreamForm
    {
        Path,  // <base>/timeshift/<user>/<pass>/<minutes>/<YYYY-MM-DD:HH-MM>/<id>.ts
        Query, // <base>/streaming/timeshift.php?username=&password=&stream=&start=&duration=
    };

    // Playlist catch-up kinds, as written in MediaItem::catchupType.
    static constexpr QLatin1StringView kDefault{"default"};
    static constexpr QLatin1StringView kAppend{"append"};
    static constexpr QLatin1StringView kShift{"shift"};
    static constexpr QLatin1StringView kFlussonic{"flussonic"};
    static constexpr QLatin1StringView kXc{"xc"};

    // Minutes asked beyond the programme's end, so a late finish is not cut off.
    static constexpr int kMarginMinutes = 2;
    // Days assumed when a playlist marks an archive without saying how long it keeps it.
    static constexpr int kDefaultPlaylistDays = 3;

    // The playlist spelling of a kind ("catchup" or "catchup-type" value) as one of the kinds
    // above; empty for kinds this player cannot address.
    static QString normalizedType(const QString& written);

    static bool hasArchive(const MediaItem& channel);
    // Whether the programme can be asked for at `window.nowSecs`: it has begun and its start lies
    // within the channel's archive days.
    static bool isAvailable(const MediaItem& channel, const CatchupWindow& window);

    // The archive length to request in minutes: the programme plus the margin, from its start
    // truncated to the minute (the addresses carry no seconds).
    static int durationMinutes(const CatchupWindow& window);

    static QString xtream(XtreamForm form, const XtreamAccount& account, const QString& streamId,
                          const ServerTimeZone& zone, const CatchupWindow& window);

    // A playlist entry's archive address; empty when the entry has none or its address does not
    // fit its kind. Playlists say nothing of the server's zone: date fields are UTC.
    static QString playlist(const MediaItem& channel, const CatchupWindow& window);

    // `text` with every placeholder of a catch-up template filled in: {utc} {start} ${start}
    // {end} {utcend} ${end} {lutc} {now} ${now} ${timestamp} {duration} {duration:N}
    // {offset:N} and the start's UTC date fields {Y} {m} {d} {H} {M} {S}.
    static QString expandTemplate(const QString& text, const CatchupWindow& window);
};
