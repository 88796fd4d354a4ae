// Saves a movie's position over and over into the library at argv[1], printing each number once
// its save returned, until it is killed or has made argv[3] saves (when given). The crash test
// kills it at random moments; the lock test starts two at once on a new file.
#include "library/library.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    Library library(QString::fromLocal8Bit(argv[1]));
    if (const QString problem = library.takeProblem(); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 3;
    }
    const qint64 saves = argc > 3 ? QByteArray(argv[3]).toLongLong() : -1;
    MediaItem movie;
    movie.type = MediaItem::Movie;
    movie.id = QStringLiteral("7");
    movie.name = QStringLiteral("Probe");
    MediaItem channel;
    channel.name = QStringLiteral("Channel");
    const qint64 first = QByteArray(argv[2]).toLongLong() + 1;
    for (qint64 n = first; saves < 0 || n < first + saves; ++n) {
        // Ten minutes in seconds steps never reach the watched share of a ten-hour movie.
        if (!library.savePosition(QStringLiteral("Home"), movie, n * 1000, 36'000'000))
            return 4;
        channel.id = QString::number(n % 40);
        if (!library.noteChannelWatched(QStringLiteral("Home"), channel))
            return 5;
        std::printf("%lld\n", static_cast<long long>(n));
        std::fflush(stdout);
    }
    return 0;
}
