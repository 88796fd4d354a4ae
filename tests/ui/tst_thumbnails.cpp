#include "app/clock.h"
#include "app/httprequests.h"
#include "loopbackhttpserver.h"
#include "mainwindowtestaccess.h"
#include "player/vlcplayer.h"
#include "sources/sourcemanager.h"
#include "tempprofile.h"
#include "testmain.h"
#include "ui/catalogconstants.h"
#include "ui/posterloader.h"
#include "ui/thumbnailpaths.h"
#include "xtreamfixture.h"

#include <QBuffer>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QNetworkAccessManager>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>

using Response = LoopbackHttpServer::Response;

namespace {
constexpr int kUrlRole = Qt::UserRole + 1;
constexpr int kRequestedRole = Qt::UserRole + 2;
const QColor kPosterColour(200, 30, 40);
const QColor kPlaceholderColour(45, 45, 48);

QByteArray png(int width, int height, const QColor& colour = kPosterColour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The file a poster URL is kept in, worked out here independently of the program.
QString diskFile(const QString& url)
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/thumb_cache/") +
           QString::fromLatin1(
               QCryptographicHash::hash(url.toUtf8(), QCryptographicHash::Sha256).toHex()) +
           QStringLiteral(".img");
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QColor tileColour(const QListWidgetItem* tile)
{
    return tile->icon().pixmap(kPosterTileSize).toImage().pixelColor(70, 105);
}

MediaItem movie(int id, const QString& iconUrl, const QString& name = QString())
{
    MediaItem m;
    m.type = MediaItem::Movie;
    m.id = QString::number(id);
    m.name = name.isEmpty() ? QStringLiteral("Movie %1").arg(id, 4, 10, QLatin1Char('0')) : name;
    m.categoryId = QStringLiteral("1");
    m.iconUrl = iconUrl;
    m.containerExtension = QStringLiteral("mp4");
    return m;
}
} // namespace

class TestThumbnails : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempProfile> profile;
    XtreamFixture xtream;
    LoopbackHttpServer posters;
    QHash<QString, int> hits;                 // poster path -> requests so far
    QHash<QString, QList<Response>> scripted; // poster path -> answers in turn (last repeats)

    QString url(const QString& path) const { return posters.baseUrl() + path; }
    int requestsFor(const QString& path) const { return int(posters.requestsTo(path).size()); }

    void setMovies(const QList<MediaItem>& movies)
    {
        XtreamFixture::Catalog c;
        c.vodCategories = {{QStringLiteral("1"), QStringLiteral("All of them")}};
        c.movies = movies;
        xtream.setCatalog(c);
    }

    void storeServer() { SourceManager().saveSource(xtream.server(QStringLiteral("A"))); }

    // A loaded window showing the "Movies" grid as the load filled it (all categories), without
    // refilling it. `beforeLoad` runs before the catalog arrives, so nothing is requested yet.
    std::unique_ptr<MainWindow>
    openMovies(const std::function<void(MainWindowTestAccess&)>& beforeLoad = {})
    {
        auto window = std::make_unique<MainWindow>();
        MainWindowTestAccess w(*window);
        QObject::disconnect(w.player(), nullptr, window.get(), nullptr);
        if (beforeLoad)
            beforeLoad(w);
        if (!QTest::qWaitFor([&]() { return w.pendingFetchSteps() == 0; }))
            return nullptr;
        window->show();
        w.tabs()->setCurrentIndex(w.movieTabIndex());
        w.movieStack()->setCurrentIndex(1);
        return window;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(xtream.start());
        posters.setFallback([this](const LoopbackHttpServer::Request& r) {
            const int n = hits[r.path]++;
            if (scripted.contains(r.path)) {
                const QList<Response>& answers = scripted[r.path];
                return answers.at(std::min(n, int(answers.size()) - 1));
            }
            const QByteArray body = png(140, 210);
            if (r.path.startsWith(u"/png/"))
                return LoopbackHttpServer::text(body, "image/png");
            if (r.path.startsWith(u"/upper/"))
                return LoopbackHttpServer::text(body, "IMAGE/PNG");
            if (r.path.startsWith(u"/jpeg/")) {
                QByteArray jpeg;
                QBuffer buffer(&jpeg);
                buffer.open(QIODevice::WriteOnly);
                QImage jpegImage(140, 210, QImage::Format_RGB32);
                jpegImage.fill(Qt::blue);
                jpegImage.save(&buffer, "JPEG");
                return LoopbackHttpServer::text(jpeg, "image/jpeg");
            }
            if (r.path.startsWith(u"/html/"))
                return LoopbackHttpServer::text(body, "text/html");
            if (r.path.startsWith(u"/none/"))
                return LoopbackHttpServer::text(body, QByteArray());
            if (r.path.startsWith(u"/garbage/"))
                return LoopbackHttpServer::text("not an image", "image/png");
            return LoopbackHttpServer::status(404);
        });
        QVERIFY(posters.start());
    }

