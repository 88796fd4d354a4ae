#pragma once

#include "model/category.h"
#include "model/mediaitem.h"

#include <QList>
#include <QStringList>

// Turns playlist text into channels and the categories formed from their group titles.
// Reads the display name, "group-title", "tvg-logo", "tvg-id" and "tvg-name" of each #EXTINF
// line and the URL line after it, and the guide addresses of the #EXTM3U line; everything else
// is ignored. Never fails: unusable lines are skipped.
class M3uParser final
{
public:
    struct Result
    {
        QList<MediaItem> items;      // one per entry, in playlist order
        QList<Category> categories;  // one per distinct group, in order of first appearance
        QStringList guideUrls;       // "url-tvg" (else "x-tvg-url") of #EXTM3U, split at commas
    };

    static Result parse(const QString& text);
};
