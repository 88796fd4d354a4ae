// The readings of the player API's programme answers on any bytes: programmes come sorted by
// start, one per start, each ending after it starts; a decoded text is never empty.
#include "fuzztarget.h"
#include "fuzztargets.h"

#include "guide/xtreamepg.h"

int fuzzXtreamEpg(const uint8_t* data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<GuideProgramme> list = XtreamEpg::parse(body);
    for (qsizetype i = 0; i < list.size(); ++i) {
        FUZZ_CHECK(list[i].stop > list[i].start && list[i].start > 0,
                   QString::number(list[i].start));
        if (i > 0)
            FUZZ_CHECK(list[i - 1].start < list[i].start, QString::number(list[i].start));
    }
    const QString text = QString::fromUtf8(body.left(256));
    const std::optional<QString> decoded = XtreamEpg::base64Text(text);
    FUZZ_CHECK(!decoded || !decoded->isEmpty(), text);
    return 0;
}

VELMORA_FUZZ_ENTRY(fuzzXtreamEpg)
