// Resume through the real player: a demo server's movie is played and moved on, the window is
// closed, and a new window plays it again from where it was left.
#include "demoserverprocess.h"
#include "library/library.h"
#include "mainwindowtestaccess.h"
#include "player/vlcplayer.h"
#include "sources/sourcemanager.h"
#include "tempprofile.h"
#include "testmain.h"
#include "ui/librarystate.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QStandardPaths>

namespace {

const QString kServer = QStringLiteral("Demo");

qint64 lastValue(const QSignalSpy& spy, int argument)
{
    return spy.isEmpty() ? -1 : spy.last().at(argument).toLongLong();
}
} // namespace

class TestLibraryResume : public QObject
{
    Q_OBJECT

private slots:
    void resumesInANewWindow()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty())
            QSKIP("ffmpeg is needed (scripts/install-deps.sh installs it)");
        // Every movie 80 s long: 40 s in is resumable, far from the 95% mark.
        DemoServerProcess server({"--scale", "10", "--clip-seconds", "80"});
        QVERIFY2(server.start(), qPrintable(server.errorText()));
        TempProfile profile;
        SourceConfig demo;
        demo.type = SourceConfig::Xtream;
        demo.name = kServer;
        demo.url = server.baseUrl();
        demo.username = demo.password = QStringLiteral("demo");
        SourceManager().saveSource(demo);

        MediaItem movie;
        {
            MainWindow window;
            MainWindowTestAccess w(window);
            window.show();
            QTRY_COMPARE_WITH_TIMEOUT(w.pendingFetchSteps(), 0, 20000);
            QVERIFY(!w.movieItems().isEmpty());
            movie = w.movieItems().first();
            QSignalSpy positions(w.player(), &VlcPlayer::positionChanged);
            w.playMediaItem(movie);
            QTRY_VERIFY_WITH_TIMEOUT(lastValue(positions, 1) > 0, 30000);
            w.player()->seek(40000);
            QTRY_VERIFY_WITH_TIMEOUT(lastValue(positions, 0) >= 40000, 20000);
        } // closing the window ends the viewing
        // The library keeps it under the server's id.
        const QString key = SourceManager().sources().value(0).storageKey();
        const WatchState saved = Library(Library::defaultPath()).watchState(key, movie);
        QVERIFY2(saved.positionMs >= 40000 && saved.positionMs < 50000,
                 qPrintable(QString::number(saved.positionMs)));
        QVERIFY2(qAbs(saved.durationMs - 80000) < 2000,
                 qPrintable(QString::number(saved.durationMs)));

        MainWindow window;
        MainWindowTestAccess w(window);
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(w.pendingFetchSteps(), 0, 20000);
        w.selectMovieCategory(w.movieCategoryList()->item(2)); // "Continue Watching"
        QCOMPARE(w.movieGrid()->count(), 1);
        QSignalSpy positions(w.player(), &VlcPlayer::positionChanged);
        w.playMovieRow(0);
        QTRY_VERIFY_WITH_TIMEOUT(!w.lib()->resumeNotice->isHidden(), 30000);
        QCOMPARE(w.lib()->resumeLabel->text(),
                 QStringLiteral("Resumed at 00:%1").arg(saved.positionMs / 1000));
        // The player itself reports the resumed position.
        QTRY_VERIFY_WITH_TIMEOUT(lastValue(positions, 0) >= saved.positionMs - 1000, 20000);
        QVERIFY(lastValue(positions, 0) < saved.positionMs + 10000);
    }
};

VELMORA_TEST_MAIN(TestLibraryResume)
#include "tst_libraryresume.moc"
