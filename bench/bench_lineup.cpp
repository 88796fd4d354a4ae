// The lineup's cost on a 100k catalog in 500 categories: the time to shape the lists once
// (10,000 hidden channels, 500 categories in the user's order), what of it the window thread
// still spends per load with the shaping on a worker, and per keystroke in the "Live TV" table
// and the search over everything's channels, without a lineup and with it.
#include "benchutil.h"
#include "benchwindow.h"
#include "catalogdata.h"
#include "library/everythingsearch.h"
#include "library/library.h"
#include "lineup/lineup.h"
#include "lineup/lineupflow.h"
#include "lineup/lineupserverkey.h"
#include "lineup/lineupstore.h"
#include "mainwindowtestaccess.h"
#include "sources/sourcemanager.h"
#include "tempprofile.h"
#include "ui/catalogconstants.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>

#include <algorithm>
#include <limits>
#include <vector>

namespace {
constexpr int kRuns = 9;
constexpr int kSize = 100000;
constexpr int kCategories = 500;
constexpr int kHidden = 10000;

QList<MediaItem> catalog()
{
    // Servers list a category's channels together; BENCH_LINEUP_INTERLEAVED deals them out
    // one by one instead (the worst case for the order's memory locality).
    const bool interleaved = qEnvironmentVariableIsSet("BENCH_LINEUP_INTERLEAVED");
    QList<MediaItem> items = bench::generateItems(kSize, 77);
    for (qsizetype i = 0; i < items.size(); ++i) {
        items[i].type = MediaItem::Live;
        const qsizetype category = interleaved ? i % kCategories : i / (kSize / kCategories);
        items[i].categoryId = QString::number(category + 1);
        items[i].iconUrl.clear();
    }
    return items;
}

QList<LineupEntry> choices()
{
    QList<LineupEntry> entries;
    for (int i = 0; i < kHidden; ++i) {
        LineupEntry e;
        e.kind = MediaItem::Live;
        e.id = QString::number(i * (kSize / kHidden) + 1);
        e.hidden = true;
        entries.append(e);
    }
    // Every category placed, in reverse.
    for (int c = 1; c <= kCategories; ++c) {
        LineupEntry e;
        e.what = LineupEntry::CategoryEntry;
        e.kind = MediaItem::Live;
        e.id = QString::number(c);
        e.position = kCategories - c;
        entries.append(e);
    }
    return entries;
}

// What the lineup of the stored server `name` is kept under (its id).
QString keyOf(const QString& name)
{
    for (const SourceConfig& config : SourceManager().sources()) {
        if (config.name == name)
            return lineupServerKey(config);
    }
    return name;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double keystroke(QLineEdit* search, const QString& query)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        search->setText(QString());
        bench::settle();
        // Thread CPU time: the machine may be busy with other work.
        const double start = bench::threadCpuMs();
        search->setText(query);
        times.push_back(bench::threadCpuMs() - start);
    }
    return median(times);
}

// The window thread's CPU time for one shaping of the live list as a load hands it over, up to
// and with the delivery of the result (the worker's own time not counted), and the worker's
// result compared with shaping on the window thread.
void measureHandOver(const QString& label, MainWindowTestAccess& w)
{
    LineupFlow* flow = w.lineupFlow();
    const QList<MediaItem> provided = flow->providerItems(MediaItem::Live);
    const QList<MediaItem> before = w.liveItems();
    for (const auto& [how, from] :
         {std::pair{QStringLiteral("on the window thread"), std::numeric_limits<qsizetype>::max()},
          std::pair{QStringLiteral("on a worker"), qsizetype(10000)}}) {
        flow->setShapeOnWorkerFrom(from);
        std::vector<double> times;
        QList<MediaItem> kept = before;
        for (int run = 0; run < kRuns; ++run) {
            bench::settle();
            bool done = false;
            double spent = 0;
            double start = bench::threadCpuMs();
            flow->shapeItems(kLiveSection, provided, [&](const QList<MediaItem>& items) {
                kept = items; // the previous list goes, as in the session
                done = true;
            });
            spent += bench::threadCpuMs() - start;
            // Waiting sleeps: only the window thread's own work counts (its other events too).
            while (!done) {
                QThread::msleep(2);
                start = bench::threadCpuMs();
                QCoreApplication::processEvents();
                spent += bench::threadCpuMs() - start;
            }
            times.push_back(spent);
        }
        bench::report(QStringLiteral("lineup shaping per load 100k, ") + label,
                      QStringLiteral("window thread, ") + how, median(times),
                      QStringLiteral("CPU ms"),
                      QStringLiteral("under a frame (16 ms) on a worker"));
        bool same = kept.size() == before.size();
        for (qsizetype i = 0; same && i < kept.size(); ++i)
            same = kept[i].id == before[i].id && kept[i].name == before[i].name;
        std::fprintf(stderr, "%s, %s: %s as the window's list\n", qPrintable(label),
                     qPrintable(how), same ? "same" : "NOT the same");
    }
    flow->setShapeOnWorkerFrom(10000);
}

