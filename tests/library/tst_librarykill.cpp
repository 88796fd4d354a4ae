// The player killed (SIGKILL) while it saves positions, again and again: the library file always
// opens, and holds every save that had returned, losing at most the one in flight.
#include "library/library.h"
#include "testmain.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <csignal>

class TestLibraryKill : public QObject
{
    Q_OBJECT

private slots:
    void killedWhileSaving()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("library.db"));
        MediaItem favorite;
        favorite.type = MediaItem::Series;
        favorite.id = QStringLiteral("5");
        MediaItem movie;
        movie.type = MediaItem::Movie;
        movie.id = QStringLiteral("7");
        {
            Library library(path);
            QVERIFY(library.setFavorite(QStringLiteral("Home"), favorite, true));
        }
        QRandomGenerator rng(4711);
        qint64 saved = 0;
        int kills = 0;
        const int rounds = 25;
        for (int round = 0; round < rounds; ++round) {
            QProcess writer;
            writer.start(QStringLiteral(LIBRARY_WRITER_PROBE), {path, QString::number(saved)});
            QVERIFY(writer.waitForStarted());
            // Wait for its first save, then kill it somewhere in the following ones.
            QVERIFY(writer.waitForReadyRead(10000));
            QTest::qWait(rng.bounded(5, 120));
            if (writer.state() == QProcess::Running) {
                ::kill(pid_t(writer.processId()), SIGKILL);
                ++kills;
            }
            QVERIFY(writer.waitForFinished(5000));
            const QList<QByteArray> lines = writer.readAllStandardOutput().trimmed().split('\n');
            const qint64 lastReported = lines.last().toLongLong();
            QVERIFY2(lastReported > saved, lines.last().constData());

            Library library(path);
            QCOMPARE(library.takeProblem(), QString());
            QVERIFY(library.isFavorite(QStringLiteral("Home"), favorite));
            const qint64 position = library.watchState(QStringLiteral("Home"), movie).positionMs;
            QVERIFY2(position == lastReported * 1000 || position == (lastReported + 1) * 1000,
                     qPrintable(
                         QStringLiteral("%1 saved, %2 reported").arg(position).arg(lastReported)));
            // One channel noted per save (the last one perhaps without its number printed),
            // and at most the last 20 kept.
            const qint64 recent = library.recentChannels(QStringLiteral("Home")).size();
            QVERIFY2(recent == qMin<qint64>(20, lastReported) ||
                         recent == qMin<qint64>(20, lastReported + 1),
                     qPrintable(QStringLiteral("%1 recent channels").arg(recent)));
            saved = position / 1000;
        }
        qInfo("killed the writer %d times in %d rounds; %lld saves kept", kills, rounds, saved);
        QVERIFY(kills > rounds / 2);
    }
};

VELMORA_TEST_MAIN(TestLibraryKill)
#include "tst_librarykill.moc"
