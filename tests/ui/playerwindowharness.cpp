#include "playerwindowharness.h"

#include "sources/sourcemanager.h"
#include "ui/mainwindow.h"

#include <QTest>

namespace {
const QString kServerName = QStringLiteral("Loopback");

MediaItem entry(MediaItem::Type type, const QString& id, const QString& name,
                const QString& extension = QString())
{
    MediaItem item;
    item.type = type;
    item.id = id;
    item.name = name;
    item.categoryId = QStringLiteral("1");
    item.containerExtension = extension;
    return item;
}

MediaItem findIn(const QList<MediaItem>& items, const QString& id)
{
    for (const MediaItem& item : items) {
        if (item.id == id)
            return item;
    }
    return {};
}
} // namespace

PlayerWindowHarness::PlayerWindowHarness()
{
    XtreamFixture::Catalog catalog;
    catalog.liveCategories = {Category{QStringLiteral("1"), QStringLiteral("Live")}};
    catalog.vodCategories = {Category{QStringLiteral("1"), QStringLiteral("Films")}};
    catalog.live = {entry(MediaItem::Live, QStringLiteral("11"), QStringLiteral("Test Channel")),
                    entry(MediaItem::Live, QStringLiteral("12"), QStringLiteral("Quiet Channel")),
                    entry(MediaItem::Live, QStringLiteral("13"), QStringLiteral("Other Channel"))};
    catalog.movies = {entry(MediaItem::Movie, QStringLiteral("21"), QStringLiteral("Test Movie"),
                            QStringLiteral("mp4")),
                      entry(MediaItem::Movie, QStringLiteral("22"), QStringLiteral("Quiet Movie"),
                            QStringLiteral("mp4")),
                      entry(MediaItem::Movie, QStringLiteral("23"), QStringLiteral("Tracks Movie"),
                            QStringLiteral("mkv")),
                      entry(MediaItem::Movie, QStringLiteral("24"), QStringLiteral("Mute Movie"),
                            QStringLiteral("ts"))};
    xtream.setCatalog(catalog);
    // Stream addresses nobody routed: connected, never answered, so libVLC stays quiet.
    xtream.server().setFallback(
        [](const LoopbackHttpServer::Request&) { return LoopbackHttpServer::stall(); });
}

PlayerWindowHarness::~PlayerWindowHarness()
{
    close();
}

bool PlayerWindowHarness::startServer()
{
    return xtream.start();
}

bool PlayerWindowHarness::open()
{
    close();
    profile = std::make_unique<TempProfile>();
    SourceConfig server = xtream.server(kServerName);
    server.liveExtension = QStringLiteral("ts");
    {
        SourceManager store;
        store.saveSource(server);
        store.setLastActiveSourceName(kServerName);
    }
    mainWindow = std::make_unique<MainWindow>();
    access = std::make_unique<MainWindowTestAccess>(*mainWindow);
    mainWindow->show();
    if (!QTest::qWaitForWindowExposed(mainWindow.get()))
        return false;
    return QTest::qWaitFor(
        [this] { return access->liveItems().size() == 3 && access->movieItems().size() == 4; },
        10000);
}

void PlayerWindowHarness::close()
{
    access.reset();
    mainWindow.reset();
    profile.reset();
}

QString PlayerWindowHarness::livePath(const QString& id)
{
    return QStringLiteral("/live/user/pass/%1.ts").arg(id);
}

QString PlayerWindowHarness::moviePath(const QString& id)
{
    static const QHash<QString, QString> extensions{{QStringLiteral("23"), QStringLiteral("mkv")},
                                                    {QStringLiteral("24"), QStringLiteral("ts")}};
    return QStringLiteral("/movie/user/pass/%1.%2")
        .arg(id, extensions.value(id, QStringLiteral("mp4")));
}

QString PlayerWindowHarness::episodePath(const QString& id)
{
    return QStringLiteral("/series/user/pass/%1.mp4").arg(id);
}

MediaItem PlayerWindowHarness::live(const QString& id) const
{
    return access ? findIn(access->liveItems(), id) : MediaItem();
}

MediaItem PlayerWindowHarness::movie(const QString& id) const
{
    return access ? findIn(access->movieItems(), id) : MediaItem();
}

MediaItem PlayerWindowHarness::episode(const QString& id, const QString& name)
{
    return entry(MediaItem::SeriesEpisode, id, name, QStringLiteral("mp4"));
}
