#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <zlib.h>

// Guide documents shared by the guide tests and their probe program.
namespace guidetest {

inline QByteArray xmltvTime(qint64 secs)
{
    return QDateTime::fromSecsSinceEpoch(secs, Qt::UTC)
               .toString(QStringLiteral("yyyyMMddHHmmss"))
               .toLatin1() +
           " +0000";
}

// `channels` channels "c<N>" with `perChannel` half-hour programmes each from `from`.
inline QByteArray bigGuide(int channels, int perChannel, qint64 from)
{
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tv>\n";
    for (int c = 0; c < channels; ++c)
        out += "<channel id=\"c" + QByteArray::number(c) + "\"><display-name>C" +
               QByteArray::number(c) + "</display-name></channel>\n";
    for (int c = 0; c < channels; ++c) {
        for (int i = 0; i < perChannel; ++i) {
            const qint64 start = from + i * 1800;
            out += "<programme start=\"" + xmltvTime(start) + "\" stop=\"" +
                   xmltvTime(start + 1800) + "\" channel=\"c" + QByteArray::number(c) +
                   "\"><title>Show " + QByteArray::number(i) +
                   "</title><desc>Some words about the show to make the file a bit larger than "
                   "titles alone would.</desc></programme>\n";
        }
    }
    return out + "</tv>\n";
}

inline QByteArray gzip(const QByteArray& data)
{
    z_stream zip{};
    deflateInit2(&zip, 6, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(qsizetype(deflateBound(&zip, uLong(data.size()))), Qt::Uninitialized);
    zip.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    zip.avail_in = uInt(data.size());
    zip.next_out = reinterpret_cast<Bytef*>(out.data());
    zip.avail_out = uInt(out.size());
    deflate(&zip, Z_FINISH);
    out.truncate(qsizetype(zip.total_out));
    deflateEnd(&zip);
    return out;
}

} // namespace guidetest
