// The player's rules that need no libVLC: the stall rule tick by tick, libVLC's "too late"
// messages, codec codes, the stream-information layout and the masked address in the log; the
// count of open streams against an account's limit.

#include "player/mediainfotext.h"
#include "player/stalltracker.h"
#include "player/streamconnections.h"
#include "player/vlclogrule.h"
#include "testmain.h"

#include <cstdarg>

namespace {
std::optional<int> shortfallOf(int level, bool isLive, int cachingMs, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    const std::optional<int> out = liveShortfallFromLog(level, isLive, cachingMs, fmt, args);
    va_end(args);
    return out;
}

constexpr unsigned int fourCc(char a, char b, char c, char d)
{
    return unsigned(uchar(a)) | unsigned(uchar(b)) << 8 | unsigned(uchar(c)) << 16 |
           unsigned(uchar(d)) << 24;
}

// libVLC's own wording of the two messages (es_out.c).
constexpr char kIncreasedFormat[] =
    "ES_OUT_SET_(GROUP_)PCR  is called too late (pts_delay increased to %d ms)";
constexpr char kJitterFormat[] =
    "ES_OUT_SET_(GROUP_)PCR  is called too late (jitter of %d ms ignored)";
constexpr int kWarning = 3;
} // namespace

class TestPlayerRules : public QObject
{
    Q_OBJECT

private slots:
    // Ticks of a stream whose time moved once and then froze while libVLC says "playing".
    void stallThreshold_data()
    {
        QTest::addColumn<int>("cachingMs");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("message");
        const QString m15 = QStringLiteral("The stream stopped advancing for 15 seconds.");
        QTest::newRow("no caching value: 30 ticks, 15 s") << 0 << 30 << m15;
        QTest::newRow("5000: still 15 s") << 5000 << 30 << m15;
        QTest::newRow("5500: 15500 ms is 31 ticks, message says 15") << 5500 << 31 << m15;
        QTest::newRow("6000: 16 s, 32 ticks")
            << 6000 << 32 << QStringLiteral("The stream stopped advancing for 16 seconds.");
        QTest::newRow("8000: 18 s, 36 ticks")
            << 8000 << 36 << QStringLiteral("The stream stopped advancing for 18 seconds.");
        QTest::newRow("10000: 20 s, 40 ticks")
            << 10000 << 40 << QStringLiteral("The stream stopped advancing for 20 seconds.");
    }
    void stallThreshold()
    {
        QFETCH(int, cachingMs);
        QFETCH(int, ticks);
        QFETCH(QString, message);
        StallTracker tracker;
        QVERIFY(!tracker.tick(true, 0, 0, cachingMs).progressing); // first sight is no progress
        const StallTracker::Outcome moved = tracker.tick(true, 480, 0, cachingMs);
        QVERIFY(moved.progressing);
        for (int i = 1; i < ticks; ++i) {
            const StallTracker::Outcome frozen = tracker.tick(true, 480, 0, cachingMs);
            QVERIFY2(!frozen.stalled, qPrintable(QString::number(i)));
            QVERIFY(frozen.position && !frozen.progressing);
        }
        const StallTracker::Outcome last = tracker.tick(true, 480, 0, cachingMs);
        QVERIFY(last.stalled);
        QCOMPARE(last.stallMessage, message);
        // reported once; the next report needs fresh movement first
        for (int i = 0; i < 3 * ticks; ++i)
            QVERIFY(!tracker.tick(true, 480, 0, cachingMs).stalled);
        QVERIFY(tracker.tick(true, 980, 0, cachingMs).progressing);
    }

