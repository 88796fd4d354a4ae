// Saves a movie's position over and over into the library at argv[1], printing each number once
// its save returned, until it is killed. The crash test kills it at random moments.
#include "library/library.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    Library library(QString::fromLocal8Bit(argv[1]));
    if (!library.takeProblem().isEmpty())
        return 3;
    MediaItem movie;
    movie.type = MediaItem::Movie;
    movie.id = QStringLiteral("7");
    movie.name = QStringLiteral("Probe");
    MediaItem channel;
    channel.name = QStringLiteral("Channel");
    for (qint64 n = QByteArray(argv[2]).toLongLong() + 1;; ++n) {
        // Ten minutes in seconds steps never reach the watched share of a ten-hour movie.
        if (!library.savePosition(QStringLiteral("Home"), movie, n * 1000, 36'000'000))
            return 4;
        channel.id = QString::number(n % 40);
        if (!library.noteChannelWatched(QStringLiteral("Home"), channel))
            return 5;
        std::printf("%lld\n", static_cast<long long>(n));
        std::fflush(stdout);
    }
}
