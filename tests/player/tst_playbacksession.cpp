// What plays and what comes next, without the window: stream addresses per kind, the episode
// sequence "Next Episode" follows, and the live reconnect schedule.
#include "player/episodesequence.h"
#include "player/reconnectschedule.h"
#include "player/streamaddress.h"

#include "fastertime.h"
#include "providers/xtreamclient.h"
#include "testmain.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>

#include <memory>

namespace {
Episode episode(const QString& id, int number)
{
    return Episode{
        id, QStringLiteral("Show"), 1, number, QStringLiteral("Part %1").arg(number), QString()};
}
} // namespace

class TestPlaybackSession : public QObject
{
    Q_OBJECT

private slots:
    void streamAddress_data()
    {
        QTest::addColumn<int>("sourceType");
        QTest::addColumn<bool>("withClient");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("extension"); // the item's container, or the live format
        QTest::addColumn<QString>("expected");

        const int xtream = SourceConfig::Xtream;
        const QString base = QStringLiteral("http://tv.invalid:8080");
        QTest::newRow("live, default format")
            << xtream << true << int(MediaItem::Live) << QString() << base + "/live/u/p/7.m3u8";
        QTest::newRow("live, server's format")
            << xtream << true << int(MediaItem::Live) << "ts" << base + "/live/u/p/7.ts";
        QTest::newRow("live from a playlist")
            << int(SourceConfig::M3u) << false << int(MediaItem::Live) << QString()
            << "http://list.invalid/7";
        QTest::newRow("movie, default container")
            << xtream << true << int(MediaItem::Movie) << QString() << base + "/movie/u/p/7.mp4";
        QTest::newRow("episode") << xtream << true << int(MediaItem::SeriesEpisode) << "mkv"
                                 << base + "/series/u/p/7.mkv";
        QTest::newRow("movie without a client")
            << xtream << false << int(MediaItem::Movie) << "mkv" << QString();
        QTest::newRow("a series is not played")
            << xtream << true << int(MediaItem::Series) << QString() << QString();
    }

    void streamAddress()
    {
        QFETCH(int, sourceType);
        QFETCH(bool, withClient);
        QFETCH(int, kind);
        QFETCH(QString, extension);
        QFETCH(QString, expected);

        SourceConfig source;
        source.type = sourceType;
        source.liveExtension = kind == MediaItem::Live ? extension : QString();
        XtreamClient client;
        client.configure(QStringLiteral("http://tv.invalid:8080/"), QStringLiteral("u"),
                         QStringLiteral("p"));
        MediaItem item;
        item.type = kind;
        item.id = QStringLiteral("7");
        item.streamUrl = QStringLiteral("http://list.invalid/7");
        item.containerExtension = kind == MediaItem::Live ? QString() : extension;
        QCOMPARE(::streamAddress(item, source, withClient ? &client : nullptr), expected);
    }

    void episodeSequence()
    {
        EpisodeSequence sequence;
        const QList<Episode> season{episode(QStringLiteral("a"), 1),
                                    episode(QStringLiteral("b"), 2)};
        QVERIFY(!sequence.start(season, 2, QStringLiteral("Show"))); // outside: nothing starts
        QCOMPARE(sequence.index, -1);
        QVERIFY(!sequence.hasNext());

        QVERIFY(sequence.start(season, 0, QStringLiteral("Show")));
        QCOMPARE(sequence.current().name, QStringLiteral("Show - S01E01 - Part 1"));
        QCOMPARE(sequence.current().type, int(MediaItem::SeriesEpisode));
        QVERIFY(sequence.advance());
        QCOMPARE(sequence.current().id, QStringLiteral("b"));
        QVERIFY(!sequence.advance()); // the last one stays
        QCOMPARE(sequence.index, 1);
        sequence.clear();
        QVERIFY(!sequence.hasNext());
        QCOMPARE(sequence.current().id, QString());
    }

    // 1, 2, 4, 8, 15, 15 s on the timer; progress ends it; a cancelled wait never fires.
    void reconnectSchedule()
    {
        ReconnectSchedule schedule;
        QList<int> waits;
        for (int attempt = 1; attempt <= 6; ++attempt) {
            QCOMPARE(schedule.interrupted(), attempt);
            QVERIFY(schedule.timer()->isActive());
            waits << schedule.timer()->interval();
        }
        QCOMPARE(waits, (QList<int>{1000, 2000, 4000, 8000, 15000, 15000}));
        schedule.progressing();
        QCOMPARE(schedule.attempts(), 0);
        QVERIFY(!schedule.timer()->isActive());

        const FasterTime faster(20);
        QSignalSpy due(&schedule, &ReconnectSchedule::due);
        schedule.interrupted();
        QCOMPARE(schedule.timer()->interval(), 50);
        QVERIFY(due.wait(2000));
        QCOMPARE(schedule.attempts(), 1); // counted until playback moves again
        schedule.interrupted();
        schedule.cancel();
        QTest::qWait(200);
        QCOMPARE(due.count(), 1);
        QCOMPARE(schedule.attempts(), 0);
    }
};

VELMORA_TEST_MAIN(TestPlaybackSession)
#include "tst_playbacksession.moc"
