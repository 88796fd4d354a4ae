// A catalog cache file of any content, read and rewritten in memory: the fast path must read and
// write what Qt's path does, a rewrite must keep the rest of an intact file of the same owner,
// and what was written must read back as it was saved.
//
// Input: optional "Owner:", "Section:" and "Series:" fields (see FuzzMessage), then the file.
#include "catalogsamples.h"
#include "fuzztarget.h"
#include "fuzztargets.h"

#include "providers/catalogfile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include <limits>
#include <utility>

namespace {
using namespace catalogsamples;

constexpr qint64 kNow = 1'700'000'000;
constexpr qint64 kMin = std::numeric_limits<qint64>::min();
constexpr qint64 kMax = std::numeric_limits<qint64>::max();

struct Names
{
    QString owner = QStringLiteral("Fuzz TV");
    QString section = QStringLiteral("live");
    QString seriesId = QStringLiteral("42");
};

Names namesOf(const FuzzMessage& message)
{
    Names names;
    if (message.has("owner"))
        names.owner = QString::fromUtf8(message.field("owner"));
    if (message.has("section"))
        names.section = QString::fromUtf8(message.field("section"));
    if (CatalogFile::isReservedName(names.section)) // the cache refuses these before reading
        names.section = QStringLiteral("live");
    if (message.has("series"))
        names.seriesId = QString::fromUtf8(message.field("series"));
    // Qt's lookups never find a key that opens with a byte-order mark, however it is written;
    // such a section or series id cannot be cached (and no caller has one).
    if (names.section.startsWith(QChar(0xFEFF)))
        names.section = QStringLiteral("live");
    if (names.seriesId.startsWith(QChar(0xFEFF)))
        names.seriesId = QStringLiteral("42");
    return names;
}

// Both paths read the section alike and leave `out` untouched when they find none.
std::pair<bool, CatalogCache::Section> readSection(const QByteArray& file, const QString& owner,
                                                   const QString& section)
{
    CatalogCache::Section fast = untouched();
    CatalogCache::Section reference = untouched();
    const bool fastFound = CatalogFile::readSection(file, owner, section, fast, JsonPath::Fast);
    const bool referenceFound =
        CatalogFile::readSection(file, owner, section, reference, JsonPath::Reference);
    FUZZ_CHECK(fastFound == referenceFound,
               QStringLiteral("section %1: found %2 on the fast path, %3 on Qt's")
                   .arg(section)
                   .arg(fastFound)
                   .arg(referenceFound));
    FUZZ_CHECK(diff(fast, reference).isEmpty(),
               QStringLiteral("section %1: fast vs Qt: %2").arg(section, diff(fast, reference)));
    if (!fastFound)
        FUZZ_CHECK(diff(fast, untouched()).isEmpty(), QStringLiteral("out changed on a miss"));
    return {fastFound, fast};
}

std::pair<bool, QList<Episode>> readEpisodes(const QByteArray& file, const QString& owner,
                                             const QString& seriesId, qint64 now, qint64 maxAge)
{
    QList<Episode> fast = untouchedEpisodes();
    QList<Episode> reference = untouchedEpisodes();
    const bool fastFound = CatalogFile::readEpisodes(file, owner, seriesId, now, maxAge, fast);
    const bool referenceFound = CatalogFile::readEpisodes(file, owner, seriesId, now, maxAge,
                                                          reference, JsonPath::Reference);
    const QString where =
        QStringLiteral("episodes %1 at %2 max age %3: ").arg(seriesId).arg(now).arg(maxAge);
    FUZZ_CHECK(fastFound == referenceFound,
               where + QStringLiteral("found %1 vs %2").arg(fastFound).arg(referenceFound));
    FUZZ_CHECK(recorddiff::diff(fast, reference).isEmpty(),
               where + recorddiff::diff(fast, reference));
    if (!fastFound)
        FUZZ_CHECK(recorddiff::diff(fast, untouchedEpisodes()).isEmpty(),
                   where + QStringLiteral("out changed on a miss"));
    return {fastFound, fast};
}

// Everything an owner can read from a file.
struct Contents
{
    QMap<QString, std::pair<bool, CatalogCache::Section>> sections;
    QMap<QString, std::pair<bool, QList<Episode>>> episodes;
};

Contents contentsOf(const QByteArray& file, const Names& names)
{
    Contents contents;
    QStringList sections = kSections;
    if (!sections.contains(names.section))
        sections.append(names.section);
    for (const QString& section : std::as_const(sections))
        contents.sections.insert(section, readSection(file, names.owner, section));
    QStringList ids = kSeriesIds;
    if (!ids.contains(names.seriesId))
        ids.append(names.seriesId);
    for (const QString& id : std::as_const(ids))
        contents.episodes.insert(id, readEpisodes(file, names.owner, id, kNow, kMax));
    return contents;
}

bool ownedBy(const QByteArray& file, const QString& owner)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file, &error);
    const QJsonValue recorded = document.object().value(CatalogFile::kOwnerKey);
    // A file that records no owner is read and kept by any owner.
    return error.error == QJsonParseError::NoError && document.isObject() &&
           (recorded.isUndefined() || (recorded.isString() && recorded.toString() == owner));
}

// A rewrite: valid JSON of the owner, the same on both paths as far as Qt reads them.
void checkRewrite(const QByteArray& fast, const QByteArray& reference, const QString& owner)
{
    QJsonParseError fastError;
    QJsonParseError referenceError;
    const QJsonDocument fastDocument = QJsonDocument::fromJson(fast, &fastError);
    const QJsonDocument referenceDocument = QJsonDocument::fromJson(reference, &referenceError);
    FUZZ_CHECK(fastError.error == QJsonParseError::NoError,
               fastError.errorString() + QLatin1Char('\n') + QString::fromUtf8(fast.left(2000)));
    FUZZ_CHECK(referenceError.error == QJsonParseError::NoError, referenceError.errorString());
    FUZZ_CHECK(
        fastDocument == referenceDocument,
        QStringLiteral("fast:\n%1\nQt:\n%2")
            .arg(QString::fromUtf8(fast.left(2000)), QString::fromUtf8(reference.left(2000))));
    FUZZ_CHECK(CatalogFile::owner(fast.left(CatalogFile::headSize(owner))) == owner,
               QString::fromUtf8(fast.left(200)));
}

