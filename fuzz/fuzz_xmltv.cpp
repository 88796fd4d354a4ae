// The XMLTV reader on any bytes (plain or gzip), fed in pieces whose sizes the input chooses:
// it never crashes, and how the bytes were cut never changes what it reads.
#include "fuzztarget.h"
#include "fuzztargets.h"

#include "guide/xmltvreader.h"

#include <QStringList>

namespace {
struct Reading
{
    QStringList records;
    bool ok = false;
    QString error;
};

Reading readInPieces(QByteArrayView bytes, size_t piece)
{
    Reading reading;
    XmltvReader::Handlers handlers;
    handlers.channel = [&](QByteArrayView id, const QStringList& names) {
        reading.records.append(
            QStringLiteral("channel %1 %2").arg(QString::fromUtf8(id), names.join(u'|')));
    };
    handlers.programmeChannel = [](QByteArrayView id) { return int(id.size()); };
    handlers.programme = [&](int channel, GuideProgramme&& p) {
        FUZZ_CHECK(p.title.size() <= XmltvReader::kMaxTextBytes &&
                       p.description.size() <= XmltvReader::kMaxTextBytes,
                   p.title.left(80));
        reading.records.append(QStringLiteral("programme %1 %2 %3 %4 %5")
                                   .arg(channel)
                                   .arg(p.start)
                                   .arg(p.stop)
                                   .arg(p.title, p.description));
    };
    XmltvReader reader(handlers, 1 << 22);
    for (qsizetype at = 0; at < bytes.size(); at += qsizetype(piece)) {
        if (!reader.feed(
                bytes.sliced(at, std::min<qsizetype>(qsizetype(piece), bytes.size() - at))))
            break;
    }
    reading.ok = reader.finish();
    reading.error = reader.error();
    FUZZ_CHECK(reading.ok == reading.error.isEmpty(), reading.error);
    return reading;
}
} // namespace

int fuzzXmltv(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the piece size; the rest is the document.
    const size_t piece = 1 + data[0] % 61;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const Reading whole = readInPieces(bytes, size);
    const Reading pieces = readInPieces(bytes, piece);
    FUZZ_CHECK(whole.ok == pieces.ok, whole.error + u'/' + pieces.error);
    // A failure may be noticed at another byte; up to there, and on success, all agrees.
    if (whole.ok)
        FUZZ_CHECK(whole.records == pieces.records, whole.records.join(u'\n'));
    return 0;
}

VELMORA_FUZZ_ENTRY(fuzzXmltv)
