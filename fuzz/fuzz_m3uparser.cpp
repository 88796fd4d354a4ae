// The playlist parser on any text, held to the plain reading it replaces: lines split on
// "\r\n|\n|\r", attributes matched with name="([^"]*)"; and on the bytes, held to decoding first.
#include "fuzztarget.h"
#include "fuzztargets.h"
#include "m3ureference.h"
#include "recorddiff.h"

#include "providers/m3uparser.h"

int fuzzM3uParser(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const M3uParser::Result parsed = M3uParser::parse(text);
    const M3uParser::Result plain = m3uReferenceParse(text);
    FUZZ_CHECK(recorddiff::diff(parsed.items, plain.items).isEmpty(),
               recorddiff::diff(parsed.items, plain.items));
    FUZZ_CHECK(recorddiff::diff(parsed.categories, plain.categories).isEmpty(),
               recorddiff::diff(parsed.categories, plain.categories));
    // Straight from the bytes: the same as decoding first.
    const M3uParser::Result direct =
        M3uParser::parseUtf8(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    FUZZ_CHECK(recorddiff::diff(direct.items, parsed.items).isEmpty(),
               recorddiff::diff(direct.items, parsed.items));
    FUZZ_CHECK(recorddiff::diff(direct.categories, parsed.categories).isEmpty(),
               recorddiff::diff(direct.categories, parsed.categories));
    for (const MediaItem& item : parsed.items)
        FUZZ_CHECK(!item.name.isEmpty() && !item.id.isEmpty(), item.id);
    return 0;
}

VELMORA_FUZZ_ENTRY(fuzzM3uParser)
