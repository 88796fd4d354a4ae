#pragma once

#include "catchup/catchupaddress.h"
#include "catchup/servertimezone.h"
#include "catchup/xtreamarchiveforms.h"

#include <QHash>
#include <QString>

#include <functional>

class QNetworkAccessManager;
class QObject;
struct MediaItem;
struct SourceConfig;

// The one call the player side makes to play a programme from the archive: the address for a
// channel of any source. Xtream servers are asked once per session for their clock (the login
// answer) and probed for the address form they answer; playlists need no request.
// Must outlive every `context` given to resolve().
class CatchupResolver final
{
public:
    // Called once on the GUI thread; an empty address when the channel has no archive or its
    // playlist entry gives no usable one.
    using Done = std::function<void(const QString& url)>;

    void resolve(QNetworkAccessManager* manager, const SourceConfig& source,
                 const MediaItem& channel, const CatchupWindow& window, QObject* context,
                 Done done);

    // Known once the server has been asked; UTC before.
    ServerTimeZone zoneOf(const QString& baseUrl) const { return zones.value(baseUrl); }

private:
    void resolveXtream(QNetworkAccessManager* manager, const XtreamAccount& account,
                       const QString& streamId, const CatchupWindow& window, QObject* context,
                       Done done);

    XtreamArchiveForms forms;
    QHash<QString, ServerTimeZone> zones;
};
