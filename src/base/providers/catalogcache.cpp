#include "providers/catalogcache.h"

#include "app/clock.h"
#include "providers/catalogfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <set>

#include <sys/mman.h>

namespace {
QString cacheDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/catalog_cache");
}

// Every character other than an ASCII letter, digit, "_" or "-" becomes one "_", also one
// outside the Basic Multilingual Plane (two UTF-16 units), as the playlist copies' names do.
QString fileStem(const QString& sourceName)
{
    QString stem;
    stem.reserve(sourceName.size());
    const qsizetype size = sourceName.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t u = sourceName.at(i).unicode();
        const bool kept = (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') ||
                          (u >= u'0' && u <= u'9') || u == u'_' || u == u'-';
        stem.append(kept ? QChar(u) : QChar(u'_'));
        if (QChar::isHighSurrogate(u) && i + 1 < size &&
            QChar::isLowSurrogate(sourceName.at(i + 1).unicode()))
            ++i;
    }
    return stem;
}

// Slot 1 is "<stem>.json"; further sources whose names give the same stem get "<stem>.<n>.json",
// which no stem can produce on its own since stems hold no dots.
QString slotFileName(const QString& stem, int slot)
{
    return slot == 1 ? stem + QStringLiteral(".json")
                     : QStringLiteral("%1.%2.json").arg(stem).arg(slot);
}

// Where a source's file is: its own (recording its name), else the first file that records no
// owner (damaged, or of the format before owners were recorded, which it reads and takes over),
// else the first free slot.
struct Placement
{
    QString own;
    QString reusable;
    QString vacant;

    QString readable() const { return !own.isEmpty() ? own : reusable; }
    QString target() const { return !readable().isEmpty() ? readable() : vacant; }
};

Placement cacheFilePath(const QString& sourceName)
{
    const QDir dir(cacheDir());
    const QString stem = fileStem(sourceName);
    const QString firstName = slotFileName(stem, 1);
    // The slot numbers present, listed without regard to letter case; each is then opened
    // under its exact name, so a file system that ignores case finds "my_tv.json" for
    // "My_TV.json" and one that does not keeps them apart.
    std::set<int> present;
    const QStringList names =
        dir.entryList({firstName, stem + QStringLiteral(".*.json")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (name.compare(firstName, Qt::CaseInsensitive) == 0) {
            present.insert(1);
            continue;
        }
        bool isNumber = false;
        const int slot = name.mid(stem.size() + 1, name.size() - stem.size() - 6).toInt(&isNumber);
        if (isNumber && slot >= 2)
            present.insert(slot);
    }

    Placement placement;
    for (const int slot : present) {
        QFile file(dir.filePath(slotFileName(stem, slot)));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray head = file.read(CatalogFile::headSize(sourceName));
        if (CatalogFile::owner(head) == sourceName) {
            placement.own = file.fileName();
            return placement;
        }
        // Another source's file is never touched; one without an owner may be taken over.
        if (!CatalogFile::recordsOwner(head) && placement.reusable.isEmpty())
            placement.reusable = file.fileName();
    }
    for (int slot = 1;; ++slot) {
        const QString path = dir.filePath(slotFileName(stem, slot));
        if (!QFileInfo::exists(path)) {
            placement.vacant = path;
            return placement;
        }
    }
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// A temporary file renamed over the old one: an interrupted or failed write leaves the
// previous file as it was.
bool writeFile(const QString& path, const QByteArray& content)
{
    if (!QDir().mkpath(cacheDir()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
} // namespace

bool CatalogCache::load(const QString& sourceName, const QString& section, Section& out)
{
    if (CatalogFile::isReservedName(section))
        return false;
    // Read where the page cache holds it: a copy would be tens of megabytes of fresh pages
    // to fault in on every start. Files are replaced by rename, never rewritten in place.
    const QString path = cacheFilePath(sourceName).readable();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return CatalogFile::readSection(QByteArray(), sourceName, section, out);
    const qint64 size = file.size();
    uchar* mapped = size > 0 ? file.map(0, size) : nullptr;
#ifdef MADV_POPULATE_READ
    // One call maps every page instead of a fault per few pages; refused on older kernels.
    if (mapped)
        ::madvise(mapped, size_t(size), MADV_POPULATE_READ);
#endif
    const QByteArray content =
        mapped ? QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), qsizetype(size))
               : file.readAll();
    return CatalogFile::readSection(content, sourceName, section, out);
}

bool CatalogCache::save(const QString& sourceName, const QString& section, const Section& data)
{
    if (CatalogFile::isReservedName(section))
        return false;
    const Placement placement = cacheFilePath(sourceName);
    const QByteArray content =
        CatalogFile::withSection(readFile(placement.readable()), sourceName, section, data);
    return writeFile(placement.target(), content);
}

bool CatalogCache::loadEpisodes(const QString& sourceName, const QString& seriesId,
                                qint64 maxAgeSecs, QList<Episode>& out)
{
    return CatalogFile::readEpisodes(readFile(cacheFilePath(sourceName).readable()), sourceName,
                                     seriesId, Clock::epochSecs(), maxAgeSecs, out);
}

bool CatalogCache::saveEpisodes(const QString& sourceName, const QString& seriesId,
                                const QList<Episode>& episodes)
{
    const Placement placement = cacheFilePath(sourceName);
    const QByteArray content = CatalogFile::withEpisodes(readFile(placement.readable()), sourceName,
                                                         seriesId, episodes, Clock::epochSecs());
    return writeFile(placement.target(), content);
}

QString CatalogCache::filePath(const QString& sourceName)
{
    return cacheFilePath(sourceName).target();
}

QString CatalogCache::directory()
{
    return cacheDir();
}
