#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// What ffprobe reads from a recorded file: its length in seconds (-1 when it cannot be read) and
// whether a video stream is found.
struct MediaProbe
{
    double seconds = -1;
    bool hasVideo = false;

    static bool available()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("ffprobe")).isEmpty();
    }

    static MediaProbe of(const QString& path)
    {
        MediaProbe probe;
        QProcess process;
        process.start(QStringLiteral("ffprobe"),
                      {QStringLiteral("-v"), QStringLiteral("error"),
                       QStringLiteral("-show_entries"),
                       QStringLiteral("format=duration:stream=codec_type"), QStringLiteral("-of"),
                       QStringLiteral("default=noprint_wrappers=1"), path});
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            return probe;
        for (const QString& line :
             QString::fromUtf8(process.readAllStandardOutput()).split(u'\n')) {
            if (line.startsWith(QStringLiteral("duration=")))
                probe.seconds = line.mid(9).toDouble();
            else if (line == QStringLiteral("codec_type=video"))
                probe.hasVideo = true;
        }
        return probe;
    }
};
