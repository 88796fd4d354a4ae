// Memory of scrolling a "Movies" grid of 5,000 entries from top to bottom, every poster coming
// from the disk cache (300 x 450 JPEG files, as poster servers commonly send), in two modes, each
// in a process of its own:
//   tile: the window as it is, which keeps posters in memory at tile size;
//   full: the same scroll with the grid's scroll-bar loader swapped, in this benchmark, for one
//         that keeps every poster at its decoded size (how the window held them before).
// The first screenful of tiles is loaded by the window's own code in both modes.
#include "benchutil.h"
#include "benchwindow.h"
#include "mainwindowtestaccess.h"
#include "tempprofile.h"

#include "ui/thumbnailpaths.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QProcess>
#include <QScrollBar>
#include <QTabWidget>

#include <cstdio>

namespace {
constexpr int kPosters = 5000;
constexpr int kMarginPx = 400;

QByteArray posterJpeg(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(30, 60, 120));
    gradient.setColorAt(1, QColor(200, 120, 40));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("Sans"), 28, QFont::Bold));
    painter.drawText(image.rect(), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("A Poster\nTitle"));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return bytes;
}

// The loader as it was: same area and flag rule as the window, but the decoded pixmap is kept.
void loadFullSize(MainWindowTestAccess& w, QListWidget* grid)
{
    const QRect viewport = grid->viewport()->rect();
    const QRect area(QPoint(0, -kMarginPx),
                     QPoint(viewport.width() - 1, viewport.height() - 1 + kMarginPx));
    for (int row = 0; row < grid->count(); ++row) {
        QListWidgetItem* item = grid->item(row);
        if (item->data(Qt::UserRole + 2).toBool() || !grid->visualItemRect(item).intersects(area))
            continue;
        item->setData(Qt::UserRole + 2, true);
        const QString url = item->data(Qt::UserRole + 1).toString();
        if (const auto cached = w.thumbnailCache().constFind(url);
            cached != w.thumbnailCache().cend()) {
            item->setIcon(QIcon(*cached));
            continue;
        }
        QPixmap poster;
        if (poster.load(thumbnailCachePath(url))) {
            w.thumbnailCache().insert(url, poster);
            item->setIcon(QIcon(poster));
        }
    }
}

int runMode(const QString& mode, const QSize& posterSize)
{
    TempProfile profile;
    QList<MediaItem> movies;
    const QByteArray jpeg = posterJpeg(posterSize);
    QDir().mkpath(thumbnailCacheDir());
    for (int i = 0; i < kPosters; ++i) {
        MediaItem m;
        m.type = MediaItem::Movie;
        m.id = QString::number(i + 1);
        m.name = QStringLiteral("Movie %1").arg(i + 1, 5, 10, QLatin1Char('0'));
        m.categoryId = QStringLiteral("1");
        m.iconUrl = QStringLiteral("http://127.0.0.1:9/poster/%1.jpg").arg(i + 1);
        QFile file(thumbnailCachePath(m.iconUrl));
        if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size())
            return 1;
        movies.append(m);
    }
    bench::storeCachedServer(QStringLiteral("Posters"), {}, movies);

    MainWindow window;
    MainWindowTestAccess w(window);
    window.show();
    bench::settle();
    w.tabs()->setCurrentIndex(w.movieTabIndex());
    w.selectMovieCategory(w.movieCategoryList()->item(0));
    QListWidget* grid = w.movieGrid();
    bench::settle();
    grid->viewport()->repaint();
    if (grid->count() != kPosters)
        return 1;

    QScrollBar* bar = grid->verticalScrollBar();
    if (mode == u"full") {
        QObject::disconnect(bar, &QScrollBar::valueChanged, &window, nullptr);
        QObject::connect(bar, &QScrollBar::valueChanged, &window,
                         [&w, grid]() { loadFullSize(w, grid); });
    }

    const qint64 startKib = bench::currentRssKib();
    bench::resetPeakRss();
    QElapsedTimer timer;
    timer.start();
    const int step = std::max(1, grid->viewport()->height() / 2);
    for (int value = 0; value < bar->maximum() + step; value += step) {
        bar->setValue(std::min(value, bar->maximum()));
        bench::settle();
        grid->viewport()->repaint();
    }
    const double scrollMs = double(timer.nsecsElapsed()) / 1e6;
    const qint64 endKib = bench::currentRssKib();

    qint64 pixmapBytes = 0;
    for (const QPixmap& poster : std::as_const(w.thumbnailCache()))
        pixmapBytes += qint64(poster.width()) * poster.height() * poster.depth() / 8;

    const QString name = QStringLiteral("posters in memory, %1 x %2 JPEGs")
                             .arg(posterSize.width())
                             .arg(posterSize.height());
    const QString label = mode == u"full" ? QStringLiteral("before (decoded size)")
                                          : QStringLiteral("after (tile size)");
    bench::report(
        name, label + QStringLiteral(": %1 posters, pixmap bytes").arg(w.thumbnailCache().size()),
        double(pixmapBytes) / (1024.0 * 1024.0), QStringLiteral("MiB"));
    bench::report(name, label + QStringLiteral(": RSS growth while scrolling"),
                  double(endKib - startKib) / 1024.0, QStringLiteral("MiB"));
    bench::report(name, label + QStringLiteral(": peak RSS while scrolling"),
                  double(bench::peakRssKib()) / 1024.0, QStringLiteral("MiB"));
    bench::report(name, label + QStringLiteral(": scroll top to bottom"), scrollMs / 1000.0,
                  QStringLiteral("s"));
    return 0;
}
} // namespace

int main(int argc, char* argv[])
{
    bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    bench::nameApplication();
    const QStringList args = QCoreApplication::arguments();
    QSize posterSize(300, 450);
    if (const qsizetype at = args.indexOf(QStringLiteral("--poster"));
        at >= 0 && at + 1 < args.size()) {
        const QStringList wh = args.at(at + 1).split(u'x');
        posterSize = QSize(wh.value(0).toInt(), wh.value(1).toInt());
    }
    if (const qsizetype at = args.indexOf(QStringLiteral("--mode"));
        at >= 0 && at + 1 < args.size())
        return runMode(args.at(at + 1), posterSize);

    // Each mode in a fresh process, so neither inherits the other's heap.
    for (const QString& mode : {QStringLiteral("full"), QStringLiteral("tile")}) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--mode"), mode, QStringLiteral("--poster"),
                     QStringLiteral("%1x%2").arg(posterSize.width()).arg(posterSize.height())});
        if (!child.waitForFinished(-1) || child.exitCode() != 0) {
            std::fprintf(stderr, "mode %s failed\n", qPrintable(mode));
            return 1;
        }
        const QByteArray out = child.readAllStandardOutput();
        std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
        std::fflush(stdout);
    }
    return 0;
}
