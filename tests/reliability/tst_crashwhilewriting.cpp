// The process killed (SIGKILL) in the middle of its writes, many times over: every file must be
// the old or the new complete version, and nothing the user stored may go missing.
#include "player/livebuffertuner.h"
#include "providers/catalogcache.h"
#include "sources/sourcemanager.h"
#include "tempprofile.h"
#include "testhelpers.h"
#include "testmain.h"
#include "ui/thumbnailpaths.h"
#include "writerprobedata.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>

#include <csignal>

namespace {

QString versionOf(const CatalogCache::Section& section)
{
    if (section.items.size() != 20000)
        return {};
    const QString v = section.categories.value(0).name.mid(6);
    for (const MediaItem& item : section.items) {
        if (!item.name.endsWith(QStringLiteral("version ") + v))
            return QStringLiteral("mixed");
    }
    return v;
}
} // namespace

class TestCrashWhileWriting : public QObject
{
    Q_OBJECT

private slots:
    void killedMidWrite()
    {
        TempProfile profile;
        // What the user had before: three servers, a learned buffer, a full catalog cache.
        SourceConfig other1, other2;
        other1.name = QStringLiteral("Home");
        other1.url = QStringLiteral("/home/me/list.m3u");
        other2.type = SourceConfig::Xtream;
        other2.name = QStringLiteral("Work");
        other2.url = QStringLiteral("http://work.invalid");
        {
            SourceManager manager;
            manager.saveSource(other1);
            manager.saveSource(probe::server(QStringLiteral("0")));
            manager.saveSource(other2);
            manager.setLastActiveSourceName(QStringLiteral("Work"));
        }
        QSettings(QStringLiteral("Velmora"), QStringLiteral("Player"))
            .setValue(QStringLiteral("liveBuffer/keep000000000001"), 7000);
        CatalogCache::Section live;
        live.categories.append({QStringLiteral("9"), QStringLiteral("Live")});
        QVERIFY(CatalogCache::save(probe::kServer, QStringLiteral("live"), live));
        QVERIFY(CatalogCache::save(probe::kServer, QStringLiteral("movie"), probe::movies(QStringLiteral("0"))));
        QVERIFY(CatalogCache::saveEpisodes(probe::kServer, QStringLiteral("42"), probe::episodes(QStringLiteral("0"))));
        QVERIFY(storeThumbnailFile(probe::kPosterUrl, probe::poster(QStringLiteral("0"))));

        QRandomGenerator rng(1207);
        const int rounds = 30;
        int kills = 0;
        for (int round = 0; round < rounds; ++round) {
            QProcess writer;
            writer.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
            writer.start(QStringLiteral(WRITER_PROBE), {});
            QVERIFY(writer.waitForStarted());
            // Let it get going, then kill it somewhere in a cycle.
            const int delayMs = rng.bounded(30, 600);
            QTest::qWait(delayMs);
            if (writer.state() == QProcess::Running) {
                ::kill(pid_t(writer.processId()), SIGKILL);
                ++kills;
            }
            QVERIFY(writer.waitForFinished(5000));

            // Every server is still there, with one of its complete versions.
            const QList<SourceConfig> servers = SourceManager().sources();
            QCOMPARE(sourceNames(servers), (QStringList{QStringLiteral("Home"), probe::kServer, QStringLiteral("Work")}));
            QVERIFY(QStringList({QStringLiteral("pw-0"), QStringLiteral("pw-A"), QStringLiteral("pw-B")})
                        .contains(servers[1].password));
            QCOMPARE(servers[0].url, QStringLiteral("/home/me/list.m3u"));
            QCOMPARE(SourceManager().lastActiveSourceName(), QStringLiteral("Work"));
            LiveBufferTuner tuner;
            QCOMPARE(tuner.cachingMsFor(QStringLiteral("keep000000000001")), 7000);
            QVERIFY(QList<int>({3000, 5000, 10000}).contains(tuner.cachingMsFor(probe::kLearnedKey)));

            // The cache holds whole sections: the untouched one intact, the rewritten one old or new.
            CatalogCache::Section readLive, readMovies;
            QVERIFY(CatalogCache::load(probe::kServer, QStringLiteral("live"), readLive));
            QCOMPARE(readLive.categories.value(0).name, QStringLiteral("Live"));
            QVERIFY(CatalogCache::load(probe::kServer, QStringLiteral("movie"), readMovies));
            QVERIFY2(QStringList({QStringLiteral("0"), QStringLiteral("A"), QStringLiteral("B")})
                         .contains(versionOf(readMovies)),
                     qPrintable(versionOf(readMovies)));
            QList<Episode> eps;
            QVERIFY(CatalogCache::loadEpisodes(probe::kServer, QStringLiteral("42"), 86400, eps));
            QCOMPARE(eps.size(), 30);

            // The poster is one of the complete versions.
            QFile poster(thumbnailCachePath(probe::kPosterUrl));
            QVERIFY(poster.open(QIODevice::ReadOnly));
            const QByteArray bytes = poster.readAll();
            QVERIFY(bytes == probe::poster(QStringLiteral("0")) || bytes == probe::poster(QStringLiteral("A"))
                    || bytes == probe::poster(QStringLiteral("B")));
        }
        qInfo("killed the writer %d times in %d rounds; nothing lost", kills, rounds);
        QVERIFY(kills > rounds / 2);
    }
};

VELMORA_TEST_MAIN(TestCrashWhileWriting)
#include "tst_crashwhilewriting.moc"
