#include "ui/thumbnailpaths.h"

#include <QCryptographicHash>
#include <QStandardPaths>

QString thumbnailCacheDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/thumb_cache/");
}

QString thumbnailCachePath(const QString& url)
{
    const QByteArray digest = QCryptographicHash::hash(url.toUtf8(), QCryptographicHash::Sha256);
    return thumbnailCacheDir() + QString::fromLatin1(digest.toHex()) + QStringLiteral(".img");
}
