#include "mediagenerator.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {
const QString kVideoSource = QStringLiteral("testsrc2=size=320x240:rate=25");

QStringList videoInput()
{
    return {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"), kVideoSource};
}

QStringList sineInput(int hz)
{
    return {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("sine=frequency=%1:sample_rate=48000").arg(hz)};
}

QStringList h264()
{
    return {QStringLiteral("-c:v"),      QStringLiteral("libx264"),  QStringLiteral("-preset"),
            QStringLiteral("ultrafast"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"),
            QStringLiteral("-g"),        QStringLiteral("25")};
}

QStringList aac()
{
    return {QStringLiteral("-c:a"), QStringLiteral("aac"), QStringLiteral("-b:a"),
            QStringLiteral("64k")};
}

QStringList duration(int seconds)
{
    return {QStringLiteral("-t"), QString::number(seconds)};
}

QString srtTime(int ms)
{
    return QStringLiteral("%1:%2:%3,%4")
        .arg(ms / 3600000, 2, 10, QLatin1Char('0'))
        .arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms % 1000, 3, 10, QLatin1Char('0'));
}
} // namespace

MediaGenerator::MediaGenerator() = default;

bool MediaGenerator::ffmpegAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty();
}

bool MediaGenerator::runFfmpeg(const QStringList& arguments, int timeoutMs)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 QStringList{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                             QStringLiteral("error"), QStringLiteral("-nostdin"),
                             QStringLiteral("-y")} +
                     arguments);
    if (!ffmpeg.waitForFinished(timeoutMs)) {
        ffmpeg.kill();
        ffmpeg.waitForFinished();
        error = QStringLiteral("ffmpeg did not finish: ") + arguments.join(u' ');
        return false;
    }
    if (ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0) {
        error = QStringLiteral("ffmpeg failed: ") + QString::fromLocal8Bit(ffmpeg.readAll());
        return false;
    }
    return true;
}

QString MediaGenerator::make(const QString& name, const QStringList& arguments)
{
    if (const auto it = made.constFind(name); it != made.cend())
        return *it;
    if (!runFfmpeg(arguments + QStringList{pathOf(name)}))
        return {};
    made.insert(name, pathOf(name));
    return pathOf(name);
}

QString MediaGenerator::movieMp4(int seconds)
{
    return make(QStringLiteral("movie-%1s.mp4").arg(seconds),
                videoInput() + sineInput(440) + duration(seconds) + h264() + aac() +
                    QStringList{QStringLiteral("-movflags"), QStringLiteral("+faststart")});
}

QString MediaGenerator::movieTs(int seconds)
{
    return make(QStringLiteral("movie-%1s.ts").arg(seconds),
                videoInput() + sineInput(440) + duration(seconds) + h264() + aac());
}

QString MediaGenerator::subtitleSrt(int seconds)
{
    const QString name = QStringLiteral("subtitles-%1s.srt").arg(seconds);
    if (const auto it = made.constFind(name); it != made.cend())
        return *it;
    QString text;
    for (int i = 0; i < seconds; ++i) {
        text += QStringLiteral("%1\n%2 --> %3\nLine %1\n\n")
                    .arg(QString::number(i + 1), srtTime(i * 1000), srtTime(i * 1000 + 900));
    }
    QFile file(pathOf(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) {
        error = QStringLiteral("cannot write ") + file.fileName();
        return {};
    }
    made.insert(name, file.fileName());
    return file.fileName();
}

QString MediaGenerator::multiTrackMkv(int seconds)
{
    const QString srt = subtitleSrt(seconds);
    if (srt.isEmpty())
        return {};
    const QStringList maps{QStringLiteral("-map"), QStringLiteral("0:v"),  QStringLiteral("-map"),
                           QStringLiteral("1:a"),  QStringLiteral("-map"), QStringLiteral("2:a"),
                           QStringLiteral("-map"), QStringLiteral("3:s")};
    const QStringList metadata{QStringLiteral("-metadata:s:a:0"), QStringLiteral("language=eng"),
                               QStringLiteral("-metadata:s:a:0"), QStringLiteral("title=English"),
                               QStringLiteral("-metadata:s:a:1"), QStringLiteral("language=ger"),
                               QStringLiteral("-metadata:s:a:1"), QStringLiteral("title=Deutsch"),
                               QStringLiteral("-metadata:s:s:0"), QStringLiteral("language=eng"),
                               QStringLiteral("-metadata:s:s:0"), QStringLiteral("title=Embedded")};
    return make(QStringLiteral("multitrack-%1s.mkv").arg(seconds),
                videoInput() + sineInput(440) + sineInput(880) +
                    QStringList{QStringLiteral("-i"), srt} + duration(seconds) + maps + h264() +
                    aac() + QStringList{QStringLiteral("-c:s"), QStringLiteral("srt")} + metadata);
}

QString MediaGenerator::videoOnlyTs(int seconds)
{
    return make(QStringLiteral("videoonly-%1s.ts").arg(seconds),
                videoInput() + duration(seconds) + h264());
}

QString MediaGenerator::audioOnlyTs(int seconds)
{
    return make(QStringLiteral("audioonly-%1s.ts").arg(seconds),
                sineInput(440) + duration(seconds) + aac());
}

QString MediaGenerator::truncatedMp4(int seconds, int percent)
{
    const QString name = QStringLiteral("truncated-%1s-%2.mp4").arg(seconds).arg(percent);
    if (const auto it = made.constFind(name); it != made.cend())
        return *it;
    QFile whole(movieMp4(seconds));
    if (whole.fileName().isEmpty() || !whole.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = whole.readAll();
    QFile cut(pathOf(name));
    if (!cut.open(QIODevice::WriteOnly) || cut.write(data.left(data.size() * percent / 100)) < 0) {
        error = QStringLiteral("cannot write ") + cut.fileName();
        return {};
    }
    made.insert(name, cut.fileName());
    return cut.fileName();
}

QString MediaGenerator::emptyFile()
{
    const QString name = QStringLiteral("empty.mp4");
    QFile file(pathOf(name));
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("cannot write ") + file.fileName();
        return {};
    }
    made.insert(name, file.fileName());
    return file.fileName();
}
