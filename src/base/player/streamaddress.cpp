#include "player/streamaddress.h"

#include "providers/xtreamclient.h"

#include <QUrl>

QString streamAddress(const MediaItem& item, const SourceConfig& source, const XtreamClient* xtream)
{
    switch (item.type) {
    case MediaItem::Live:
        if (source.type == SourceConfig::Xtream && xtream) {
            const QString extension =
                source.liveExtension.isEmpty() ? QStringLiteral("m3u8") : source.liveExtension;
            return xtream->liveStreamUrl(item.id, extension);
        }
        return item.streamUrl;
    case MediaItem::Movie:
    case MediaItem::SeriesEpisode: {
        // A file of our own, such as a recording; a server's items go by their id.
        if (QUrl(item.streamUrl).isLocalFile() || item.streamUrl.startsWith(QLatin1Char('/')))
            return item.streamUrl;
        if (!xtream)
            return QString();
        const QString extension =
            item.containerExtension.isEmpty() ? QStringLiteral("mp4") : item.containerExtension;
        return item.type == MediaItem::Movie ? xtream->movieStreamUrl(item.id, extension)
                                             : xtream->episodeStreamUrl(item.id, extension);
    }
    default:
        return QString();
    }
}
