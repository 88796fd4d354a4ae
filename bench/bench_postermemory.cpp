// Memory of scrolling a "Movies" grid of 20,000 entries from top to bottom, every poster coming
// from the disk cache (300 x 450 JPEG files, as poster servers commonly send). The window keeps
// posters in memory up to the poster loader's budget (128 MiB) and lets tiles far from the view
// give theirs back, so the growth of the resident set while scrolling must stay under that
// budget plus 64 MiB, however many posters were seen.
#include "benchutil.h"
#include "benchwindow.h"
#include "mainwindowtestaccess.h"
#include "tempprofile.h"

#include "ui/posterloader.h"
#include "ui/thumbnailpaths.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QTabWidget>

namespace {
constexpr int kPosters = 20000;
constexpr double kBudgetMiB = 128;
constexpr double kAllowanceMiB = 64;

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
} // namespace

int main(int argc, char* argv[])
{
    bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    bench::nameApplication();
    const QSize posterSize(300, 450);

    TempProfile profile;
    // One JPEG on disk, every poster's cache file a link to it: each is still read and decoded
    // on its own, without 20,000 copies on the disk.
    QDir().mkpath(thumbnailCacheDir());
    const QString original = profile.root() + QStringLiteral("/poster.jpg");
    {
        QFile file(original);
        const QByteArray jpeg = posterJpeg(posterSize);
        if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size())
            return 1;
    }
    QList<MediaItem> movies;
    for (int i = 0; i < kPosters; ++i) {
        MediaItem m;
        m.type = MediaItem::Movie;
        m.id = QString::number(i + 1);
        m.name = QStringLiteral("Movie %1").arg(i + 1, 5, 10, QLatin1Char('0'));
        m.categoryId = QStringLiteral("1");
        m.iconUrl = QStringLiteral("http://127.0.0.1:9/poster/%1.jpg").arg(i + 1);
        if (!QFile::link(original, thumbnailCachePath(m.iconUrl)))
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

    const QString name = QStringLiteral("posters in memory, %1 scrolled past").arg(kPosters);
    const PosterLoader* loader = w.posterLoader();
    bench::report(name, QStringLiteral("posters held (%1)").arg(loader->memoryCount()),
                  double(loader->memoryBytes()) / (1024.0 * 1024.0), QStringLiteral("MiB"),
                  QStringLiteral("<= %1").arg(kBudgetMiB));
    const QString target = QStringLiteral("< %1").arg(kBudgetMiB + kAllowanceMiB);
    bench::report(name, QStringLiteral("RSS growth, top to bottom"),
                  double(endKib - startKib) / 1024.0, QStringLiteral("MiB"), target);
    bench::report(name, QStringLiteral("peak RSS growth, top to bottom"),
                  double(bench::peakRssKib() - startKib) / 1024.0, QStringLiteral("MiB"), target);
    bench::report(name, QStringLiteral("scroll top to bottom"), scrollMs / 1000.0,
                  QStringLiteral("s"));
    return 0;
}