    void stallRuleSequences_data()
    {
        // per tick: playing?, time; the outcome counted over the whole sequence
        QTest::addColumn<QList<bool>>("playing");
        QTest::addColumn<QList<qint64>>("times");
        QTest::addColumn<int>("progressReports");
        QTest::addColumn<int>("stallReports");
        QTest::addColumn<int>("positionReports");

        auto repeat = [](auto value, int n) {
            QList<decltype(value)> out;
            for (int i = 0; i < n; ++i)
                out << value;
            return out;
        };
        QTest::newRow("never advanced since start: never stalled")
            << repeat(true, 100) << repeat(qint64(0), 100) << 0 << 0 << 100;
        QTest::newRow("paused for long: no position, no stall")
            << (QList<bool>{true, true} + repeat(false, 200))
            << (QList<qint64>{0, 500} + repeat(qint64(500), 200)) << 1 << 0 << 2;
        QTest::newRow("pause resets: 20 frozen + pause + 20 frozen is no stall")
            << (repeat(true, 22) + QList<bool>{false} + QList<bool>{true, true} + repeat(true, 20))
            << (QList<qint64>{0, 500} + repeat(qint64(500), 20) + QList<qint64>{500} +
                QList<qint64>{500, 1000} + repeat(qint64(1000), 20))
            << 2 << 0 << 44;
        QTest::newRow("steady progress") << repeat(true, 50) << [] {
            QList<qint64> t;
            for (int i = 0; i < 50; ++i)
                t << i * 500;
            return t;
        }() << 49 << 0 << 50;
        QTest::newRow("seek back is no progress and restarts the frozen count")
            << repeat(true, 32) << (QList<qint64>{0, 9000, 2000} + repeat(qint64(2000), 29)) << 1
            << 0 << 32;
        QTest::newRow("seek back keeps the stall watch")
            << repeat(true, 33) << (QList<qint64>{0, 9000, 2000} + repeat(qint64(2000), 30)) << 1
            << 1 << 33;
    }
    void stallRuleSequences()
    {
        QFETCH(QList<bool>, playing);
        QFETCH(QList<qint64>, times);
        QFETCH(int, progressReports);
        QFETCH(int, stallReports);
        QFETCH(int, positionReports);
        QCOMPARE(playing.size(), times.size());
        StallTracker tracker;
        int progress = 0;
        int stalls = 0;
        int positions = 0;
        for (qsizetype i = 0; i < times.size(); ++i) {
            const StallTracker::Outcome out = tracker.tick(playing.at(i), times.at(i), 90000, 0);
            progress += out.progressing;
            stalls += out.stalled;
            if (out.position) {
                ++positions;
                QCOMPARE(out.currentMs, times.at(i));
                QCOMPARE(out.totalMs, qint64(90000));
            }
        }
        QCOMPARE(progress, progressReports);
        QCOMPARE(stalls, stallReports);
        QCOMPARE(positions, positionReports);
    }

    void tooLateMessages_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("isLive");
        QTest::addColumn<int>("cachingMs");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("argument");
        QTest::addColumn<int>("shortfall"); // -1: none

