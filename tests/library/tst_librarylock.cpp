// Two processes on one library file: a lock held by the other one is waited for, never taken for
// damage, and the healthy file is never moved aside.
#include "library/library.h"
#include "testmain.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace {
QStringList setAside(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList({QStringLiteral("*.damaged-*")}, QDir::Files);
}
} // namespace

class TestLibraryLock : public QObject
{
    Q_OBJECT

private slots:
    // The other process holds the write lock while this one opens (and creates) the library.
    void waitsForAnotherProcessesLock_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::newRow("new file, locked before this start makes it") << false;
        QTest::newRow("library in use by a writer") << true;
    }
    void waitsForAnotherProcessesLock()
    {
        QFETCH(bool, existing);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("library.db"));
        MediaItem movie;
        movie.type = MediaItem::Movie;
        movie.id = QStringLiteral("7");
        if (existing) {
            Library library(path);
            QVERIFY(library.setFavorite(QStringLiteral("Home"), movie, true));
        }
        QProcess holder;
        holder.start(QStringLiteral(LIBRARY_LOCK_PROBE), {path, QStringLiteral("1500")});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));

        Library library(path);
        QCOMPARE(library.takeProblem(), QString());
        QVERIFY(library.isPersistent());
        QVERIFY(library.setFavorite(QStringLiteral("Home"), movie, true));
        QVERIFY(holder.waitForFinished(10000));
        QCOMPARE(holder.exitCode(), 0);
        QCOMPARE(setAside(dir), QStringList());
        QVERIFY(library.isFavorite(QStringLiteral("Home"), movie));
    }

    // Two players started at once on a library that does not exist yet: both make and use it.
    void twoStartsAtOnce()
    {
        for (int round = 0; round < 12; ++round) {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("library.db"));
            QProcess first, second;
            for (QProcess* writer : {&first, &second})
                writer->start(QStringLiteral(LIBRARY_WRITER_PROBE),
                              {path, QStringLiteral("0"), QStringLiteral("3")});
            for (QProcess* writer : {&first, &second}) {
                QVERIFY(writer->waitForFinished(30000));
                QVERIFY2(
                    writer->exitStatus() == QProcess::NormalExit && writer->exitCode() == 0,
                    qPrintable(QStringLiteral("round %1, exit code %2: %3")
                                   .arg(round)
                                   .arg(writer->exitCode())
                                   .arg(QString::fromLocal8Bit(writer->readAllStandardError()))));
            }
            QCOMPARE(setAside(dir), QStringList());
            Library library(path);
            QCOMPARE(library.takeProblem(), QString());
            QCOMPARE(library.recentChannels(QStringLiteral("Home")).size(), 3);
        }
    }
};

VELMORA_TEST_MAIN(TestLibraryLock)
#include "tst_librarylock.moc"