CatalogCache::Section readBack(const CatalogCache::Section& saved)
{
    CatalogCache::Section expected = saved;
    for (MediaItem& item : expected.items) {
        if (!std::isfinite(item.rating))
            item.rating = 0; // written as null
    }
    return expected;
}
} // namespace

int fuzzCatalogFile(const uint8_t* data, size_t size)
{
    const FuzzMessage message = FuzzMessage::read(data, size);
    const Names names = namesOf(message);
    const QByteArray& file = message.body;

    const Contents before = contentsOf(file, names);
    // Freshness at the edges of the 64-bit range.
    for (const auto& [now, maxAge] :
         {std::pair{kNow, qint64(86400)}, std::pair{kMin, kMax}, std::pair{kMax, kMin},
          std::pair{kMax, kMax}, std::pair{kMin, qint64(1)}, std::pair{qint64(0), qint64(0)}})
        readEpisodes(file, names.owner, names.seriesId, now, maxAge);
    (void)CatalogFile::owner(file.left(CatalogFile::headSize(names.owner)));
    const bool owned = ownedBy(file, names.owner);

    // Save a section: what the file held under that name if anything (texts the fuzzer chose),
    // else a sample.
    const auto& [found, held] = before.sections.value(names.section);
    const CatalogCache::Section saved = found ? held : section(names.owner);
    const QByteArray withSection =
        CatalogFile::withSection(file, names.owner, names.section, saved);
    checkRewrite(
        withSection,
        CatalogFile::withSection(file, names.owner, names.section, saved, JsonPath::Reference),
        names.owner);
    const Contents afterSection = contentsOf(withSection, names);
    for (auto it = afterSection.sections.cbegin(); it != afterSection.sections.cend(); ++it) {
        const auto& [foundNow, sectionNow] = it.value();
        if (it.key() == names.section) {
            FUZZ_CHECK(foundNow && diff(sectionNow, readBack(saved)).isEmpty(),
                       QStringLiteral("saved section reads back as: ") +
                           diff(sectionNow, readBack(saved)));
            continue;
        }
        const auto& [foundBefore, sectionBefore] = before.sections.value(it.key());
        FUZZ_CHECK(foundNow == (owned && foundBefore),
                   QStringLiteral("section %1 kept: %2").arg(it.key()).arg(foundNow));
        if (foundNow)
            FUZZ_CHECK(diff(sectionNow, sectionBefore).isEmpty(),
                       QStringLiteral("section %1 changed: ").arg(it.key()) +
                           diff(sectionNow, sectionBefore));
    }
    for (auto it = afterSection.episodes.cbegin(); it != afterSection.episodes.cend(); ++it) {
        const auto& [foundBefore, listBefore] = before.episodes.value(it.key());
        FUZZ_CHECK(it.value().first == (owned && foundBefore),
                   QStringLiteral("episodes %1 kept").arg(it.key()));
        if (it.value().first)
            FUZZ_CHECK(recorddiff::diff(it.value().second, listBefore).isEmpty(),
                       QStringLiteral("episodes %1 changed: ").arg(it.key()) +
                           recorddiff::diff(it.value().second, listBefore));
    }

    // Save episodes on top of the original file.
    const auto& [episodesFound, episodesHeld] = before.episodes.value(names.seriesId);
    const QList<Episode> list = episodesFound ? episodesHeld : episodes(names.owner);
    const QByteArray withEpisodes =
        CatalogFile::withEpisodes(file, names.owner, names.seriesId, list, kNow);
    checkRewrite(withEpisodes,
                 CatalogFile::withEpisodes(file, names.owner, names.seriesId, list, kNow,
                                           JsonPath::Reference),
                 names.owner);
    const Contents afterEpisodes = contentsOf(withEpisodes, names);
    for (auto it = afterEpisodes.episodes.cbegin(); it != afterEpisodes.episodes.cend(); ++it) {
        if (it.key() == names.seriesId) {
            FUZZ_CHECK(it.value().first && recorddiff::diff(it.value().second, list).isEmpty(),
                       QStringLiteral("saved episodes read back as: ") +
                           recorddiff::diff(it.value().second, list));
            continue;
        }
        const auto& [foundBefore, listBefore] = before.episodes.value(it.key());
        FUZZ_CHECK(it.value().first == (owned && foundBefore),
                   QStringLiteral("episodes %1 kept").arg(it.key()));
        if (it.value().first)
            FUZZ_CHECK(recorddiff::diff(it.value().second, listBefore).isEmpty(),
                       QStringLiteral("episodes %1 changed").arg(it.key()));
    }
    for (auto it = afterEpisodes.sections.cbegin(); it != afterEpisodes.sections.cend(); ++it) {
        const auto& [foundBefore, sectionBefore] = before.sections.value(it.key());
        FUZZ_CHECK(it.value().first == (owned && foundBefore),
                   QStringLiteral("section %1 kept after saving episodes").arg(it.key()));
        if (it.value().first)
            FUZZ_CHECK(diff(it.value().second, sectionBefore).isEmpty(),
                       QStringLiteral("section %1 changed by saving episodes").arg(it.key()));
    }
    return 0;
}

VELMORA_FUZZ_ENTRY(fuzzCatalogFile)
