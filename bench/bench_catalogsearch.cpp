// Per-keystroke search on a loaded main window (offscreen): the time from a search field's
// textChanged to its view being filled, for the "Live TV" table and the "Movies" grid with 10k
// and 100k entries, for a 1-character and a 4-character query; and the same including the
// layout and paint that follow. The server's catalog comes from a fresh cache in a temporary
// profile, so no dialog opens and nothing leaves the machine.
#include "benchutil.h"
#include "benchwindow.h"
#include "catalogdata.h"
#include "mainwindowtestaccess.h"
#include "tempprofile.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>
#include <vector>

namespace {
constexpr int kRuns = 7;

// Posters point at a closed loopback port: the requests the grid makes fail at once, locally.
QList<MediaItem> catalog(int count, int type)
{
    QList<MediaItem> items = bench::generateItems(count, quint32(count + type));
    for (MediaItem& item : items) {
        item.type = type;
        item.iconUrl = QStringLiteral("http://127.0.0.1:9/p/%1.jpg").arg(item.id);
    }
    return items;
}

struct Figures
{
    double fillMs = 0;
    double fillCpuMs = 0;
    double paintedMs = 0;
    qsizetype shown = 0;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One keystroke: `before` is typed untimed, then `query` is timed.
Figures keystroke(QLineEdit* search, QAbstractItemView* view, const QString& before,
                  const QString& query, const std::function<qsizetype()>& shownCount)
{
    std::vector<double> fill, fillCpu, painted;
    qsizetype shown = 0;
    for (int run = 0; run < kRuns; ++run) {
        search->setText(before);
        bench::settle();
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = bench::threadCpuMs();
        search->setText(query); // textChanged -> filter slot -> view refilled
        fill.push_back(double(timer.nsecsElapsed()) / 1e6);
        fillCpu.push_back(bench::threadCpuMs() - cpuStart);
        bench::settle(); // delayed item layout, posters near the visible area
        view->viewport()->repaint();
        painted.push_back(double(timer.nsecsElapsed()) / 1e6);
        shown = shownCount();
    }
    return {median(fill), median(fillCpu), median(painted), shown};
}
} // namespace

int main(int argc, char* argv[])
{
    bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    bench::nameApplication();
    TempProfile profile;

    for (const int size : {10000, 100000}) {
        const QString server = QStringLiteral("Bench %1").arg(size);
        bench::storeCachedServer(server, catalog(size, MediaItem::Live),
                                 catalog(size, MediaItem::Movie));

        MainWindow window;
        MainWindowTestAccess w(window);
        window.show();
        bench::settle();
        if (w.liveItems().size() != size || w.movieItems().size() != size) {
            std::fprintf(stderr, "catalog of %d not loaded from the cache\n", size);
            return 1;
        }
        const QString target =
            size <= 10000 ? QStringLiteral("< 50 ms") : QStringLiteral("< 250 ms");

        // Live TV: "All Categories", then typing in the items page's search field.
        w.tabs()->setCurrentIndex(w.liveTabIndex());
        w.selectLiveCategory(w.liveCategoryList()->item(0));
        bench::settle();
        // Movies: the same in the poster grid.
        w.tabs()->setCurrentIndex(w.movieTabIndex());
        w.selectMovieCategory(w.movieCategoryList()->item(0));
        bench::settle();

        struct Case
        {
            QString tab;
            int tabIndex;
            QLineEdit* search;
            QAbstractItemView* view;
            std::function<qsizetype()> shown;
        };
        const QList<Case> cases = {
            {QStringLiteral("Live TV table"), w.liveTabIndex(), w.liveSearchEdit(), w.liveTable(),
             [&w]() { return w.liveShown().size(); }},
            {QStringLiteral("Movies grid"), w.movieTabIndex(), w.movieSearchEdit(), w.movieGrid(),
             [&w]() { return w.movieShown().size(); }},
        };
        for (const Case& c : cases) {
            w.tabs()->setCurrentIndex(c.tabIndex);
            bench::settle();
            const struct
            {
                QString before, query;
            } keys[] = {{QString(), QStringLiteral("n")},
                        {QStringLiteral("new"), QStringLiteral("news")}};
            for (const auto& key : keys) {
                const Figures f = keystroke(c.search, c.view, key.before, key.query, c.shown);
                const QString name = QStringLiteral("%1 %2k").arg(c.tab).arg(size / 1000);
                const QString label =
                    QStringLiteral("%1-char query (%2 shown)").arg(key.query.size()).arg(f.shown);
                bench::report(name, label + QStringLiteral(", filled"), f.fillMs,
                              QStringLiteral("ms"), target);
                bench::report(name, label + QStringLiteral(", filled (GUI thread CPU)"),
                              f.fillCpuMs, QStringLiteral("ms"), target);
                bench::report(name, label + QStringLiteral(", laid out and painted"), f.paintedMs,
                              QStringLiteral("ms"));
            }
            c.search->clear();
        }
    }
    return 0;
}
