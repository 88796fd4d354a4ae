#pragma once

#include "model/category.h"
#include "model/episode.h"
#include "model/mediaitem.h"
#include "model/xtreamserverinfo.h"
#include "providers/jsonreadings.h"

#include <QByteArray>
#include <QList>

// Turns the JSON answers of the Xtream player API into records. Any shape is accepted: no
// field is required, an element that is not an object still yields a record of empty texts and
// zeros, and a top level of the wrong kind yields an empty list.
//
// `ok`, when given, tells whether the body was a JSON text at all (an array or an object at the
// top) within kMaxRecords; a body that is not gives an empty list and false.
class XtreamParser final
{
public:
    // More records than this in one answer fail it (empty list, `ok` false) instead of taking
    // gigabytes: a 100 MB body of tiny elements would otherwise make tens of millions.
    static constexpr qsizetype kMaxRecords = 2'000'000;

    // get_live_categories, get_vod_categories, get_series_categories
    static QList<Category> categories(const QByteArray& body, bool* ok = nullptr,
                                      JsonPath path = JsonPath::Fast);
    // get_live_streams
    static QList<MediaItem> liveStreams(const QByteArray& body, bool* ok = nullptr,
                                        JsonPath path = JsonPath::Fast);
    // get_vod_streams
    static QList<MediaItem> vodStreams(const QByteArray& body, bool* ok = nullptr,
                                       JsonPath path = JsonPath::Fast);
    // get_series
    static QList<MediaItem> series(const QByteArray& body, bool* ok = nullptr,
                                   JsonPath path = JsonPath::Fast);
    // get_series_info: grouped by season in the order of the season keys as JSON object keys
    // sort (so "1", "10", "2"), each season in the server's order.
    // The login answer's "server_info" clock fields (empty when absent); "timestamp_now" may be
    // a number or text.
    static XtreamServerInfo serverInfo(const QByteArray& loginBody);
    static QList<Episode> seriesEpisodes(const QByteArray& body, bool* ok = nullptr,
                                         JsonPath path = JsonPath::Fast);
};
