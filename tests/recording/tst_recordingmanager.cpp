// RecordingManager with a real store file, real streams on loopback and the clock moved by hand:
// schedules start and stop by the clock, series rules, the connection limit, restarts.
#include "app/clock.h"
#include "demoserverprocess.h"
#include "fastertime.h"
#include "livestreamserver.h"
#include "loopbackhttpserver.h"
#include "mediagenerator.h"
#include "mediaprobe.h"
#include "player/streamconnections.h"
#include "recording/recordingmanager.h"
#include "recording/recordingstore.h"
#include "recording/recordingtext.h"
#include "tempprofile.h"
#include "testmain.h"
#include "testtime.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
constexpr qint64 kMinute = 60000;
// A fixed moment on a whole minute, so programme times are easy to read.
constexpr qint64 kNow = 1'800'000'000'000;

GuideProgramme programme(const QString& title, qint64 startMs, qint64 minutes)
{
    GuideProgramme p;
    p.title = title;
    p.start = startMs / 1000;
    p.stop = (startMs + minutes * kMinute) / 1000;
    return p;
}

int stateOf(const RecordingManager& manager, qint64 id)
{
    const Recording* r = manager.find(id);
    return r ? r->state : -1;
}

const RecordingManager::Channel kChannel{QStringLiteral("Demo"), QStringLiteral("7"),
                                         QStringLiteral("Channel Seven")};
} // namespace

class TestRecordingManager : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProfile> profile;
    std::unique_ptr<QTemporaryDir> dir;

    QString storePath() const { return dir->filePath(QStringLiteral("recordings.db")); }

    std::unique_ptr<RecordingManager> makeManager(StreamConnections* connections,
                                                  const QUrl& stream = {})
    {
        auto manager = std::make_unique<RecordingManager>(storePath(), connections);
        manager->setFolder(dir->filePath(QStringLiteral("Recordings")));
        manager->setPadding(2 * kMinute, 5 * kMinute);
        manager->setStreamResolver([stream](const QString&, const QString&) { return stream; });
        return manager;
    }

