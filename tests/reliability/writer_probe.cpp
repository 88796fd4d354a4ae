// Writes the program's files over and over, the way the player does, until it is killed:
// catalog cache sections and episodes, a poster file, the server list and a learned live buffer.
// The crash test kills it at random moments and checks what it leaves behind.
#include "player/livebuffertuner.h"
#include "providers/catalogcache.h"
#include "sources/sourcemanager.h"
#include "ui/thumbnailpaths.h"
#include "writerprobedata.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Velmora Player"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));

    for (int cycle = 0;; ++cycle) {
        const QString version = cycle % 2 ? QStringLiteral("B") : QStringLiteral("A");
        CatalogCache::save(probe::kServer, QStringLiteral("movie"), probe::movies(version));
        CatalogCache::saveEpisodes(probe::kServer, QStringLiteral("42"), probe::episodes(version));
        storeThumbnailFile(probe::kPosterUrl, probe::poster(version));
        {
            SourceManager manager;
            manager.saveSource(probe::server(version));
        }
        {
            LiveBufferTuner tuner;
            tuner.beginViewing(probe::kLearnedKey);
            tuner.recordShortfall(cycle % 2 ? 9000 : 3700);
            tuner.endViewing();
        }
        std::printf("cycle %d\n", cycle);
        std::fflush(stdout);
    }
}