void measure(const QString& label, const QString& server)
{
    MainWindow window;
    MainWindowTestAccess w(window);
    window.show();
    bench::settle();
    // Long lists arrive from the lineup's worker.
    while (w.pendingFetchSteps() > 0 || w.lineupFlow()->isShaping() || w.liveItems().isEmpty())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    bench::settle();
    measureHandOver(label, w);
    w.tabs()->setCurrentIndex(w.liveTabIndex());
    w.selectLiveCategory(w.liveCategoryList()->item(0));
    bench::settle();
    std::fprintf(stderr, "%s: %lld channels shown of %d\n", qPrintable(server),
                 qlonglong(w.liveItems().size()), kSize);
    for (const QString& query : {QStringLiteral("n"), QStringLiteral("news")}) {
        bench::report(QStringLiteral("live table keystroke 100k, ") + label,
                      QStringLiteral("%1-char query").arg(query.size()),
                      keystroke(w.liveSearchEdit(), query), QStringLiteral("CPU ms"),
                      QStringLiteral("within 10% of no lineup"));
    }
    EverythingSearch search;
    search.setCatalog(EverythingSearch::Channels, w.liveItems());
    const double searchMs =
        bench::medianMs(kRuns, [&] { (void)search.search(QStringLiteral("ne"), 50); });
    bench::report(QStringLiteral("search everything 100k, ") + label,
                  QStringLiteral("2-char query"), searchMs, QStringLiteral("ms"),
                  QStringLiteral("within 10% of no lineup"));
}
} // namespace

int main(int argc, char* argv[])
{
    bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    bench::nameApplication();
    TempProfile profile;

    const QList<MediaItem> items = catalog();
    QList<Category> categories;
    for (int c = 1; c <= kCategories; ++c)
        categories.append({QString::number(c), QStringLiteral("Category %1").arg(c)});

    // Shaping the lists once, as a load or a change does.
    Lineup lineup;
    for (const LineupEntry& e : choices())
        lineup.put(e);
    qsizetype kept = 0;
    const double applyMs = bench::medianMs(kRuns, [&] {
        kept = lineup.apply(MediaItem::Live, items, false).size();
        (void)lineup.applyToCategories(MediaItem::Live, categories);
    });
    bench::report(QStringLiteral("lineup applied to 100k"),
                  QStringLiteral("%1 hidden, %2 categories ordered (%3 kept)")
                      .arg(kHidden)
                      .arg(kCategories)
                      .arg(kept),
                  applyMs, QStringLiteral("ms"), QStringLiteral("once per load or change"));

    const QString server = QStringLiteral("Bench lineup");
    bench::storeCachedServer(server, items, {});
    CatalogCache::save(server, kLiveSection, {categories, items}); // all 500 categories
    measure(QStringLiteral("no lineup"), server);
    {
        Library library;
        LineupStore store(library.database());
        if (!store.saveAll(keyOf(server), choices())) {
            std::fprintf(stderr, "lineup not stored: %s\n", qPrintable(store.lastError()));
            return 1;
        }
    }
    measure(QStringLiteral("with lineup"), server);
    {
        // The same again without it, so the order of the windows does not count.
        QList<LineupEntry> cleared = choices();
        for (LineupEntry& e : cleared) {
            e.hidden = false;
            e.position = -1;
        }
        Library library;
        LineupStore store(library.database());
        store.saveAll(keyOf(server), cleared);
    }
    measure(QStringLiteral("no lineup again"), server);
    return 0;
}
