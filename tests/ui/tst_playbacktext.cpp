#include "testmain.h"
#include "ui/playbacktext.h"

class TestPlaybackText : public QObject
{
    Q_OBJECT

private slots:
    void times_data()
    {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "00:00";
        QTest::newRow("negative counts as zero") << qint64(-5000) << "00:00";
        QTest::newRow("minutes and seconds") << qint64(65000) << "01:05";
        QTest::newRow("just under an hour") << qint64(3599999) << "59:59";
        QTest::newRow("hours unpadded") << qint64(3723000) << "1:02:03";
        QTest::newRow("long movie") << qint64(5530000) << "1:32:10";
        QTest::newRow("a hundred hours") << qint64(360000000) << "100:00:00";
    }
    void times()
    {
        QFETCH(qint64, ms);
        QFETCH(QString, text);
        QCOMPARE(formatMs(ms), text);
    }

    void reconnectSchedule()
    {
        const QList<int> expected = {1000, 2000, 4000, 8000, 15000, 15000, 15000};
        for (int attempt = 1; attempt <= expected.size(); ++attempt)
            QCOMPARE(reconnectDelayMs(attempt), expected[attempt - 1]);
        QCOMPARE(reconnectDelayMs(1000000), 15000); // no overflow however long it fails
    }

    void episodes_data()
    {
        QTest::addColumn<int>("season");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("played");
        QTest::newRow("padded to two digits") << 1 << 5 << "Pilot" << "E05 - Pilot" << "Show - S01E05 - Pilot";
        QTest::newRow("longer numbers in full") << 12 << 103 << "Finale" << "E103 - Finale" << "Show - S12E103 - Finale";
        QTest::newRow("percent signs stay text") << 2 << 7 << "100%1 %2" << "E07 - 100%1 %2" << "Show - S02E07 - 100%1 %2";
    }
    void episodes()
    {
        QFETCH(int, season);
        QFETCH(int, number);
        QFETCH(QString, title);
        QFETCH(QString, row);
        QFETCH(QString, played);
        Episode e;
        e.id = QStringLiteral("77");
        e.season = season;
        e.episodeNumber = number;
        e.title = title;
        e.containerExtension = QStringLiteral("mkv");
        QCOMPARE(episodeRowText(e), row);
        const MediaItem item = mediaItemFromEpisode(e, QStringLiteral("Show"));
        QCOMPARE(item.name, played);
        QCOMPARE(item.type, int(MediaItem::SeriesEpisode));
        QCOMPARE(item.id, QStringLiteral("77"));
        QCOMPARE(item.containerExtension, QStringLiteral("mkv"));
        QVERIFY(item.streamUrl.isEmpty());

        // A series name holding "%2" is not taken for the season.
        QCOMPARE(mediaItemFromEpisode(e, QStringLiteral("Top%2")).name.left(5), QStringLiteral("Top%2"));
    }
};

VELMORA_TEST_MAIN(TestPlaybackText)
#include "tst_playbacktext.moc"
