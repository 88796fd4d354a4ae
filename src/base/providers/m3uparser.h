#pragma once

#include "model/category.h"
#include "model/mediaitem.h"

#include <QByteArrayView>
#include <QList>
#include <QStringList>

// Turns playlist text into channels and the categories formed from their group titles.
// Reads the display name, "group-title", "tvg-logo", "tvg-id", "tvg-name" and the archive
// attributes ("catchup", "catchup-type", "catchup-source", "catchup-days", "timeshift"; the
// #EXTM3U line may give them for all entries) of each #EXTINF line and the URL line after it, and
// the guide addresses of the #EXTM3U line; everything else is ignored. Never fails: unusable
// lines are skipped.
class M3uParser final
{
public:
    struct Result
    {
        QList<MediaItem> items;     // one per entry, in playlist order
        QList<Category> categories; // one per distinct group, in order of first appearance
        QStringList guideUrls;      // "url-tvg" (else "x-tvg-url") of #EXTM3U, split at commas
    };

    static Result parse(const QString& text);
    // The same for the playlist's UTF-8 bytes (invalid sequences read as U+FFFD).
    static Result parseUtf8(QByteArrayView utf8);
};
