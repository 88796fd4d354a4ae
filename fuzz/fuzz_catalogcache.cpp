// The catalog cache on disk with a file of any content in its folder: loads read what the file
// logic reads, saves of a second source whose name gives the same file name never touch the
// first one's file, and every save reads back.
//
// Input: an optional "File:" field naming the file in the cache folder (default
// "Fuzz_TV.json"), then its content. The sources are "Fuzz TV" and "Fuzz.TV" (both "Fuzz_TV").
#include "catalogsamples.h"
#include "fuzztarget.h"
#include "fuzztargets.h"

#include "app/clock.h"
#include "providers/catalogfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {
using namespace catalogsamples;

const QString kFirst = QStringLiteral("Fuzz TV");
const QString kSecond = QStringLiteral("Fuzz.TV");

// A private application-data folder for the whole run, and the clock held still.
QString cacheFolder()
{
    static const QString folder = []() -> QString {
        static QTemporaryDir home;
        if (!home.isValid())
            fuzzFailure("temporary folder", home.errorString());
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        QCoreApplication::setApplicationName(QStringLiteral("Velmora Player"));
        QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
        Clock::setFake(1'700'000'000'000);
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
               QStringLiteral("/catalog_cache");
    }();
    return folder;
}

// Characters a file name may hold here; the rest is dropped.
QString fileNameOf(const QByteArray& field)
{
    QString name;
    for (const char c : field) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '_' || c == '-' || c == '.')
            name += QLatin1Char(c);
    }
    name.truncate(60);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("Fuzz_TV.json");
    return name;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::pair<bool, CatalogCache::Section> load(const QString& owner, const QString& section)
{
    CatalogCache::Section out = untouched();
    const bool found = CatalogCache::load(owner, section, out);
    if (!found)
        FUZZ_CHECK(diff(out, untouched()).isEmpty(), QStringLiteral("out changed on a miss"));
    return {found, out};
}

std::pair<bool, QList<Episode>> loadEpisodes(const QString& owner, const QString& seriesId)
{
    QList<Episode> out = untouchedEpisodes();
    const bool found = CatalogCache::loadEpisodes(owner, seriesId, 86400, out);
    if (!found)
        FUZZ_CHECK(recorddiff::diff(out, untouchedEpisodes()).isEmpty(),
                   QStringLiteral("episodes out changed on a miss"));
    return {found, out};
}

CatalogCache::Section readBack(const CatalogCache::Section& saved)
{
    CatalogCache::Section expected = saved;
    for (MediaItem& item : expected.items) {
        if (!std::isfinite(item.rating))
            item.rating = 0;
    }
    return expected;
}
} // namespace

int fuzzCatalogCache(const uint8_t* data, size_t size)
{
    const QString folder = cacheFolder();
    const FuzzMessage message = FuzzMessage::read(data, size);
    const QString fileName = fileNameOf(message.field("file"));
    const QByteArray& content = message.body;

    QDir dir(folder);
    dir.removeRecursively();
    if (!QDir().mkpath(folder))
        fuzzFailure("cache folder", folder);
    const QString path = dir.filePath(fileName);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return 0; // a name the file system refuses
    }

    // Loads read what the file logic reads from this file, or nothing.
    QMap<QString, std::pair<bool, CatalogCache::Section>> firstBefore;
    for (const QString& owner : {kFirst, kSecond}) {
        for (const QString& section : kSections) {
            const auto loaded = load(owner, section);
            if (owner == kFirst)
                firstBefore.insert(section, loaded);
            if (!loaded.first)
                continue;
            CatalogCache::Section expected;
            FUZZ_CHECK(CatalogFile::readSection(content, owner, section, expected),
                       QStringLiteral("loaded %1 that the file logic does not read").arg(section));
            FUZZ_CHECK(diff(loaded.second, expected).isEmpty(), diff(loaded.second, expected));
        }
        for (const QString& id : kSeriesIds)
            loadEpisodes(owner, id);
    }
    const bool firstOwnsIt =
        CatalogFile::owner(content.left(CatalogFile::headSize(kFirst))) == kFirst;
    const bool someoneOwnsIt = CatalogFile::recordsOwner(content);

    // The second source saves: a file that records another owner is never replaced.
    const CatalogCache::Section second = section(QStringLiteral("second"));
    FUZZ_CHECK(CatalogCache::save(kSecond, QStringLiteral("live"), second), path);
    if (someoneOwnsIt &&
        CatalogFile::owner(content.left(CatalogFile::headSize(kSecond))) != kSecond)
        FUZZ_CHECK(readAll(path) == content, QStringLiteral("another owner's file was replaced"));
    auto secondLive = load(kSecond, QStringLiteral("live"));
    FUZZ_CHECK(secondLive.first && diff(secondLive.second, readBack(second)).isEmpty(),
               QStringLiteral("second source reads back: ") +
                   diff(secondLive.second, readBack(second)));

    // The first source saves a section and episodes; the second one's catalog stays.
    const CatalogCache::Section first = section(QStringLiteral("first"));
    FUZZ_CHECK(CatalogCache::save(kFirst, QStringLiteral("movie"), first), path);
    const QList<Episode> list = episodes(QStringLiteral("first"));
    FUZZ_CHECK(CatalogCache::saveEpisodes(kFirst, QStringLiteral("42"), list), path);
    FUZZ_CHECK(CatalogCache::filePath(kFirst) != CatalogCache::filePath(kSecond),
               CatalogCache::filePath(kFirst));

    const auto firstMovie = load(kFirst, QStringLiteral("movie"));
    FUZZ_CHECK(firstMovie.first && diff(firstMovie.second, readBack(first)).isEmpty(),
               QStringLiteral("first source reads back: ") +
                   diff(firstMovie.second, readBack(first)));
    const auto firstEpisodes = loadEpisodes(kFirst, QStringLiteral("42"));
    FUZZ_CHECK(firstEpisodes.first && recorddiff::diff(firstEpisodes.second, list).isEmpty(),
               recorddiff::diff(firstEpisodes.second, list));
    secondLive = load(kSecond, QStringLiteral("live"));
    FUZZ_CHECK(secondLive.first && diff(secondLive.second, readBack(second)).isEmpty(),
               QStringLiteral("the first source's saves changed the second's catalog"));

    // A file that records a third owner is nobody's to replace.
    const std::optional<QString> recorded = CatalogFile::owner(content);
    if (recorded && *recorded != kFirst && *recorded != kSecond)
        FUZZ_CHECK(readAll(path) == content, QStringLiteral("a third owner's file was replaced"));

    // The first source's own file keeps its other sections.
    if (firstOwnsIt && fileName == QLatin1String("Fuzz_TV.json")) {
        for (const QString& section : kSections) {
            if (section == QLatin1String("movie"))
                continue;
            const auto now = load(kFirst, section);
            const auto& was = firstBefore.value(section);
            FUZZ_CHECK(now.first == was.first,
                       QStringLiteral("section %1 kept: %2").arg(section).arg(now.first));
            FUZZ_CHECK(diff(now.second, was.second).isEmpty(),
                       QStringLiteral("section %1 changed: ").arg(section) +
                           diff(now.second, was.second));
        }
    }
    return 0;
}

VELMORA_FUZZ_ENTRY(fuzzCatalogCache)
