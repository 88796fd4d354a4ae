// The real program as a user meets it: velmora-player started as its own process with a fresh
// profile holding the demo server, driven through its window with X input, and judged by what
// the display shows and by its diagnostic lines.
#include "demoserverprocess.h"
#include "playerprocess.h"
#include "silentaudio.h"
#include "testmain.h"
#include "xwindowdriver.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
// 200 channels; "UK | News", the first category, holds four of them, and "vista" narrows it to
// "UK: Vista News 24", stream 67.
const QStringList kDemoArguments{QStringLiteral("--scale"), QStringLiteral("2000")};
const QString kSearch = QStringLiteral("vista");
const QString kChannelId = QStringLiteral("67");

bool clearlyDifferent(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) > 40 || qAbs(qGreen(a) - qGreen(b)) > 40 ||
           qAbs(qBlue(a) - qBlue(b)) > 40;
}

// Share of the area's pixels (every second one) that clearly changed between two screenshots.
double changedShare(const QImage& a, const QImage& b, const QRect& area)
{
    int changed = 0, total = 0;
    for (int y = area.top(); y <= area.bottom(); y += 2) {
        for (int x = area.left(); x <= area.right(); x += 2) {
            ++total;
            if (clearlyDifferent(a.pixel(x, y), b.pixel(x, y)))
                ++changed;
        }
    }
    return total ? double(changed) / total : 0;
}

// Share of the area that is not dark: a picture, not a black video area.
double litShare(const QImage& image, const QRect& area)
{
    int lit = 0, total = 0;
    for (int y = area.top(); y <= area.bottom(); y += 4) {
        for (int x = area.left(); x <= area.right(); x += 4) {
            ++total;
            if (qGray(image.pixel(x, y)) > 40)
                ++lit;
        }
    }
    return total ? double(lit) / total : 0;
}

// The pure black part of the window: the video area before anything plays (nothing else in the
// theme is pure black).
QRect blackArea(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            if ((image.pixel(x, y) & 0xffffff) == 0)
                box |= QRect(x, y, 2, 2);
        }
    }
    return box & image.rect();
}

// Where a 16:9 picture lands in the video area, less a margin so that its edges never count.
QRect pictureArea(const QRect& video)
{
    QSize size(video.width(), video.width() * 9 / 16);
    if (size.height() > video.height())
        size = QSize(video.height() * 16 / 9, video.height());
    QRect picture(QPoint(), size);
    picture.moveCenter(video.center());
    return picture.adjusted(size.width() / 8, size.height() / 8, -size.width() / 8,
                            -size.height() / 8);
}

// The end of the player's standard error for a failure message, without the sound library's
// complaints about the missing sound card.
QString tail(const QByteArray& text)
{
    QByteArrayList kept;
    for (const QByteArray& line : text.split('\n')) {
        if (!line.startsWith("ALSA lib "))
            kept.append(line);
    }
    return QString::fromUtf8(kept.join('\n').right(3000));
}
} // namespace

class EndToEndTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString why;
        if (!XWindowDriver::available(&why))
            QFAIL(qPrintable(why));
        useSilentAudioOutput();
        shots = QDir::temp().filePath(
            QStringLiteral("velmora-e2e-%1").arg(QDateTime::currentMSecsSinceEpoch()));
        QVERIFY(QDir().mkpath(shots));
    }

    void cleanupTestCase()
    {
        // VELMORA_E2E_KEEP_SHOTS=1 keeps them after a pass too, to see what the test saw.
        if (!failed && !qEnvironmentVariableIsSet("VELMORA_E2E_KEEP_SHOTS"))
            QDir(shots).removeRecursively();
        else if (!failed)
            qInfo("screenshots in %s", qPrintable(shots));
    }

    void cleanup()
    {
        if (QTest::currentTestFailed()) {
            failed = true;
            qWarning("screenshots kept in %s", qPrintable(shots));
        }
    }

    // A user opens a category, searches it, plays a live channel; the server drops the channel,
    // the player reconnects by itself and the picture moves again once the channel is back.
    void liveChannelFromSearchPlaysAndReconnects()
    {
        DemoServerProcess demo(kDemoArguments);
        QVERIFY2(demo.start(), qPrintable(demo.errorText()));
        QTemporaryDir profile;
        PlayerProcess player(QStringLiteral(VELMORA_PLAYER), profile.path());
        QVERIFY2(player.addDemoServer(QStringLiteral(VELMORA_DEMO_PROFILE), demo.baseUrl()),
                 qPrintable(player.errorText()));
        player.setVariable(QStringLiteral("VELMORA_NET_DEBUG"), QStringLiteral("1"));
        player.setVariable(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        QVERIFY2(player.start(), qPrintable(player.errorText()));

        QVERIFY2(window.find(player.pid(), QStringLiteral("Quorbin"), 20000),
                 qPrintable(window.errorText() + u'\n' + tail(player.standardError())));
        QCOMPARE(window.geometry().size(), QSize(1200, 750));

        // The six lists arrive from the demo server (the login for the account's connection
        // limit may answer too, before or after them).
        static const QRegularExpression received(QStringLiteral("^\\[Xtream\\] <- "));
        QTRY_VERIFY2_WITH_TIMEOUT(player.countLines(received) >= 6,
                                  qPrintable(tail(player.standardError())), 20000);
        QCOMPARE(player.countLines(QRegularExpression(QStringLiteral("^\\[Xtream\\] <- error"))),
                 0);

        // The video area: the black rectangle right of the tabs (the programme list may stand
        // beside it), once the window is painted.
        QRect video;
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT((shot = window.grab(), video = blackArea(shot),
                                  video.left() > shot.width() / 6 &&
                                      video.width() > shot.width() / 3 &&
                                      video.height() > shot.height() / 2),
                                 10000);
        keep(QStringLiteral("catalog"), shot);
        const QRect picture = pictureArea(video);

        // Keyboard as far as possible: a click on the video area puts the focus in the player
        // panel; one step back is the category list of "Live TV", where three steps down pass
        // "Favorites" and "Recent" to the first category. Opening it puts the focus on "< Back to
        // Categories"; next come the search field and the results table, which plays its current
        // row on Return.
        QVERIFY2(window.focus(), qPrintable(window.errorText()));
        QVERIFY2(window.click(video.center()), qPrintable(window.errorText()));
        QVERIFY(window.keys({QStringLiteral("shift+Tab"), QStringLiteral("Down"),
                             QStringLiteral("Down"), QStringLiteral("Down"),
                             QStringLiteral("Return")}));
        QVERIFY(window.keys({QStringLiteral("Tab")}));
        QVERIFY(window.type(kSearch));
        QVERIFY(window.keys({QStringLiteral("Tab"), QStringLiteral("Return")}));

        static const QRegularExpression played(
            QStringLiteral("^\\[VLC\\] play -> \\S+/live/\\S+/(\\d+)\\.ts"));
        const QString play = player.waitForLine(played, 15000);
        keep(QStringLiteral("search"), window.grab());
        QVERIFY2(!play.isEmpty(), qPrintable(tail(player.standardError())));
        QCOMPARE(played.match(play).captured(1), kChannelId);

        QImage playing;
        QVERIFY2(videoMoves(picture, 30000, QStringLiteral("playing"), &playing),
                 qPrintable(tail(player.standardError())));
        // The title line ("Playing: UK: Vista News 24"): once something plays, the video area
        // makes room at the bottom of the panel for it and the row of buttons below it.
        const QRect title(video.left(), video.bottom() - 75, video.width() / 2, 40);

        // The server drops the channel: the player reconnects by itself (no error box), says so
        // on the title line, and the picture stands still meanwhile.
        qsizetype mark = player.errorSize();
        QVERIFY(control(demo, QStringLiteral("/control/drop?channel=") + kChannelId));
        static const QRegularExpression reconnect(
            QStringLiteral("^\\[VLC\\] live reconnect attempt 1 - "));
        const QString attempt = player.waitForLine(reconnect, 30000, mark);
        QVERIFY2(!attempt.isEmpty(), qPrintable(tail(player.standardError())));
        QTRY_VERIFY_WITH_TIMEOUT((shot = window.grab(), changedShare(playing, shot, title) > 0.01),
                                 5000);
        keep(QStringLiteral("reconnecting"), shot);
        QVERIFY(videoStill(picture, 10000));

        // Back on the air: a replay starts, the picture moves again and the title line is back.
        mark = player.errorSize();
        QVERIFY(control(demo, QStringLiteral("/control/restore?channel=") + kChannelId));
        QVERIFY2(!player.waitForLine(played, 30000, mark).isEmpty(),
                 qPrintable(tail(player.standardError())));
        QImage restored;
        QVERIFY2(videoMoves(picture, 30000, QStringLiteral("restored"), &restored),
                 qPrintable(tail(player.standardError())));
        QTRY_VERIFY_WITH_TIMEOUT((shot = window.grab(), changedShare(playing, shot, title) < 0.001),
                                 5000);

        QCOMPARE(XWindowDriver::mappedWindows(player.pid(), QStringLiteral("Playback Error")), 0);
        QVERIFY(player.isRunning());
        player.stop();
    }

private:
    // Two screenshots a moment apart differ inside the picture, and it is a picture.
    bool videoMoves(const QRect& area, int timeoutMs, const QString& name, QImage* shown)
    {
        QDeadlineTimer deadline(timeoutMs);
        QImage before = window.grab();
        while (!deadline.hasExpired()) {
            QTest::qWait(300);
            const QImage after = window.grab();
            // Both lit: the first frame after a black area is no movement yet.
            if (litShare(before, area) > 0.3 && litShare(after, area) > 0.3 &&
                changedShare(before, after, area) > 0.005) {
                keep(name, after);
                *shown = after;
                return true;
            }
            before = after;
        }
        keep(name + QStringLiteral("-still"), before);
        return false;
    }

    // Two screenshots a moment apart are the same inside the picture.
    bool videoStill(const QRect& area, int timeoutMs)
    {
        QDeadlineTimer deadline(timeoutMs);
        QImage before = window.grab();
        while (!deadline.hasExpired()) {
            QTest::qWait(300);
            const QImage after = window.grab();
            if (changedShare(before, after, area) < 0.0005)
                return true;
            before = after;
        }
        keep(QStringLiteral("still-moving"), before);
        return false;
    }

    bool control(const DemoServerProcess& demo, const QString& pathAndQuery)
    {
        QNetworkAccessManager manager;
        manager.setTransferTimeout(10000);
        QNetworkReply* reply = manager.get(QNetworkRequest(demo.url(pathAndQuery)));
        QEventLoop loop;
        connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError)
            qWarning("%s: %s", qPrintable(pathAndQuery), qPrintable(reply->errorString()));
        return reply->error() == QNetworkReply::NoError;
    }

    void keep(const QString& name, const QImage& image)
    {
        image.save(QDir(shots).filePath(
            QStringLiteral("%1-%2.png").arg(++shotCount, 2, 10, QChar(u'0')).arg(name)));
    }

    XWindowDriver window;
    QString shots;
    int shotCount = 0;
    bool failed = false;
};

VELMORA_TEST_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
