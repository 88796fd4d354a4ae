#pragma once

#include "guide/guidestore.h"
#include "model/mediaitem.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

// How catalog channels find their guide channels. Every comparison is of key()s: case ignored,
// underscores read as spaces, runs of white space as one. By id: an Xtream stream's
// epg_channel_id or a playlist entry's tvg-id against <channel id>; by name, for playlists only:
// tvg-name, then the entry's name, against each <display-name>.
class GuideMatch final
{
public:
    static QString key(QStringView text);

    // What an import keeps: the channels some catalog entry may match.
    struct Wanted
    {
        QSet<QString> ids;
        QSet<QString> names;
        bool isEmpty() const { return ids.isEmpty() && names.isEmpty(); }
        bool wantsChannel(QStringView id, const QStringList& displayNames) const;
    };
    static Wanted wanted(const QList<MediaItem>& channels, bool byName);

    // The guide's channel numbers by id and by display name.
    class Index final
    {
    public:
        void build(const QList<GuideStore::Channel>& channels);
        // The guide channel of `item`, or -1.
        int find(const MediaItem& item, bool byName) const;
        bool isEmpty() const { return byId.isEmpty(); }

    private:
        QHash<QString, int> byId;
        QHash<QString, int> byName;
    };
};
