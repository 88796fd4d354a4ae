#include "archivestream.h"

#include <QDateTime>
#include <QProcess>
#include <QTcpSocket>
#include <QUrlQuery>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {
constexpr int kCells = 32;
constexpr int kCellSize = 12;
} // namespace

qint64 ArchiveStream::startFromText(const QString& text, const QTimeZone& zone)
{
    const QDateTime wall = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd:HH-mm"));
    if (!wall.isValid())
        return 0;
    return QDateTime(wall.date(), wall.time(), zone).toSecsSinceEpoch();
}

ArchiveStream::Request ArchiveStream::fromPath(const QStringList& parts, const QTimeZone& zone)
{
    Request r;
    if (parts.size() != 6 || !parts[5].endsWith(QStringLiteral(".ts")))
        return r;
    r.username = parts[1];
    r.password = parts[2];
    r.minutes = parts[3].toInt();
    r.startUtc = startFromText(parts[4], zone);
    r.channel = parts[5].chopped(3).toLongLong();
    r.valid = r.minutes > 0 && r.startUtc > 0 && r.channel > 0;
    return r;
}

ArchiveStream::Request ArchiveStream::fromQuery(const QUrlQuery& query, const QTimeZone& zone)
{
    const auto item = [&query](const char* name) {
        return query.queryItemValue(QString::fromLatin1(name), QUrl::FullyDecoded);
    };
    Request r;
    r.username = item("username");
    r.password = item("password");
    r.channel = item("stream").toLongLong();
    r.startUtc = startFromText(item("start"), zone);
    r.minutes = item("duration").toInt();
    r.valid = r.minutes > 0 && r.startUtc > 0 && r.channel > 0;
    return r;
}

ArchiveStream::ArchiveStream(const QString& ffmpeg, qint64 channel, qint64 startUtc, int seconds,
                             QTcpSocket* socket)
    : QObject(socket)
    , ffmpeg(ffmpeg)
    , socket(socket)
{
    process = new QProcess(this);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(process, &QProcess::readyReadStandardOutput, this, [this] {
        if (this->socket)
            this->socket->write(process->readAllStandardOutput());
    });
    connect(process, &QProcess::finished, this, [this] {
        if (this->socket)
            this->socket->disconnectFromHost();
    });
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart && this->socket)
            this->socket->disconnectFromHost();
    });
    connect(socket, &QTcpSocket::disconnected, this, [this] { process->kill(); });
#ifdef Q_OS_LINUX
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
#endif
    process->start(ffmpeg, arguments(channel, startUtc, seconds));
}

ArchiveStream::~ArchiveStream()
{
    process->disconnect(this);
    process->kill();
    process->waitForFinished(2000);
}

QStringList ArchiveStream::arguments(qint64 channel, qint64 startUtc, int seconds) const
{
    const QString pattern = channel % 2 ? QStringLiteral("testsrc2") : QStringLiteral("smptebars");
    QString graph =
        QStringLiteral("[0:v]drawbox=x=0:y=0:w=%1:h=%2:color=black:t=fill,"
                       "drawtext=text='%{pts\\:gmtime\\:%3\\:%Y-%m-%d %H\\\\\\:%M\\\\\\:%S} UTC':"
                       "x=8:y=%4:fontsize=18:fontcolor=white:box=1:boxcolor=black")
            .arg(kCells * kCellSize)
            .arg(kCellSize)
            .arg(startUtc)
            .arg(kCellSize + 8);
    const quint32 minute = quint32(startUtc / 60);
    for (int bit = 0; bit < kCells; ++bit) {
        if (minute & (1u << (kCells - 1 - bit)))
            graph += QStringLiteral(",drawbox=x=%1:y=0:w=%2:h=%2:color=white:t=fill")
                         .arg(bit * kCellSize)
                         .arg(kCellSize);
    }
    graph += QStringLiteral("[v]");
    return {QStringLiteral("-hide_banner"),
            QStringLiteral("-loglevel"),
            QStringLiteral("error"),
            QStringLiteral("-nostdin"),
            QStringLiteral("-re"),
            QStringLiteral("-f"),
            QStringLiteral("lavfi"),
            QStringLiteral("-i"),
            QStringLiteral("%1=size=384x216:rate=25").arg(pattern),
            QStringLiteral("-f"),
            QStringLiteral("lavfi"),
            QStringLiteral("-i"),
            QStringLiteral("sine=frequency=440:sample_rate=48000"),
            QStringLiteral("-filter_complex"),
            graph,
            QStringLiteral("-map"),
            QStringLiteral("[v]"),
            QStringLiteral("-map"),
            QStringLiteral("1:a"),
            QStringLiteral("-t"),
            QString::number(seconds),
            QStringLiteral("-c:v"),
            QStringLiteral("libx264"),
            QStringLiteral("-preset"),
            QStringLiteral("ultrafast"),
            QStringLiteral("-g"),
            QStringLiteral("25"),
            QStringLiteral("-pix_fmt"),
            QStringLiteral("yuv420p"),
            QStringLiteral("-c:a"),
            QStringLiteral("aac"),
            QStringLiteral("-b:a"),
            QStringLiteral("64k"),
            QStringLiteral("-f"),
            QStringLiteral("mpegts"),
            QStringLiteral("pipe:1")};
}
