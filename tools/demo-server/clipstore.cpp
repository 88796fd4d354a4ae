#include "clipstore.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {

struct Variant
{
    const char* source; // lavfi video source
    int toneHz;
    int secondToneHz;
    int seconds;
};

constexpr Variant kVariants[] = {
    {"testsrc2", 440, 660, 30},    {"smptebars", 330, 495, 20},  {"testsrc", 523, 784, 45},
    {"smptehdbars", 392, 588, 60}, {"rgbtestsrc", 294, 441, 25}, {"yuvtestsrc", 349, 523, 40},
};

QString srtTime(int secs)
{
    return QStringLiteral("%1:%2:%3,000")
        .arg(secs / 3600, 2, 10, QLatin1Char('0'))
        .arg(secs / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(secs % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

ClipStore::ClipStore(const Settings& settings, QObject* parent)
    : QObject(parent)
    , settings(settings)
{}

ClipStore::~ClipStore()
{
    if (process) {
        process->kill();
        process->waitForFinished(2000);
        QFile::remove(partPath);
    }
}

bool ClipStore::supportsExtension(const QString& extension)
{
    return extension == u"mp4" || extension == u"mkv" || extension == u"ts";
}

QByteArray ClipStore::contentType(const QString& extension)
{
    if (extension == u"mkv")
        return QByteArrayLiteral("video/x-matroska");
    if (extension == u"ts")
        return QByteArrayLiteral("video/mp2t");
    return QByteArrayLiteral("video/mp4");
}

int ClipStore::variantCount()
{
    return int(std::size(kVariants));
}

int ClipStore::variantFor(qint64 id)
{
    // Neighbouring ids get different clips.
    return int((quint64(id) * 2654435761ULL >> 8) % quint64(variantCount()));
}

int ClipStore::durationSecs(int variant) const
{
    if (settings.secondsOverride > 0)
        return settings.secondsOverride;
    return kVariants[size_t(qBound(0, variant, variantCount() - 1))].seconds;
}

QString ClipStore::pathFor(int variant, const QString& extension) const
{
    return settings.directory +
           QStringLiteral("/clip%1-%2s.%3").arg(variant).arg(durationSecs(variant)).arg(extension);
}

void ClipStore::fetch(int variant, const QString& extension, QObject* context, Ready ready)
{
    const QString path = pathFor(variant, extension);
    if (QFileInfo::exists(path)) {
        QTimer::singleShot(0, context, [ready = std::move(ready), path] { ready(path); });
        return;
    }
    for (Job& job : queue) {
        if (job.variant == variant && job.extension == extension) {
            job.waiters.append({context, std::move(ready)});
            return;
        }
    }
    Job job;
    job.variant = variant;
    job.extension = extension;
    job.waiters.append({context, std::move(ready)});
    queue.append(job);
    if (!process)
        startNext();
}

QString ClipStore::subtitleFile(int seconds) const
{
    const QString path = settings.directory + QStringLiteral("/subtitles-%1s.srt").arg(seconds);
    if (QFileInfo::exists(path))
        return path;
    QString text;
    int n = 1;
    // A line every four seconds, showing for two (or to the end of a very short clip).
    for (int at = 0; at < seconds; at += 4, ++n) {
        text += QStringLiteral("%1\n%2 --> %3\nDemo subtitle %1 (at %4 s)\n\n")
                    .arg(n)
                    .arg(srtTime(at), srtTime(qMin(at + 2, seconds)))
                    .arg(at);
    }
    QFile file(path + QStringLiteral(".part"));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text.toUtf8());
        file.close();
        QFile::remove(path);
        file.rename(path);
    }
    return path;
}

QStringList ClipStore::arguments(const Job& job, const QString& output) const
{
    const Variant& v = kVariants[size_t(job.variant)];
    const int secs = durationSecs(job.variant);
    const QString d = QString::number(secs);
    QStringList args = {
        QStringLiteral("-hide_banner"),
        QStringLiteral("-loglevel"),
        QStringLiteral("error"),
        QStringLiteral("-nostdin"),
        QStringLiteral("-y"),
        QStringLiteral("-f"),
        QStringLiteral("lavfi"),
        QStringLiteral("-i"),
        QStringLiteral("%1=size=480x270:rate=25:duration=%2").arg(QLatin1String(v.source), d)};
    for (int hz : {v.toneHz, v.secondToneHz}) {
        args << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
             << QStringLiteral("sine=frequency=%1:sample_rate=48000:duration=%2").arg(hz).arg(d);
    }
    const bool subtitles = job.extension != u"ts";
    if (subtitles)
        args << QStringLiteral("-i") << subtitleFile(secs);
    // The running time drawn in, so seeking shows where it landed.
    const QString text = QStringLiteral("drawtext=text='%{pts\\:hms}':x=10:y=10:fontsize=22:"
                                        "fontcolor=white:box=1:boxcolor=black@0.6");
    args << QStringLiteral("-vf") << (job.withText ? text : QStringLiteral("null"));
    args << QStringLiteral("-map") << QStringLiteral("0:v") << QStringLiteral("-map")
         << QStringLiteral("1:a") << QStringLiteral("-map") << QStringLiteral("2:a");
    if (subtitles)
        args << QStringLiteral("-map") << QStringLiteral("3:s");
    args << QStringLiteral("-c:v") << QStringLiteral("libx264") << QStringLiteral("-preset")
         << QStringLiteral("ultrafast") << QStringLiteral("-crf") << QStringLiteral("28")
         << QStringLiteral("-g") << QStringLiteral("50") << QStringLiteral("-pix_fmt")
         << QStringLiteral("yuv420p") << QStringLiteral("-c:a") << QStringLiteral("aac")
         << QStringLiteral("-b:a") << QStringLiteral("64k") << QStringLiteral("-metadata:s:a:0")
         << QStringLiteral("language=eng") << QStringLiteral("-metadata:s:a:1")
         << QStringLiteral("language=deu");
    if (subtitles) {
        args << QStringLiteral("-c:s")
             << (job.extension == u"mp4" ? QStringLiteral("mov_text") : QStringLiteral("srt"))
             << QStringLiteral("-metadata:s:s:0") << QStringLiteral("language=eng");
    }
    if (job.extension == u"mp4")
        args << QStringLiteral("-movflags") << QStringLiteral("+faststart");
    args << output;
    return args;
}

void ClipStore::startNext()
{
    if (queue.isEmpty())
        return;
    QDir().mkpath(settings.directory);
    const Job& job = queue.first();
    partPath = settings.directory + QStringLiteral("/clip%1-%2s.part%3.%4")
                                        .arg(job.variant)
                                        .arg(durationSecs(job.variant))
                                        .arg(QCoreApplication::applicationPid())
                                        .arg(job.extension);
    process = new QProcess(this);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardOutputFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        finishJob(status == QProcess::NormalExit && code == 0);
    });
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finishJob(false);
    });
#ifdef Q_OS_LINUX
    // ffmpeg goes with us, even when we are killed outright.
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
#endif
    process->start(settings.ffmpeg, arguments(job, partPath));
}

void ClipStore::finishJob(bool ok)
{
    process->disconnect(this);
    process->deleteLater();
    process = nullptr;
    Job job = queue.takeFirst();
    const QString path = pathFor(job.variant, job.extension);
    if (ok) {
        QFile::remove(path);
        ok = QFile::rename(partPath, path);
    }
    QFile::remove(partPath);
    if (!ok && job.withText) {
        // An ffmpeg without text drawing still makes a usable clip.
        job.withText = false;
        queue.prepend(job);
        startNext();
        return;
    }
    if (!ok)
        qWarning().noquote() << "could not make" << path << "with" << settings.ffmpeg;
    for (const Waiter& w : job.waiters) {
        if (w.context)
            w.ready(ok ? path : QString());
    }
    startNext();
}
