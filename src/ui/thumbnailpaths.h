#pragma once

#include <QString>

// Where a poster downloaded from `url` is kept on disk: <app data>/thumb_cache/ followed by the
// SHA-256 of the URL in lower-case hex and ".img". The file holds the bytes as received.
QString thumbnailCachePath(const QString& url);
QString thumbnailCacheDir();
