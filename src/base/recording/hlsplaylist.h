#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

// What a recording needs of an HLS playlist: the variants of a master playlist, or the segments
// of a media playlist with their sequence numbers. Anything a byte-for-byte copy cannot append
// to one MPEG-TS file (fragmented MP4, encryption) is reported, not skipped.
struct HlsPlaylist
{
    struct Variant
    {
        QUrl url;
        qint64 bandwidth = 0;
    };
    struct Segment
    {
        QUrl url;
        qint64 sequence = 0;
        double seconds = 0.0;
    };

    bool valid = false;      // started with #EXTM3U
    QList<Variant> variants; // master playlist
    QList<Segment> segments; // media playlist
    double targetSeconds = 0.0;
    bool ended = false;  // #EXT-X-ENDLIST: nothing more will be added
    QString unsupported; // why it cannot be recorded; empty when it can

    bool isMaster() const { return !variants.isEmpty(); }
    // The variant with the highest bandwidth; empty when none.
    QUrl bestVariant() const;

    // Relative addresses are resolved against `base`, the playlist's own address.
    static HlsPlaylist parse(const QByteArray& text, const QUrl& base);
    static bool looksLikePlaylist(const QByteArray& start);
};
