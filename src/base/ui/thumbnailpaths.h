#pragma once

#include <QByteArray>
#include <QString>

// Where a poster downloaded from `url` is kept on disk: <app data>/thumb_cache/ followed by the
// SHA-256 of the URL in lower-case hex and ".img". The file holds the bytes as received.
QString thumbnailCachePath(const QString& url);
QString thumbnailCacheDir();

// Writes a downloaded poster's bytes to its cache file, atomically: a crash or a full disk
// leaves the previous file (or none), never half a poster. False when nothing was written.
bool storeThumbnailFile(const QString& url, const QByteArray& body);