        const QByteArray increased(kIncreasedFormat);
        const QByteArray jitter(kJitterFormat);
        QTest::newRow("pts_delay 2400 while live") << 4 << true << 0 << increased << 2400 << 2400;
        QTest::newRow("pts_delay during a movie: nothing")
            << 4 << false << 0 << increased << 2400 << -1;
        QTest::newRow("jitter 700 on top of 3000") << 4 << true << 3000 << jitter << 700 << 3700;
        QTest::newRow("jitter without caching value") << 4 << true << 0 << jitter << 700 << 700;
        QTest::newRow("warning level is ignored")
            << kWarning << true << 3000 << increased << 2400 << -1;
        QTest::newRow("other error is ignored")
            << 4 << true << 3000
            << QByteArray("picture is too late to be displayed (missing %d ms)") << 400 << -1;
        QTest::newRow("too late without a number")
            << 4 << true << 3000
            << QByteArray("PCR is called too late (pts_delay increased to x%d)") << 1 << -1;
        QTest::newRow("huge pts_delay saturates")
            << 4 << true << 0
            << QByteArray("is called too late (pts_delay increased to %d99999 ms)") << 2147483647
            << 2147483647;
    }
    void tooLateMessages()
    {
        QFETCH(int, level);
        QFETCH(bool, isLive);
        QFETCH(int, cachingMs);
        QFETCH(QByteArray, format);
        QFETCH(int, argument);
        QFETCH(int, shortfall);
        const std::optional<int> got =
            shortfallOf(level, isLive, cachingMs, format.constData(), argument);
        QCOMPARE(got.value_or(-1), shortfall);
    }

    // Messages are read from a 256-byte buffer; anything beyond is cut off.
    void longMessagesAreCut()
    {
        const QByteArray pad(200, 'x');
        const QByteArray fits = "is called too late " + pad + " pts_delay increased to %d ms";
        QVERIFY(fits.size() - 2 + 4 < 256);
        QCOMPARE(shortfallOf(4, true, 0, fits.constData(), 2400).value_or(-1), 2400);

        // a 300-character message with the number past byte 255
        const QByteArray longer =
            "is called too late " + QByteArray(250, 'x') + " pts_delay increased to %d ms";
        char text[512];
        std::snprintf(text, sizeof text, longer.constData(), 2400);
        QCOMPARE(qstrlen(text), size_t(300));
        QVERIFY(liveShortfallFromText(text, 0)); // whole, it would count
        QVERIFY(!shortfallOf(4, true, 0, longer.constData(), 2400));

        // the marker itself beyond the cut
        const QByteArray lateMarker =
            QByteArray(270, 'x') + " is called too late (jitter of %d ms ignored)";
        QVERIFY(!shortfallOf(4, true, 3000, lateMarker.constData(), 700));
    }

    void fourCcText_data()
    {
        QTest::addColumn<unsigned int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("h264") << fourCc('h', '2', '6', '4') << "h264";
        QTest::newRow("mp4a") << fourCc('m', 'p', '4', 'a') << "mp4a";
        QTest::newRow("trailing space trimmed") << fourCc('s', '1', '6', ' ') << "s16";
        QTest::newRow("stops at a zero byte") << fourCc('a', '\0', 'b', 'c') << "a";
        QTest::newRow("zero") << 0u << "";
        QTest::newRow("Latin-1 byte") << fourCc('\xe9', 'a', 'b', 'c') << QStringLiteral("éabc");
    }
    void fourCcText()
    {
        QFETCH(unsigned int, code);
        QFETCH(QString, text);
        QCOMPARE(fourCcToString(code), text);
    }

    void mediaInfoLayout()
    {
        MediaInfo info;
        QCOMPARE(mediaInfoText(info), QStringLiteral("No track information available yet."));

        MediaInfo::Stream video;
        video.kind = MediaInfo::Stream::Kind::Video;
        video.codec = fourCc('h', '2', '6', '4');
        video.width = 1920;
        video.height = 1080;
        video.frameRateNum = 30000;
        video.frameRateDen = 1001;
        MediaInfo::Stream audio;
        audio.kind = MediaInfo::Stream::Kind::Audio;
        audio.codec = fourCc('m', 'p', '4', 'a');
        audio.rate = 48000;
        audio.channels = 2;
        MediaInfo::Stream subtitle; // other kinds add nothing
        subtitle.codec = fourCc('s', 'u', 'b', 't');
        MediaInfo::Stream noRate = video;
        noRate.codec = fourCc('%', '1', ' ', ' ');
        noRate.frameRateDen = 0;
        info.streams = {video, audio, subtitle, noRate};
        info.audioTracks = QList<MediaInfo::Track>{{-1, QStringLiteral("Disable")},
                                                   {1, QStringLiteral("English - [English]")},
                                                   {2, QString()}};
        info.currentAudioTrack = 2;
        info.subtitleTracks = QList<MediaInfo::Track>{{-1, QStringLiteral("Disable")}};
        info.currentSubtitleTrack = -1;
        info.stats = MediaInfo::Stats{512.25f, 500.0f, 90, 87, 16, 3};

        QCOMPARE(mediaInfoText(info), QStringLiteral("Video codec: h264\n"
                                                     "Resolution: 1920x1080\n"
                                                     "Frame rate: 29.97 fps\n"
                                                     "\n"
                                                     "Audio codec: mp4a\n"
                                                     "Sample rate: 48000 Hz\n"
                                                     "Channels: 2\n"
                                                     "\n"
                                                     "Video codec: %1\n"
                                                     "Resolution: 1920x1080\n"
                                                     "Frame rate: 0.00 fps\n"
                                                     "\n"
                                                     "Audio tracks:\n"
                                                     "  [ ] Disable\n"
                                                     "  [ ] English - [English]\n"
                                                     "  [*] Track 2\n"
                                                     "\n"
                                                     "Subtitle tracks:\n"
                                                     "  [*] Disable\n"
                                                     "\n"
                                                     "Input bitrate: 4098.0 kbps\n"
                                                     "Demux bitrate: 4000.0 kbps\n"
                                                     "Decoded video blocks: 90\n"
                                                     "Decoded audio blocks: 87\n"
                                                     "Displayed frames: 16   Lost frames: 3\n"));

        MediaInfo statsOnly;
        statsOnly.stats = MediaInfo::Stats{};
        QCOMPARE(mediaInfoText(statsOnly),
                 QStringLiteral("Input bitrate: 0.0 kbps\n"
                                "Demux bitrate: 0.0 kbps\n"
                                "Decoded video blocks: 0\n"
                                "Decoded audio blocks: 0\n"
                                "Displayed frames: 0   Lost frames: 0\n"));
    }
    // Leases taken and given back in an order, against a limit; the counts after each step.
    void streamLeases_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("steps"); // a: acquire, r<n>: release lease n, m<n>: move it
        QTest::addColumn<QList<int>>("openAfter");
        QTest::addColumn<QList<bool>>("granted");

        QTest::newRow("no limit") << 0 << "a a a" << QList<int>{1, 2, 3}
                                  << QList<bool>{true, true, true};
        QTest::newRow("limit refuses")
            << 2 << "a a a" << QList<int>{1, 2, 2} << QList<bool>{true, true, false};
        QTest::newRow("release frees a place")
            << 1 << "a a r0 a" << QList<int>{1, 1, 0, 1} << QList<bool>{true, false, true};
        QTest::newRow("moved lease counts once")
            << 2 << "a m0 a a r0" << QList<int>{1, 1, 2, 2, 1} << QList<bool>{true, true, false};
    }

    void streamLeases()
    {
        QFETCH(int, limit);
        QFETCH(QString, steps);
        QFETCH(QList<int>, openAfter);
        QFETCH(QList<bool>, granted);

        const QString server = QStringLiteral("server-1");
        StreamConnections connections;
        connections.setLimit(server, limit);
        std::vector<StreamConnections::Lease> leases;
        QList<bool> answers;
        QList<int> counts;
        for (const QString& step : steps.split(QLatin1Char(' '))) {
            if (step == QLatin1String("a")) {
                leases.push_back(connections.acquire(server, QStringLiteral("Playing")));
                answers.append(leases.back().isValid());
            } else if (step.startsWith(QLatin1Char('r'))) {
                leases.at(step.mid(1).toUInt()).release();
            } else {
                StreamConnections::Lease moved = std::move(leases.at(step.mid(1).toUInt()));
                leases.at(step.mid(1).toUInt()) = std::move(moved);
            }
            counts.append(connections.openCount(server));
        }
        QCOMPARE(counts, openAfter);
        QCOMPARE(answers, granted);
        leases.clear();
        QCOMPARE(connections.openCount(server), 0);
    }
};

VELMORA_TEST_MAIN(TestPlayerRules)
#include "tst_playerrules.moc"
