#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The channels a server's guide holds, for choosing one by hand: id, every display name and
// what runs now. Read from the guide's file on the calling thread (a few thousand rows).
struct GuideChannelChoice
{
    QString id;
    QStringList names;
    QString nowTitle;
    int score = 0; // how well it matches the name asked for, 0 to 100
};

namespace guidechannels {

// Every channel of the guide file at `storePath`, with the title running at `now` (epoch s).
QList<GuideChannelChoice> read(const QString& storePath, qint64 now);

// Channels whose id or a name contains `query` (ignoring case and marks), id order kept.
QList<GuideChannelChoice> filter(const QList<GuideChannelChoice>& channels, const QString& query);

// The best matches for a channel called `name`, best first, at most `limit`, scored 1 to 100
// (100: the same name once quality and country marks are dropped).
QList<GuideChannelChoice> suggest(const QList<GuideChannelChoice>& channels, const QString& name,
                                  int limit);

// A name reduced to what tells channels apart: lower case, without "HD", "FHD", "4K", country
// prefixes ("UK:", "|DE|") and punctuation.
QStringList words(const QString& name);

} // namespace guidechannels
