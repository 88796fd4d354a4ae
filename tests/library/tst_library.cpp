// The library on real SQLite files: favorites across catalog refreshes, the resume rules, series
// progress, recent channels, moving a library between computers, and files that cannot be read.
#include "app/clock.h"
#include "library/catalogindexes.h"
#include "library/library.h"
#include "testhelpers.h"
#include "testmain.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

const QString kServer = QStringLiteral("Home");

MediaItem item(int type, const QString& id, const QString& name = QString())
{
    MediaItem m;
    m.type = type;
    m.id = id;
    m.name = name.isEmpty() ? QStringLiteral("Item ") + id : name;
    return m;
}

QStringList ids(const QList<LibraryEntry>& entries)
{
    QStringList out;
    for (const LibraryEntry& e : entries)
        out << e.item.id;
    return out;
}

QStringList ids(const QList<ShownLibraryEntry>& entries)
{
    QStringList out;
    for (const ShownLibraryEntry& e : entries)
        out << (e.offered ? e.item.id : e.item.id + QStringLiteral(" (gone)"));
    return out;
}
} // namespace

class TestLibrary : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("library.db")); }

private slots:
    void init()
    {
        Clock::setFake(1'700'000'000'000);
        QFile::remove(path());
    }
    void cleanup() { Clock::clearFake(); }

    void starsSurviveCatalogRefresh()
    {
        QList<MediaItem> catalog = {item(MediaItem::Movie, QStringLiteral("1")),
                                    item(MediaItem::Movie, QStringLiteral("2")),
                                    item(MediaItem::Movie, QStringLiteral("3"))};
        {
            Library library(path());
            for (const MediaItem& m : catalog) {
                QVERIFY(library.setFavorite(kServer, m, true));
                Clock::advanceFake(1000);
            }
            // Another server's item with the same id, and the live channel "2", are their own.
            QVERIFY(library.setFavorite(QStringLiteral("Work"), catalog[0], true));
            QVERIFY(!library.isFavorite(kServer, item(MediaItem::Live, QStringLiteral("2"))));
        }
        // The next start reads the lists and indexes the catalog in the background; the catalog
        // comes without movie 2 and with a new name for 3.
        Library library(path());
        QCOMPARE(library.takeProblem(), QString());
        library.preload(kServer);
        library.waitForPreload();
        QList<MediaItem> refreshed = {catalog[0], catalog[2]};
        refreshed[1].name = QStringLiteral("Renamed");
        CatalogIndexes indexes;
        indexes.prepare(refreshed);
        indexes.waitForPrepared();
        QList<ShownLibraryEntry> shown = matchCatalog(library.favorites(kServer, MediaItem::Movie),
                                                      refreshed, indexes.of(refreshed));
        QCOMPARE(ids(shown), (QStringList{QStringLiteral("3"), QStringLiteral("2 (gone)"),
                                          QStringLiteral("1")}));
        QCOMPARE(shown[0].item.name, QStringLiteral("Renamed"));
        QCOMPARE(shown[1].item.name, QStringLiteral("Item 2"));
        QVERIFY(library.isFavorite(kServer, catalog[1]));

        // The server offers it again: listed as before, never lost.
        shown = matchCatalog(library.favorites(kServer, MediaItem::Movie), catalog,
                             indexCatalog(catalog));
        QCOMPARE(ids(shown),
                 (QStringList{QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("1")}));

        // Removing it from the favorites is what ends it; starring again puts it first.
        QVERIFY(library.setFavorite(kServer, catalog[1], false));
        QVERIFY(library.setFavorite(kServer, catalog[0], true));
        QCOMPARE(ids(library.favorites(kServer, MediaItem::Movie)),
                 (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
        QCOMPARE(ids(Library(path()).favorites(kServer, MediaItem::Movie)),
                 (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
    }

    void resumeRules_data()
    {
        QTest::addColumn<qint64>("stoppedAt");
        QTest::addColumn<qint64>("resumeAt");
        QTest::addColumn<bool>("watched");
        QTest::addColumn<bool>("continueWatching");
        const qint64 length = 600000;
        QTest::newRow("a few seconds in") << qint64(12000) << qint64(0) << false << false;
        QTest::newRow("exactly 30 s") << qint64(30000) << qint64(0) << false << false;
        QTest::newRow("just past 30 s") << qint64(30001) << qint64(30001) << false << true;
        QTest::newRow("half way") << qint64(300000) << qint64(300000) << false << true;
        QTest::newRow("just short of 95%")
            << length * 95 / 100 - 1 << length * 95 / 100 - 1 << false << true;
        QTest::newRow("95%") << length * 95 / 100 << qint64(0) << true << false;
        QTest::newRow("the end") << length << qint64(0) << true << false;
    }

    void resumeRules()
    {
        QFETCH(qint64, stoppedAt);
        QFETCH(qint64, resumeAt);
        QFETCH(bool, watched);
        QFETCH(bool, continueWatching);
        const MediaItem movie = item(MediaItem::Movie, QStringLiteral("7"));
        {
            Library library(path());
            QVERIFY(library.savePosition(kServer, movie, 120000, 600000));
            QVERIFY(library.savePosition(kServer, movie, stoppedAt, 600000));
        }
        Library library(path());
        const WatchState state = library.watchState(kServer, movie);
        QCOMPARE(watchrules::resumePositionMs(state), resumeAt);
        QCOMPARE(state.watched, watched);
        QCOMPARE(library.continueWatching(kServer, MediaItem::Movie).size(),
                 continueWatching ? 1 : 0);
        QCOMPARE(watchrules::progressPercent(state) > 0, continueWatching);

        // Watching it again keeps the watched mark while the new viewing is resumable.
        QVERIFY(library.savePosition(kServer, movie, 200000, 600000));
        QCOMPARE(library.watchState(kServer, movie).watched, watched);
        QCOMPARE(watchrules::resumePositionMs(library.watchState(kServer, movie)), qint64(200000));
    }

    void continueWatchingOrderAndSeries()
    {
        Library library(path());
        const auto episode = [](const QString& id) { return item(MediaItem::SeriesEpisode, id); };
        const EpisodeContext showA{QStringLiteral("100"), QStringLiteral("Show A"), false};
        const EpisodeContext showB{QStringLiteral("200"), QStringLiteral("Show B"), false};
        QVERIFY(library.savePosition(kServer, item(MediaItem::Movie, QStringLiteral("1")), 60000,
                                     600000));
        QVERIFY(
            library.savePosition(kServer, episode(QStringLiteral("101")), 600000, 600000, showA));
        QVERIFY(library.savePosition(kServer, item(MediaItem::Movie, QStringLiteral("2")), 90000,
                                     600000));
        QVERIFY(
            library.savePosition(kServer, episode(QStringLiteral("201")), 50000, 600000, showB));
        QCOMPARE(ids(library.continueWatching(kServer, MediaItem::Movie)),
                 (QStringList{QStringLiteral("2"), QStringLiteral("1")}));
        // Going on with the first movie brings it to the front; finishing the second ends it.
        QVERIFY(library.savePosition(kServer, item(MediaItem::Movie, QStringLiteral("1")), 70000,
                                     600000));
        QVERIFY(library.savePosition(kServer, item(MediaItem::Movie, QStringLiteral("2")), 590000,
                                     600000));
        QCOMPARE(ids(library.continueWatching(kServer, MediaItem::Movie)),
                 (QStringList{QStringLiteral("1")}));
        QCOMPARE(ids(Library(path()).continueWatching(kServer, MediaItem::Movie)),
                 (QStringList{QStringLiteral("1")}));
        QCOMPARE(ids(library.continueWatching(kServer, MediaItem::Series)),
                 (QStringList{QStringLiteral("200"), QStringLiteral("100")}));
        QCOMPARE(library.continueWatching(kServer, MediaItem::Series).value(1).item.name,
                 QStringLiteral("Show A"));

        // Show A goes on with the episode after the watched one.
        const QStringList showAEpisodes = {QStringLiteral("101"), QStringLiteral("102"),
                                           QStringLiteral("103")};
        QCOMPARE(watchrules::nextEpisodeIndex(
                     showAEpisodes, library.episodeStates(kServer, QStringLiteral("100"))),
                 1);
        // Finishing the last episode finishes the series.
        QVERIFY(library.savePosition(kServer, episode(QStringLiteral("103")), 599000, 600000,
                                     {showA.seriesId, showA.seriesName, true}));
        QCOMPARE(ids(library.continueWatching(kServer, MediaItem::Series)),
                 (QStringList{QStringLiteral("200")}));
        QCOMPARE(watchrules::nextEpisodeIndex(
                     showAEpisodes, library.episodeStates(kServer, QStringLiteral("100"))),
                 1);
    }

    void nextEpisode_data()
    {
        QTest::addColumn<QStringList>("history"); // id:positionPercent, oldest first
        QTest::addColumn<int>("next");
        QTest::newRow("nothing watched") << QStringList() << 0;
        QTest::newRow("second left half way")
            << QStringList{QStringLiteral("a:100"), QStringLiteral("b:50")} << 1;
        QTest::newRow("second finished")
            << QStringList{QStringLiteral("a:100"), QStringLiteral("b:100")} << 2;
        QTest::newRow("rewatched the first")
            << QStringList{QStringLiteral("b:100"), QStringLiteral("a:100")} << 2;
        QTest::newRow("all watched")
            << QStringList{QStringLiteral("a:100"), QStringLiteral("b:100"),
                           QStringLiteral("c:100")}
            << 0;
    }

    void nextEpisode()
    {
        QFETCH(QStringList, history);
        QFETCH(int, next);
        Library library(path());
        for (const QString& step : history) {
            const QStringList parts = step.split(QLatin1Char(':'));
            QVERIFY(library.savePosition(kServer, item(MediaItem::SeriesEpisode, parts[0]),
                                         parts[1].toInt() * 6000, 600000,
                                         {QStringLiteral("9"), QStringLiteral("Show"), false}));
        }
        QCOMPARE(watchrules::nextEpisodeIndex(
                     {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
                     library.episodeStates(kServer, QStringLiteral("9"))),
                 next);
    }

    void recentChannels()
    {
        Library library(path());
        for (int i = 1; i <= 25; ++i)
            QVERIFY(library.noteChannelWatched(kServer, item(MediaItem::Live, QString::number(i))));
        QVERIFY(library.noteChannelWatched(kServer, item(MediaItem::Live, QStringLiteral("10"))));
        QVERIFY(library.noteChannelWatched(QStringLiteral("Work"),
                                           item(MediaItem::Live, QStringLiteral("99"))));
        const QStringList recent = ids(library.recentChannels(kServer));
        QCOMPARE(recent.size(), 20);
        QCOMPARE(recent.mid(0, 3),
                 (QStringList{QStringLiteral("10"), QStringLiteral("25"), QStringLiteral("24")}));
        QCOMPARE(recent.last(), QStringLiteral("6"));
        // Backspace: from the channel watched last to the one before, and back.
        QCOMPARE(watchrules::previousChannelIndex(recent, QStringLiteral("10")), 1);
        QCOMPARE(watchrules::previousChannelIndex(recent, QStringLiteral("movie")), 0);
        QCOMPARE(watchrules::previousChannelIndex(recent.mid(0, 1), QStringLiteral("10")), -1);
    }

    void exportAndImport()
    {
        QByteArray json;
        {
            Library library(path());
            QVERIFY(
                library.setFavorite(kServer, item(MediaItem::Series, QStringLiteral("5")), true));
            QVERIFY(library.setFavorite(kServer, item(MediaItem::Live, QStringLiteral("6")), true));
            QVERIFY(library.savePosition(kServer, item(MediaItem::Movie, QStringLiteral("7")),
                                         90000, 600000));
            json = library.exportJson();
        }
        // The other computer already watched movie 7 further, later, and has a star of its own.
        QTemporaryDir other;
        Library target(other.filePath(QStringLiteral("library.db")));
        QVERIFY(target.setFavorite(kServer, item(MediaItem::Live, QStringLiteral("8")), true));
        Clock::advanceFake(60000);
        QVERIFY(target.savePosition(kServer, item(MediaItem::Movie, QStringLiteral("7")), 200000,
                                    600000));
        QString summary;
        QVERIFY2(target.importJson(json, &summary), qPrintable(summary));
        // Movie 7 is further on here: the older position of the file changes nothing.
        QCOMPARE(summary, QStringLiteral(
                              "Imported: 2 favorites, 0 watch positions. Already up to date: 1."));
        QVERIFY(target.isFavorite(kServer, item(MediaItem::Series, QStringLiteral("5"))));
        QCOMPARE(ids(target.favorites(kServer, MediaItem::Live)),
                 (QStringList{QStringLiteral("8"), QStringLiteral("6")}));
        QCOMPARE(target.watchState(kServer, item(MediaItem::Movie, QStringLiteral("7"))).positionMs,
                 qint64(200000));

        QVERIFY(!target.importJson("{\"favorites\": []}", &summary));
        QCOMPARE(summary, QStringLiteral("The file is not a Velmora Player library export."));
        QVERIFY(!target.importJson("not json", &summary));
    }

    // An export file read from disk off the window's thread: refused as a whole, with the reason,
    // when it is too large or any value has the wrong type or range; otherwise the report counts
    // what was really stored, and entries of a server known here by name find its key.
    void importFile_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("stored"); // favorites in the library afterwards
        const QByteArray head = R"({"format": "velmora-library", "version": 1, )";
        const QByteArray star =
            R"({"server": "other-key", "serverName": "Home", "kind": 1, "id": "7", "starredAt": 5})";
        QByteArray many = head + R"("favorites": [)";
        for (int i = 0; i < 1000; ++i)
            many += star + ',';
        many += R"({"server": "Home", "kind": 2, "id": "9", "starredAt": 6}], "watch": [)"
                R"({"server": "Home", "kind": 1, "id": "8", "positionMs": 90000,)"
                R"( "durationMs": 600000, "watched": false, "updatedAt": 7}]})";
        QTest::newRow("duplicates count once")
            << many
            << QStringLiteral("Imported: 2 favorites, 1 watch positions. Already up to date: 999.")
            << 2;
        QByteArray huge = head + R"("favorites": [)";
        while (huge.size() <= LibraryImport::kMaxFileBytes)
            huge += star + ',';
        huge += star + "]}";
        QTest::newRow("larger than the cap")
            << huge << QStringLiteral("more than a library export") << 0;
        QTest::newRow("version as text")
            << QByteArray(R"({"format": "velmora-library", "version": "1", "favorites": []})")
            << QStringLiteral("\"version\" is not a version number") << 0;
        QTest::newRow("newer version")
            << QByteArray(R"({"format": "velmora-library", "version": 2, "favorites": []})")
            << QStringLiteral("newer version") << 0;
        QTest::newRow("kind out of range")
            << head + R"("favorites": [)" + star + R"(, {"server": "Home", "kind": 7, "id": "1"}]})"
            << QStringLiteral("Entry 2 of \"favorites\": \"kind\" must be a whole number from 0 "
                              "to 3. Nothing was imported.")
            << 0;
        QTest::newRow("position beyond whole numbers")
            << head + R"("watch": [{"server": "Home", "kind": 1, "id": "1", "positionMs": 1e300}]})"
            << QStringLiteral("\"positionMs\" must be a whole number") << 0;
        QTest::newRow("fraction of a millisecond")
            << head +
                   R"("favorites": [{"server": "Home", "kind": 1, "id": "1", "starredAt": 1.5}]})"
            << QStringLiteral("\"starredAt\" must be a whole number") << 0;
        QTest::newRow("name of the wrong type")
            << head + R"("favorites": [{"server": "Home", "kind": 1, "id": "1", "name": 5}]})"
            << QStringLiteral("\"name\" must be text.") << 0;
        QTest::newRow("list of the wrong type")
            << head + R"("favorites": {"server": "Home"}})" << QStringLiteral("is not a list") << 0;
    }
    void importFile()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        QFETCH(int, stored);
        QFile file(dir.filePath(QStringLiteral("export.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(json);
        file.close();
        Library library(path());
        QObject context;
        int calls = 0;
        bool ok = false;
        QString said;
        library.importFile(file.fileName(), {{kServer, kServer}}, &context,
                           [&](bool success, const QString& text) {
                               ++calls;
                               ok = success;
                               said = text;
                           });
        QCOMPARE(calls, 0); // never from inside the call
        QTRY_COMPARE(calls, 1);
        QCOMPARE(ok, stored > 0);
        QVERIFY2(said.contains(message), qPrintable(said));
        const int favorites = int(library.favorites(kServer, MediaItem::Movie).size() +
                                  library.favorites(kServer, MediaItem::Series).size());
        QCOMPARE(favorites, stored);
        QVERIFY(library.favorites(QStringLiteral("other-key"), MediaItem::Movie).isEmpty());
    }

    void damagedFile_data()
    {
        QTest::addColumn<QByteArray>("damage"); // what replaces the file's bytes
        QTest::addColumn<int>("keep");          // bytes of the real file kept before it
        QTest::newRow("not a database") << QByteArray("this is no database\n").repeated(300) << 0;
        QTest::newRow("header only") << QByteArray() << 100;
        QTest::newRow("pages overwritten") << QByteArray(4096 * 3, '\x5a') << 4096;
    }

    void damagedFile()
    {
        QFETCH(QByteArray, damage);
        QFETCH(int, keep);
        {
            Library library(path());
            for (int i = 0; i < 300; ++i)
                QVERIFY(
                    library.setFavorite(kServer, item(MediaItem::Movie, QString::number(i)), true));
        }
        QFile file(path());
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray bytes = file.readAll().left(keep) + damage;
        QVERIFY(file.resize(0));
        QVERIFY(file.write(bytes) == bytes.size());
        file.close();

        Library library(path());
        QVERIFY(library.isPersistent());
        const QString problem = library.takeProblem();
        QVERIFY2(problem.startsWith(QStringLiteral("Your library (favorites and watch progress) "
                                                   "could not be read and was started afresh.")),
                 qPrintable(problem));
        QCOMPARE(library.takeProblem(), QString());
        const QString aside = path() + QStringLiteral(".damaged-") +
                              QDateTime::fromMSecsSinceEpoch(Clock::epochMs())
                                  .toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QVERIFY2(problem.contains(aside), qPrintable(problem));
        QFile kept(aside);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes);
        QVERIFY(QFile::remove(aside));
        QFile::remove(aside + QStringLiteral("-wal"));

        // An empty library that works, and keeps working on the next start.
        QVERIFY(library.favorites(kServer, MediaItem::Movie).isEmpty());
        QVERIFY(library.setFavorite(kServer, item(MediaItem::Movie, QStringLiteral("1")), true));
        Library again(path());
        QCOMPARE(again.takeProblem(), QString());
        QCOMPARE(again.favorites(kServer, MediaItem::Movie).size(), 1);
    }

    void newerFileIsLeftAlone()
    {
        {
            Library library(path());
            QVERIFY(
                library.setFavorite(kServer, item(MediaItem::Movie, QStringLiteral("1")), true));
        }
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
            db.setDatabaseName(path());
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version=99")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("newer"));
        {
            Library library(path());
            QVERIFY(!library.isPersistent());
            QVERIFY(library.takeProblem().contains(QStringLiteral("newer version")));
            QVERIFY(library.favorites(kServer, MediaItem::Movie).isEmpty());
            QVERIFY(
                library.setFavorite(kServer, item(MediaItem::Movie, QStringLiteral("2")), true));
        }
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("library.db.damaged*")}),
                 QStringList());
    }
};

VELMORA_TEST_MAIN(TestLibrary)
#include "tst_library.moc"
