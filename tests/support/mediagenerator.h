#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Media files made by ffmpeg at test time in a temporary folder: small (320x240, 25 fps,
// ultrafast H.264, AAC), a few seconds long, made on first request and then reused.
// Every getter returns the file's path, or an empty string when ffmpeg failed (see lastError()).
class MediaGenerator final
{
public:
    MediaGenerator();

    static bool ffmpegAvailable();

    QString folder() const { return dir.path(); }
    QString lastError() const { return error; }

    // testsrc2 video with a 440 Hz sine, MP4 with the index at the front (plays while loading).
    QString movieMp4(int seconds = 4);
    // The same as MPEG-TS.
    QString movieTs(int seconds = 4);
    // MKV with two audio tracks ("English" 440 Hz, "Deutsch" 880 Hz) and an embedded subtitle.
    QString multiTrackMkv(int seconds = 4);
    // A SubRip file with one cue per second.
    QString subtitleSrt(int seconds = 4);
    // Single-stream files as MPEG-TS, the container live channels and radio streams use.
    QString videoOnlyTs(int seconds = 4);
    QString audioOnlyTs(int seconds = 4);
    // The first `percent` of a `seconds`-long movieMp4: the index promises the full length,
    // the data stops early.
    QString truncatedMp4(int seconds = 6, int percent = 40);
    QString emptyFile();

    // Runs ffmpeg with `arguments` (after "-hide_banner -loglevel error -y"); false on failure.
    bool runFfmpeg(const QStringList& arguments, int timeoutMs = 60000);

private:
    QString make(const QString& name, const QStringList& arguments);
    QString pathOf(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QHash<QString, QString> made;
    QString error;
};
