#include "recording/hlsplaylist.h"

#include <QCoreApplication>

namespace {
// The value of `name` in an attribute list such as BANDWIDTH=1280000,RESOLUTION=640x360.
QByteArray attribute(const QByteArray& list, const QByteArray& name)
{
    qsizetype at = 0;
    while (at < list.size()) {
        const qsizetype eq = list.indexOf('=', at);
        if (eq < 0)
            return {};
        const QByteArray key = list.mid(at, eq - at).trimmed();
        qsizetype end = eq + 1;
        QByteArray value;
        if (end < list.size() && list[end] == '"') {
            const qsizetype close = list.indexOf('"', end + 1);
            value = list.mid(end + 1, close < 0 ? -1 : close - end - 1);
            end = close < 0 ? list.size() : close + 1;
            const qsizetype comma = list.indexOf(',', end);
            end = comma < 0 ? list.size() : comma;
        } else {
            const qsizetype comma = list.indexOf(',', end);
            value = list.mid(end, comma < 0 ? -1 : comma - end).trimmed();
            end = comma < 0 ? list.size() : comma;
        }
        if (key == name)
            return value;
        at = end + 1;
    }
    return {};
}
} // namespace

QUrl HlsPlaylist::bestVariant() const
{
    const Variant* best = nullptr;
    for (const Variant& variant : variants)
        if (!best || variant.bandwidth > best->bandwidth)
            best = &variant;
    return best ? best->url : QUrl();
}

bool HlsPlaylist::looksLikePlaylist(const QByteArray& start)
{
    QByteArray text = start;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    return text.trimmed().startsWith("#EXTM3U");
}

HlsPlaylist HlsPlaylist::parse(const QByteArray& text, const QUrl& base)
{
    HlsPlaylist playlist;
    playlist.valid = looksLikePlaylist(text.left(64));
    if (!playlist.valid)
        return playlist;
    qint64 sequence = 0;
    double nextSeconds = 0.0;
    bool variantPending = false;
    qint64 variantBandwidth = 0;
    for (QByteArray line : text.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith("#EXT-X-STREAM-INF:")) {
            variantPending = true;
            variantBandwidth = attribute(line.mid(18), "BANDWIDTH").toLongLong();
        } else if (line.startsWith("#EXT-X-MEDIA-SEQUENCE:")) {
            sequence = line.mid(22).trimmed().toLongLong();
        } else if (line.startsWith("#EXT-X-TARGETDURATION:")) {
            playlist.targetSeconds = line.mid(22).trimmed().toDouble();
        } else if (line.startsWith("#EXTINF:")) {
            const QByteArray value = line.mid(8);
            const qsizetype comma = value.indexOf(',');
            nextSeconds = value.left(comma < 0 ? value.size() : comma).toDouble();
        } else if (line.startsWith("#EXT-X-ENDLIST")) {
            playlist.ended = true;
        } else if (line.startsWith("#EXT-X-MAP:")) {
            playlist.unsupported = QCoreApplication::translate(
                "HlsPlaylist", "The channel sends fragmented MP4, which cannot be recorded yet.");
        } else if (line.startsWith("#EXT-X-KEY:")) {
            const QByteArray method = attribute(line.mid(11), "METHOD");
            if (!method.isEmpty() && method != "NONE")
                playlist.unsupported = QCoreApplication::translate(
                    "HlsPlaylist", "The channel is encrypted and cannot be recorded.");
        } else if (!line.startsWith('#')) {
            const QUrl url = base.resolved(QUrl(QString::fromUtf8(line)));
            if (variantPending) {
                playlist.variants.append({url, variantBandwidth});
                variantPending = false;
            } else {
                playlist.segments.append({url, sequence++, nextSeconds});
                nextSeconds = 0.0;
            }
        }
    }
    return playlist;
}