private slots:
    void init()
    {
        profile = std::make_unique<TempProfile>();
        dir = std::make_unique<QTemporaryDir>();
        Clock::setFake(kNow);
    }

    void cleanup()
    {
        Clock::clearFake();
        dir.reset();
        profile.reset();
    }

    void scheduledRecordingFollowsTheClock()
    {
        if (!MediaProbe::available())
            QSKIP("ffmpeg and ffprobe are needed");
        FasterTime faster(50); // the manager looks at the clock every 20 ms
        LiveStreamServer server;
        QVERIFY(server.start());
        auto manager = makeManager(nullptr, server.url());
        QString message;
        const qint64 id = manager->schedule(
            kChannel, programme(QStringLiteral("Match"), kNow + 10 * kMinute, 10), &message);
        QVERIFY2(id > 0, qPrintable(message));

        Clock::advanceFake(7 * kMinute); // 3 minutes before: padding is 2
        QTest::qWait(100);
        QCOMPARE(stateOf(*manager, id), int(Recording::Scheduled));
        QCOMPARE(server.requestCount(), 0);

        Clock::advanceFake(kMinute + 1000);
        QTRY_COMPARE(stateOf(*manager, id), int(Recording::Running));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(manager->find(id)->path).size() > 100000, 15000);
        QVERIFY(manager->busy(0));

        Clock::advanceFake(12 * kMinute); // the programme ended; 5 minutes of padding remain
        QTest::qWait(100);
        QCOMPARE(stateOf(*manager, id), int(Recording::Running));

        Clock::advanceFake(5 * kMinute);
        QTRY_COMPARE(stateOf(*manager, id), int(Recording::Done));
        const Recording done = *manager->find(id);
        QVERIFY(done.path.startsWith(dir->filePath(QStringLiteral("Recordings"))));
        QVERIFY(done.path.contains(QStringLiteral("Match - Channel Seven")));
        QCOMPARE(done.bytes, QFileInfo(done.path).size());
        QVERIFY(MediaProbe::of(done.path).hasVideo);
        QVERIFY(!manager->busy(24 * 60 * kMinute));
        QCOMPARE(server.clientCount(), 0);
    }

    void seriesRuleRecordsEveryMatchingProgramme()
    {
        auto manager = makeManager(nullptr);
        const QList<GuideProgramme> week{
            programme(QStringLiteral("News"), kNow - 2 * 60 * kMinute, 30), // over
            programme(QStringLiteral("News"), kNow + 60 * kMinute, 30),
            programme(QStringLiteral("Sport"), kNow + 120 * kMinute, 60),
            programme(QStringLiteral(" news "), kNow + 180 * kMinute, 30),
        };
        QString message;
        const qint64 rule = manager->addSeries(kChannel, QStringLiteral("News"), week, &message);
        QVERIFY2(rule > 0, qPrintable(message));
        auto planned = [&manager]() {
            QList<qint64> starts;
            for (const Recording& r : manager->recordings())
                if (r.kind == Recording::Series && r.state == Recording::Scheduled)
                    starts.append((r.startsAt - kNow) / kMinute);
            std::sort(starts.begin(), starts.end());
            return starts;
        };
        QCOMPARE(planned(), (QList<qint64>{60, 180}));

        // A later guide brings the same programmes again and one more.
        QList<GuideProgramme> later = week;
        later.append(programme(QStringLiteral("News"), kNow + 300 * kMinute, 30));
        manager->applySeriesRules(kChannel.server, kChannel.id, later);
        QCOMPARE(planned(), (QList<qint64>{60, 180, 300}));
        // Another channel's programmes do not match the rule.
        manager->applySeriesRules(kChannel.server, QStringLiteral("8"), later);
        QCOMPARE(planned(), (QList<qint64>{60, 180, 300}));

        // The rule is kept in the store.
        manager.reset();
        manager = makeManager(nullptr);
        QVERIFY(manager->hasSeriesRule(kChannel.server, kChannel.id, QStringLiteral("NEWS")));
        manager->applySeriesRules(kChannel.server, kChannel.id,
                                  {programme(QStringLiteral("News"), kNow + 420 * kMinute, 30)});
        QCOMPARE(planned(), (QList<qint64>{60, 180, 300, 420}));
    }

    void connectionLimitRefusesAtScheduling_data()
    {
        QTest::addColumn<bool>("watching");
        QTest::addColumn<int>("secondStartMinutes");
        QTest::addColumn<bool>("secondFits");
        QTest::newRow("watching, overlapping") << true << 15 << false;
        QTest::newRow("watching, back to back") << true << 20 << true;
        QTest::newRow("not watching, overlapping") << false << 15 << true;
        QTest::newRow("watching, overlapping only in the padding") << true << 22 << false;
    }

    void connectionLimitRefusesAtScheduling()
    {
        QFETCH(bool, watching);
        QFETCH(int, secondStartMinutes);
        QFETCH(bool, secondFits);
        StreamConnections connections;
        connections.setLimit(kChannel.server, 2);
        StreamConnections::Lease player;
        if (watching)
            player = connections.acquire(kChannel.server, QStringLiteral("Playing: News"));
        auto manager = makeManager(&connections);
        manager->setPadding(0, secondStartMinutes == 22 ? 5 * kMinute : 0);
        QString message;
        QVERIFY(manager->schedule(kChannel,
                                  programme(QStringLiteral("First"), kNow + 10 * kMinute, 10),
                                  &message) > 0);
        const qint64 second = manager->schedule(
            kChannel, programme(QStringLiteral("Second"), kNow + secondStartMinutes * kMinute, 10),
            &message);
        QCOMPARE(second > 0, secondFits);
        if (!secondFits) {
            QVERIFY2(message.contains(QStringLiteral("\"Second\" cannot be recorded")),
                     qPrintable(message));
            QVERIFY(message.contains(QStringLiteral("the server allows 2")));
            QCOMPARE(manager->recordings().size(), 1);
        }
        // Another server's limit is its own.
        RecordingManager::Channel elsewhere = kChannel;
        elsewhere.server = QStringLiteral("Other");
        QVERIFY(manager->schedule(elsewhere,
                                  programme(QStringLiteral("Third"), kNow + 15 * kMinute, 10),
                                  &message) > 0);
    }

    void serverRefusingTheConnectionEndsTheRecording()
    {
        DemoServerProcess demo({QStringLiteral("--scale"), QStringLiteral("100"),
                                QStringLiteral("--max-connections"), QStringLiteral("1")});
        QVERIFY2(demo.start(), qPrintable(demo.errorText()));
        // The user watches one channel: the account's only stream.
        QNetworkAccessManager network;
        std::unique_ptr<QNetworkReply> watching(
            network.get(QNetworkRequest(demo.url(QStringLiteral("/live/demo/demo/1.ts")))));
        QTRY_VERIFY_WITH_TIMEOUT(watching->bytesAvailable() > 0, 20000);

        // The limit was never read, so the program tries; the server says no.
        auto manager = makeManager(nullptr, demo.url(QStringLiteral("/live/demo/demo/2.ts")));
        QSignalSpy failed(manager.get(), &RecordingManager::failed);
        QString message;
        const qint64 id = manager->recordNow(kChannel, {}, &message);
        QVERIFY2(id > 0, qPrintable(message));
        QVERIFY(failed.wait(20000));
        QCOMPARE(stateOf(*manager, id), int(Recording::Failed));
        QVERIFY2(failed.at(0).at(2).toString().contains(QStringLiteral("HTTP status 403")),
                 qPrintable(failed.at(0).at(2).toString()));
        QVERIFY(!QFileInfo::exists(manager->find(id)->path)); // nothing was written
        QVERIFY(watching->isRunning());                       // what the user watches goes on

        // Once the user stops watching, HLS of the same server records.
        watching->abort();
        watching.reset();
        QTest::qWait(300);
        manager->setStreamResolver([&demo](const QString&, const QString&) {
            return demo.url(QStringLiteral("/live/demo/demo/2.m3u8"));
        });
        const qint64 hls = manager->recordNow(kChannel, {}, &message);
        QVERIFY2(hls > 0, qPrintable(message));
        QTRY_VERIFY_WITH_TIMEOUT(manager->find(hls)->bytes > 50000, 30000);
        manager->stop(hls);
        QTRY_COMPARE(stateOf(*manager, hls), int(Recording::Done));
        QVERIFY(MediaProbe::of(manager->find(hls)->path).hasVideo);
    }

    void archiveProgrammeIsSavedByteForByte()
    {
        MediaGenerator media;
        const QString clip = media.movieTs(6);
        QVERIFY2(!clip.isEmpty(), qPrintable(media.lastError()));
        LoopbackHttpServer http;
        http.route(QStringLiteral("/timeshift/u/p/30/2027-01-15:20-00/7.ts"),
                   [clip](const auto&) { return LoopbackHttpServer::file(clip, "video/mp2t"); });
        QVERIFY(http.start());
        auto manager = makeManager(nullptr);
        QString message;
        const qint64 id = manager->downloadArchive(
            kChannel, programme(QStringLiteral("Yesterday"), kNow - 60 * kMinute, 30),
            http.url(QStringLiteral("/timeshift/u/p/30/2027-01-15:20-00/7.ts")), &message);
        QVERIFY2(id > 0, qPrintable(message));
        QTRY_COMPARE_WITH_TIMEOUT(stateOf(*manager, id), int(Recording::Done), 20000);
        QFile source(clip);
        QFile saved(manager->find(id)->path);
        QVERIFY(source.open(QIODevice::ReadOnly) && saved.open(QIODevice::ReadOnly));
        QVERIFY(source.readAll() == saved.readAll());
        QCOMPARE(manager->find(id)->kind, int(Recording::Archive));
        QVERIFY(!recordingtext::summary(*manager->find(id), kNow).contains(u"incomplete"));

        // Stopped by hand before the archive's stream ended, the file holds only a beginning
        // and the list must not pass it off as the whole programme.
        LiveStreamServer endless;
        QVERIFY(endless.start(testTimeout(10000)));
        const qint64 cut = manager->downloadArchive(
            kChannel, programme(QStringLiteral("Long Ago"), kNow - 180 * kMinute, 60),
            endless.url(), &message);
        QVERIFY2(cut > 0, qPrintable(message));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(manager->find(cut)->path).size() > 20000, 20000);
        manager->stop(cut);
        QTRY_COMPARE(stateOf(*manager, cut), int(Recording::Done));
        QVERIFY(!manager->find(cut)->message.isEmpty());
        QVERIFY(recordingtext::summary(*manager->find(cut), kNow).contains(u"(incomplete)"));
    }

    void oldNameKeyedRowsMoveToTheServerIdOnce()
    {
        // A recordings.db as an older version left it: rows under the server's display name.
        const QString name = QStringLiteral("My Server");
        const QString id = QStringLiteral("0b6c9d2e-7a41-4f0e-9a55-3c1f2e8d9b10");
        const QString file = dir->filePath(QStringLiteral("Old Show.ts"));
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("recorded") == 8);
        }
        qint64 doneId = 0, plannedId = 0;
        {
            RecordingStore store(storePath());
            Recording done;
            done.server = name;
            done.channelId = kChannel.id;
            done.channelName = kChannel.name;
            done.title = QStringLiteral("Old Show");
            done.state = Recording::Done;
            done.startsAt = done.startedAt = kNow - 120 * kMinute;
            done.endedAt = kNow - 90 * kMinute;
            done.path = file;
            Recording planned = done;
            planned.title = QStringLiteral("Next Week");
            planned.kind = Recording::Series;
            planned.state = Recording::Scheduled;
            planned.startsAt = kNow + 7 * 24 * 60 * kMinute;
            planned.endsAt = planned.startsAt + 30 * kMinute;
            planned.startedAt = planned.endedAt = 0;
            planned.path.clear();
            SeriesRule rule{0, name, kChannel.id, kChannel.name, QStringLiteral("Next Week")};
            QVERIFY(store.save(done) && store.save(rule));
            planned.seriesId = rule.id;
            QVERIFY(store.save(planned));
            doneId = done.id;
            plannedId = planned.id;
        }
        {
            // A move that fails half way: the rules refuse to change.
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fault"));
            db.setDatabaseName(storePath());
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(
                QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON series_rules BEGIN SELECT "
                               "RAISE(ABORT, 'refused'); END")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("fault"));
        const QList<std::pair<QString, QString>> moves{{name, id}};
        {
            auto manager = makeManager(nullptr);
            QVERIFY(!manager->adoptServerIds(moves));
            QVERIFY(!manager->problem().isEmpty());
            // Nothing moved: the recordings stay under the name until a move succeeds whole.
            QCOMPARE(manager->find(doneId)->server, name);
        }
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fault"));
            db.setDatabaseName(storePath());
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("DROP TRIGGER refuse")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("fault"));
        {
            auto manager = makeManager(nullptr);
            QVERIFY(manager->adoptServerIds(moves));
            QCOMPARE(manager->find(doneId)->server, id);
            QCOMPARE(manager->find(plannedId)->server, id);
            QVERIFY(manager->hasSeriesRule(id, kChannel.id, QStringLiteral("Next Week")));
        }
        // Done once: a later server of that old name keeps its own rows apart.
        auto manager = makeManager(nullptr);
        QVERIFY(manager->adoptServerIds({{name, QStringLiteral("another-id")}}));
        QCOMPARE(manager->find(doneId)->server, id);

        // Renamed, a server keeps its id, so nothing changes for its recordings. Removed, its
        // plans and rules go, and the files it recorded stay listed.
        manager->forgetServer(id);
        QVERIFY(!manager->find(plannedId));
        QVERIFY(!manager->hasSeriesRule(id, kChannel.id, QStringLiteral("Next Week")));
        QVERIFY(manager->find(doneId));
        QVERIFY(QFileInfo::exists(file));
        manager.reset();
        manager = makeManager(nullptr);
        QVERIFY(manager->find(doneId) && !manager->find(plannedId));
        QVERIFY(manager->seriesRules().isEmpty());
    }

    void schedulesSurviveARestartAndMissedOnesAreListed()
    {
        auto manager = makeManager(nullptr);
        QString message;
        const qint64 later = manager->schedule(
            kChannel, programme(QStringLiteral("Later"), kNow + 60 * kMinute, 30), &message);
        const qint64 missed = manager->schedule(
            kChannel, programme(QStringLiteral("Tonight"), kNow + 10 * kMinute, 30), &message);
        QVERIFY(later > 0 && missed > 0);
        QVERIFY(manager->busy(24 * 60 * kMinute));
        manager.reset(); // the program closes

        Clock::advanceFake(45 * kMinute); // "Tonight" ran while it was closed
        manager = makeManager(nullptr);
        QTRY_COMPARE(stateOf(*manager, missed), int(Recording::Missed));
        QVERIFY(!manager->find(missed)->message.isEmpty());
        QCOMPARE(stateOf(*manager, later), int(Recording::Scheduled));
    }
};

VELMORA_TEST_MAIN(TestRecordingManager)
#include "tst_recordingmanager.moc"
