#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <optional>

// The text of the stream-information window, built from plain values so its layout can be
// checked without libVLC. The player fills MediaInfo from libVLC and calls mediaInfoText().

// A libVLC codec code as text: its four bytes, lowest first, up to the first zero byte, trimmed.
QString fourCcToString(unsigned int code);

struct MediaInfo
{
    struct Stream
    {
        enum class Kind
        {
            Video,
            Audio,
            Other
        };
        Kind kind = Kind::Other;
        unsigned int codec = 0;
        unsigned int width = 0;
        unsigned int height = 0;
        unsigned int frameRateNum = 0;
        unsigned int frameRateDen = 0;
        unsigned int rate = 0;
        unsigned int channels = 0;
    };

    struct Track
    {
        int id = -1;
        QString name; // empty: shown as "Track <id>"
    };

    struct Stats
    {
        float inputBitrate = 0;
        float demuxBitrate = 0;
        int decodedVideo = 0;
        int decodedAudio = 0;
        int displayedPictures = 0;
        int lostPictures = 0;
    };

    QList<Stream> streams;
    std::optional<QList<Track>> audioTracks; // libVLC's list as given, switch-off entry included
    int currentAudioTrack = -1;
    std::optional<QList<Track>> subtitleTracks;
    int currentSubtitleTrack = -1;
    std::optional<Stats> stats;
};

QString mediaInfoText(const MediaInfo& info);
