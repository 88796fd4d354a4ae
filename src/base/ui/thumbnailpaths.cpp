#include "ui/thumbnailpaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSaveFile>
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

bool storeThumbnailFile(const QString& url, const QByteArray& body)
{
    QDir().mkpath(thumbnailCacheDir());
    QSaveFile file(thumbnailCachePath(url));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(body);
    return file.commit();
}