    void init()
    {
        profile = std::make_unique<TempProfile>();
        posters.clearRequests();
        hits.clear();
        scripted.clear();
        storeServer();
    }

    void cleanup()
    {
        profile.reset();
        Clock::setTimeScale(1);
    }

    // The content-type rule and the other ways a download can fail: only accepted downloads end
    // with the poster on the tile, in memory and on disk.
    void downloads_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("image/png") << "/png/1.png" << true;
        QTest::newRow("IMAGE/PNG") << "/upper/1.png" << true;
        QTest::newRow("no content type, decodes") << "/none/1.png" << true;
        QTest::newRow("image/jpeg") << "/jpeg/1.jpg" << true;
        QTest::newRow("text/html with an image body") << "/html/1.png" << false;
        QTest::newRow("image/png that does not decode") << "/garbage/1.png" << false;
        QTest::newRow("404") << "/missing/1.png" << false;
    }
    void downloads()
    {
        QFETCH(QString, path);
        QFETCH(bool, accepted);
        const QString posterUrl = url(path);
        setMovies({movie(1, posterUrl)});
        std::unique_ptr<QSignalSpy> finished;
        auto window = openMovies([&](MainWindowTestAccess& w) {
            finished =
                std::make_unique<QSignalSpy>(w.networkManager(), &QNetworkAccessManager::finished);
        });
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        QListWidgetItem* tile = w.movieGrid()->item(0);
        QTRY_COMPARE(requestsFor(path), 1);
        QTRY_COMPARE(finished->count(), 1);
        QVERIFY(tile->data(kRequestedRole).toBool());
        QCOMPARE(w.posterLoader()->inMemory(posterUrl), accepted);
        QCOMPARE(QFile::exists(diskFile(posterUrl)), accepted);
        if (path.startsWith(u"/jpeg/"))
            QCOMPARE(tileColour(tile).blue() > 200 && tileColour(tile).red() < 50, accepted);
        else
            QCOMPARE(tileColour(tile), accepted ? kPosterColour : kPlaceholderColour);
        if (accepted && !path.startsWith(u"/jpeg/"))
            QCOMPARE(readAll(diskFile(posterUrl)), png(140, 210)); // the bytes as received

        // A new tile for the same poster (refiltering) is asked for again: from memory when the
        // download worked, otherwise once more from the server.
        w.movieSearchEdit()->setText(QStringLiteral("Movie"));
        QTRY_VERIFY(w.movieGrid()->item(0)->data(kRequestedRole).toBool());
        QTRY_COMPARE(requestsFor(path), accepted ? 1 : 2);
        if (accepted && !path.startsWith(u"/jpeg/"))
            QCOMPARE(tileColour(w.movieGrid()->item(0)), kPosterColour);
    }

    // An entry without a poster URL keeps the placeholder and sends nothing.
    void emptyUrl()
    {
        setMovies({movie(1, QString()), movie(2, url(QStringLiteral("/png/2.png")))});
        auto window = openMovies();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        QTRY_COMPARE(requestsFor(QStringLiteral("/png/2.png")), 1);
        QTRY_COMPARE(tileColour(w.movieGrid()->item(1)), kPosterColour);
        QVERIFY(w.movieGrid()->item(0)->data(kRequestedRole).toBool());
        QCOMPARE(tileColour(w.movieGrid()->item(0)), kPlaceholderColour);
        QCOMPARE(posters.requests().size(), 1);
    }

    // Only tiles reaching into the visible area extended by 400 px above and below are asked
    // for, each once.
    void requestWindow()
    {
        QList<MediaItem> movies;
        for (int i = 0; i < 400; ++i)
            movies.append(movie(i, url(QStringLiteral("/png/%1.png").arg(i))));
        setMovies(movies);
        auto window = openMovies();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        QListWidget* grid = w.movieGrid();
        QScrollBar* bar = grid->verticalScrollBar();
        QTRY_VERIFY(grid->item(0)->data(kRequestedRole).toBool());
        QCOMPARE(bar->value(), 0);
        const int lastPixelRow = grid->viewport()->height() - 1;

        // Row tops at scroll 0, and the first tile of each row.
        QList<int> rowTops, rowFirst;
        for (int i = 0; i < grid->count(); ++i) {
            const int top = grid->visualItemRect(grid->item(i)).top();
            if (rowTops.isEmpty() || top != rowTops.last()) {
                rowTops.append(top);
                rowFirst.append(i);
            }
        }
        QVERIFY(rowTops.size() > 20);
        const int rowHeight = rowTops[1] - rowTops[0];
        auto requested = [&](int row) {
            return grid->item(rowFirst[row])->data(kRequestedRole).toBool();
        };
        auto sentFor = [&](int row) {
            return requestsFor(
                QStringLiteral("/png/%1.png").arg(w.movieShown().at(rowFirst[row]).id));
        };

        // At scroll 0 the last row asked for is the last one starting within 400 px below.
        int expectedLast = 0;
        while (expectedLast + 1 < rowTops.size() && rowTops[expectedLast + 1] <= lastPixelRow + 400)
            ++expectedLast;
        QVERIFY(requested(expectedLast));
        QVERIFY(!requested(expectedLast + 1));
        QTRY_COMPARE(sentFor(expectedLast), 1);
        QCOMPARE(sentFor(expectedLast + 1), 0);

        // Lower edge: a row whose top lies 401 px below the last pixel row is not asked for;
        // one pixel further down the grid, at 400 px, it is.
        const int target = expectedLast + 6;
        const int s = rowTops[target] - lastPixelRow - 401;
        QVERIFY(s > 0 && s + 1 <= bar->maximum());
        bar->setValue(s);
        QVERIFY(!requested(target));
        bar->setValue(s + 1);
        QVERIFY(requested(target));
        QVERIFY(!requested(target + 1));
        QTRY_COMPARE(sentFor(target), 1);

        // Upper edge, on fresh tiles (a refill, which keeps the scroll position): a row whose
        // bottom is 401 px above the viewport is not asked for, at 400 px it is.
        w.movieSortBox()->setCurrentIndex(1);
        QVERIFY(!requested(0));
        QTRY_VERIFY(requested(target)); // the zero-delay load ran where the grid stands
        int lastAsked = 0;
        for (int row = 0; row < rowTops.size(); ++row) {
            if (requested(row))
                lastAsked = row;
        }
        const int upper = lastAsked + 3;
        const int bottom =
            grid->visualItemRect(grid->item(rowFirst[upper])).bottom() + bar->value();
        QVERIFY(bottom + 401 <= bar->maximum());
        bar->setValue(bottom + 401);
        QVERIFY(!requested(upper));
        QVERIFY(requested(upper + 1));
        bar->setValue(bottom + 400);
        QVERIFY(requested(upper));
        QVERIFY(rowHeight > 0);

        // Scrolling back and forth asks for nothing more.
        auto flagged = [&]() {
            int count = 0;
            for (int i = 0; i < grid->count(); ++i)
                count += grid->item(i)->data(kRequestedRole).toBool() ? 1 : 0;
            return count;
        };
        const int before = flagged();
        bar->setValue(bottom + 401);
        bar->setValue(bottom + 400);
        QCOMPARE(flagged(), before);

        // A taller viewport (a resize, no scrolling) reaches further down; fresh tiles again.
        w.movieSortBox()->setCurrentIndex(2);
        bar->setValue(0);
        QTRY_VERIFY(requested(expectedLast));
        QVERIFY(!requested(expectedLast + 1));
        window->resize(window->width(), window->height() + rowHeight);
        QTRY_VERIFY(requested(expectedLast + 1));
        QCOMPARE(bar->value(), 0);
    }

    // One download updates every tile with its URL, including tiles created after it was sent.
    void repliesMatchTilesByUrl()
    {
        Response slow = LoopbackHttpServer::text(png(140, 210), "image/png");
        slow.mode = Response::Mode::Trickle;
        slow.chunkBytes = 64;
        slow.chunkDelayMs = 25;
        scripted.insert(QStringLiteral("/shared.png"), {slow, LoopbackHttpServer::stall()});
        Response slower = slow;
        slower.chunkBytes = 16;
        slower.chunkDelayMs = 40;
        scripted.insert(QStringLiteral("/refill.png"), {slower, LoopbackHttpServer::stall()});
        setMovies({movie(1, url(QStringLiteral("/shared.png")), QStringLiteral("A first")),
                   movie(2, url(QStringLiteral("/shared.png")), QStringLiteral("B second")),
                   movie(3, url(QStringLiteral("/refill.png")), QStringLiteral("C third"))});
        auto window = openMovies();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        QListWidget* grid = w.movieGrid();

        // Both shared tiles were asked for (no de-duplication); the first answer fills both, the
        // second never comes.
        QTRY_COMPARE(requestsFor(QStringLiteral("/shared.png")), 2);
        QTRY_COMPARE(tileColour(grid->item(0)), kPosterColour);
        QCOMPARE(tileColour(grid->item(1)), kPosterColour);

        // The grid is refilled while the third poster is still on its way (several times slower
        // than the first): the new tile is asked for again (that request stalls), and the first
        // answer lands on it.
        QTRY_COMPARE(requestsFor(QStringLiteral("/refill.png")), 1);
        w.movieSearchEdit()->setText(QStringLiteral("third"));
        QCOMPARE(grid->count(), 1);
        QTRY_COMPARE(requestsFor(QStringLiteral("/refill.png")), 2);
        QCOMPARE(tileColour(grid->item(0)), kPlaceholderColour);
        QTRY_COMPARE(tileColour(grid->item(0)), kPosterColour);
    }

    // Posters downloaded once come from the disk after a restart, without a request; a file that
    // does not decode is downloaded again and replaced.
    void diskCacheAcrossRestarts()
    {
        setMovies({movie(1, url(QStringLiteral("/png/1.png"))),
                   movie(2, url(QStringLiteral("/png/2.png"))),
                   movie(3, url(QStringLiteral("/png/3.png")))});
        {
            auto window = openMovies();
            QVERIFY(window);
            MainWindowTestAccess w(*window);
            QTRY_COMPARE(w.posterLoader()->memoryCount(), 3);
        }
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(readAll(diskFile(url(QStringLiteral("/png/%1.png").arg(i)))), png(140, 210));
        const QString broken = diskFile(url(QStringLiteral("/png/3.png")));
        {
            QFile file(broken);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("damaged");
        }
        posters.clearRequests();

        auto window = openMovies();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        QListWidget* grid = w.movieGrid();
        QTRY_VERIFY(grid->item(1)->data(kRequestedRole).toBool());
        QCOMPARE(tileColour(grid->item(0)), kPosterColour); // from disk, at once
        QCOMPARE(tileColour(grid->item(1)), kPosterColour);
        QTRY_COMPARE(tileColour(grid->item(2)), kPosterColour);
        QCOMPARE(posters.requests().size(), 1);
        QCOMPARE(posters.requests().at(0).path, QStringLiteral("/png/3.png"));
        QCOMPARE(readAll(broken), png(140, 210));
        QVERIFY(QDir(QFileInfo(broken).path()).entryList(QDir::Files).size() ==
                3); // no temp files left
    }

    // Memory holds posters at tile size (aspect kept); the disk keeps the bytes as received.
    void memoryAtTileSize_data()
    {
        QTest::addColumn<QSize>("served");
        QTest::addColumn<QSize>("inMemory");
        QTest::newRow("large poster scaled down") << QSize(700, 1050) << QSize(140, 210);
        QTest::newRow("wide image keeps its aspect") << QSize(1000, 500) << QSize(140, 70);
        QTest::newRow("tall image keeps its aspect") << QSize(300, 900) << QSize(70, 210);
        QTest::newRow("small poster as it is") << QSize(100, 150) << QSize(100, 150);
    }
    void memoryAtTileSize()
    {
        QFETCH(QSize, served);
        QFETCH(QSize, inMemory);
        const QByteArray body = png(served.width(), served.height());
        scripted.insert(QStringLiteral("/poster.png"),
                        {LoopbackHttpServer::text(body, "image/png")});
        const QString posterUrl = url(QStringLiteral("/poster.png"));
        setMovies({movie(1, posterUrl)});
        {
            auto window = openMovies();
            QVERIFY(window);
            MainWindowTestAccess w(*window);
            QTRY_VERIFY(w.posterLoader()->inMemory(posterUrl));
            QCOMPARE(w.posterLoader()->cached(posterUrl).size(), inMemory);
            QCOMPARE(readAll(diskFile(posterUrl)), body);
        }
        // The same from the disk after a restart.
        auto window = openMovies();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        QTRY_VERIFY(w.posterLoader()->inMemory(posterUrl));
        QCOMPARE(w.posterLoader()->cached(posterUrl).size(), inMemory);
        QCOMPARE(requestsFor(QStringLiteral("/poster.png")), 1);
    }

    // Downloads that hang hold only their slot, and only until they have been silent for the
    // inactivity limit (a slow one that keeps sending is left alone); queued ones go out by
    // priority, and those the view dropped are never sent.
    void downloadQueue()
    {
        Clock::setTimeScale(40); // a silent download fails after 0.5 s, not 20
        const QByteArray body = png(140, 210);
        Response slow = LoopbackHttpServer::text(body, "image/png");
        slow.mode = Response::Mode::Trickle;
        slow.chunkBytes = std::max(1, int(body.size()) / 15);
        slow.chunkDelayMs = 80;
        scripted.insert(QStringLiteral("/hang.png"), {LoopbackHttpServer::stall()});
        scripted.insert(QStringLiteral("/slow.png"), {slow});
        QNetworkAccessManager manager;
        PosterLoader::Settings settings;
        settings.maxDownloads = 2;
        PosterLoader loader(&manager, settings);
        QStringList outcomes;
        auto ask = [&](const QString& path, int tag, int priority) {
            loader.download(url(path), 0, tag, priority,
                            [&outcomes, path](PosterLoader::Outcome outcome, const QPixmap& p) {
                                const char* word[] = {"loaded", "failed", "dropped"};
                                outcomes
                                    << path + u' ' + QLatin1String(word[int(outcome)]) +
                                           (p.isNull() ? QString() : QStringLiteral(" poster"));
                            });
        };
        ask(QStringLiteral("/hang.png"), 1, 0);
        ask(QStringLiteral("/slow.png"), 2, 0);
        ask(QStringLiteral("/png/later.png"), 3, 1);
        ask(QStringLiteral("/png/far.png"), 4, 1);
        ask(QStringLiteral("/png/visible.png"), 5, 1);
        QTRY_COMPARE(posters.requests().size(), 2);
        QCOMPARE(loader.downloadingCount(), 2);
        QCOMPARE(loader.queuedCount(), 3);

        // the view moved: 5 is on screen now, 4 far away
        loader.rerank(0, [](int tag) -> std::optional<int> {
            if (tag == 4)
                return std::nullopt;
            return tag == 5 ? 0 : 1;
        });
        QCOMPARE(outcomes, QStringList{QStringLiteral("/png/far.png dropped")});
        QTRY_COMPARE_WITH_TIMEOUT(outcomes.size(), 5, 10000);
        Clock::setTimeScale(1);
        QVERIFY2(outcomes.contains(QStringLiteral("/hang.png failed")),
                 qPrintable(outcomes.join(u',')));
        QVERIFY2(outcomes.contains(QStringLiteral("/slow.png loaded poster")),
                 qPrintable(outcomes.join(u',')));
        QStringList sent;
        for (const LoopbackHttpServer::Request& r : posters.requests())
            sent << r.path;
        QCOMPARE(sent.mid(2), QStringList({QStringLiteral("/png/visible.png"),
                                           QStringLiteral("/png/later.png")}));
        QCOMPARE(outcomes.mid(3).filter(QStringLiteral("loaded poster")).size(), 2);
    }

    // Posters in memory stay within their byte budget, least recently used out; one let go
    // comes back from the disk cache without a download.
    void memoryBudget()
    {
        const QList<QColor> colours{Qt::red, Qt::green, Qt::blue, Qt::yellow};
        QStringList urls;
        for (int i = 0; i < colours.size(); ++i) {
            urls << url(QStringLiteral("/disk/%1.png").arg(i));
            QVERIFY(storeThumbnailFile(urls.last(), png(140, 210, colours[i])));
        }
        QPixmap sample;
        QVERIFY(sample.loadFromData(png(140, 210)));
        const qint64 posterBytes = qint64(sample.width()) * sample.height() * sample.depth() / 8;
        QNetworkAccessManager manager;
        PosterLoader::Settings settings;
        settings.memoryBudgetBytes = 3 * posterBytes + posterBytes / 2;
        PosterLoader loader(&manager, settings);
        auto colourOf = [&](int i) { return loader.cached(urls[i]).toImage().pixelColor(70, 105); };

        for (int i : {0, 1, 2, 0}) // the first one used again last
            QCOMPARE(colourOf(i), colours[i]);
        QCOMPARE(loader.memoryCount(), 3);
        QCOMPARE(colourOf(3), colours[3]);
        QCOMPARE(loader.memoryCount(), 3);
        QCOMPARE(loader.memoryBytes(), 3 * posterBytes);
        QVERIFY(!loader.inMemory(urls[1])); // least recently used
        QVERIFY(loader.inMemory(urls[0]));

        QCOMPARE(colourOf(1), colours[1]); // from the disk again, pushing out the next
        QVERIFY(!loader.inMemory(urls[2]));
        QVERIFY(loader.memoryBytes() <= settings.memoryBudgetBytes);
        QCOMPARE(posters.requests().size(), 0);
    }
};

VELMORA_TEST_MAIN(TestThumbnails)
#include "tst_thumbnails.moc"
