// The Xtream answers of every list kind and of series info, read on the fast path and on Qt's
// path alone: both must take or refuse the same bodies and give the same records.
#include "fuzztarget.h"
#include "fuzztargets.h"
#include "recorddiff.h"

#include "providers/xtreamparser.h"

namespace {
template <typename Record>
void compare(const char* kind, QList<Record> (*read)(const QByteArray&, bool*, JsonPath),
             const QByteArray& body)
{
    bool fastOk = false;
    bool referenceOk = false;
    const QList<Record> fast = read(body, &fastOk, JsonPath::Fast);
    const QList<Record> reference = read(body, &referenceOk, JsonPath::Reference);
    FUZZ_CHECK(fastOk == referenceOk, QStringLiteral("%1: ok %2 on the fast path, %3 on Qt's")
                                          .arg(QLatin1String(kind))
                                          .arg(fastOk)
                                          .arg(referenceOk));
    const QString difference = recorddiff::diff(fast, reference);
    FUZZ_CHECK(difference.isEmpty(),
               QLatin1String(kind) + QStringLiteral(": fast vs Qt: ") + difference);
    FUZZ_CHECK(fastOk || fast.isEmpty(), QLatin1String(kind));
    // The default argument takes the fast path and must not need `ok`.
    FUZZ_CHECK(read(body, nullptr, JsonPath::Fast).size() == fast.size(), QLatin1String(kind));
}
} // namespace

int fuzzXtreamParser(const uint8_t* data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size));
    compare<Category>("categories", &XtreamParser::categories, body);
    compare<MediaItem>("live streams", &XtreamParser::liveStreams, body);
    compare<MediaItem>("vod streams", &XtreamParser::vodStreams, body);
    compare<MediaItem>("series", &XtreamParser::series, body);
    compare<Episode>("series info", &XtreamParser::seriesEpisodes, body);
    return 0;
}

VELMORA_FUZZ_ENTRY(fuzzXtreamParser)
