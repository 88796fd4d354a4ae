#include "player/mediainfotext.h"

#include <QCoreApplication>
#include <QLocale>

QString fourCcToString(unsigned int code)
{
    char bytes[5] = {};
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((code >> (8 * i)) & 0xffu);
    return QString::fromLatin1(bytes, qsizetype(qstrnlen(bytes, 4))).trimmed();
}

namespace {
QString trackName(const MediaInfo::Track& track)
{
    return track.name.isEmpty() ? QCoreApplication::translate("MediaInfo", "Track %1").arg(track.id)
                                : track.name;
}

void appendTracks(QString& text, const QString& heading, const QList<MediaInfo::Track>& tracks,
                  int current)
{
    text += heading;
    for (const MediaInfo::Track& track : tracks) {
        text += QStringLiteral("  %1 %2\n")
                    .arg(track.id == current ? QStringLiteral("[*]") : QStringLiteral("[ ]"),
                         trackName(track));
    }
    text += u'\n';
}
} // namespace

QString mediaInfoText(const MediaInfo& info)
{
    using Kind = MediaInfo::Stream::Kind;
    // Local digits, but "1920x1080" and "48000 Hz" read as figures, not as amounts.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text;
    for (const MediaInfo::Stream& s : info.streams) {
        if (s.kind == Kind::Video) {
            const double fps =
                s.frameRateDen ? double(s.frameRateNum) / double(s.frameRateDen) : 0.0;
            text += QCoreApplication::translate(
                        "MediaInfo", "Video codec: %1\nResolution: %2x%3\nFrame rate: %4 fps\n\n")
                        .arg(fourCcToString(s.codec), locale.toString(s.width),
                             locale.toString(s.height), locale.toString(fps, 'f', 2));
        } else if (s.kind == Kind::Audio) {
            text += QCoreApplication::translate(
                        "MediaInfo", "Audio codec: %1\nSample rate: %2 Hz\nChannels: %3\n\n")
                        .arg(fourCcToString(s.codec), locale.toString(s.rate),
                             locale.toString(s.channels));
        }
    }
    if (info.audioTracks)
        appendTracks(text, QCoreApplication::translate("MediaInfo", "Audio tracks:\n"),
                     *info.audioTracks, info.currentAudioTrack);
    if (info.subtitleTracks)
        appendTracks(text, QCoreApplication::translate("MediaInfo", "Subtitle tracks:\n"),
                     *info.subtitleTracks, info.currentSubtitleTrack);
    if (info.stats) {
        const MediaInfo::Stats& st = *info.stats;
        text += QCoreApplication::translate("MediaInfo",
                                            "Input bitrate: %1 kbps\nDemux bitrate: %2 kbps\n"
                                            "Decoded video blocks: %3\nDecoded audio blocks: %4\n"
                                            "Displayed frames: %5   Lost frames: %6\n")
                    .arg(locale.toString(double(st.inputBitrate) * 8, 'f', 1),
                         locale.toString(double(st.demuxBitrate) * 8, 'f', 1),
                         locale.toString(st.decodedVideo), locale.toString(st.decodedAudio),
                         locale.toString(st.displayedPictures), locale.toString(st.lostPictures));
    }
    if (text.isEmpty())
        return QCoreApplication::translate("MediaInfo", "No track information available yet.");
    return text;
}
