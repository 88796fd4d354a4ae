#include "guide/gzip.h"

#include <zlib.h>

QByteArray Gzip::compress(const QByteArray& data, int level)
{
    z_stream zip{};
    // 16 + window bits asks zlib for the gzip header and trailer instead of the zlib ones.
    if (deflateInit2(&zip, level, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    QByteArray out(qsizetype(deflateBound(&zip, uLong(data.size()))), Qt::Uninitialized);
    zip.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    zip.avail_in = uInt(data.size());
    zip.next_out = reinterpret_cast<Bytef*>(out.data());
    zip.avail_out = uInt(out.size());
    const bool done = deflate(&zip, Z_FINISH) == Z_STREAM_END;
    out.truncate(done ? qsizetype(zip.total_out) : 0);
    deflateEnd(&zip);
    return out;
}
