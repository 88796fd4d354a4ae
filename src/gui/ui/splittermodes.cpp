#include "ui/splittermodes.h"

#include "app/clock.h"

#include <QCoreApplication>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace {
const QString kKeys[] = {QStringLiteral("window/browseSplitterSizes"),
                         QStringLiteral("window/guideSplitterSizes")};
constexpr int kSaveDelayMs = 1000; // one write after a drag, not one per step of it

QSettings settingsStore()
{
    return QSettings(QStringLiteral("Velmora"), QStringLiteral("Player"));
}

int leastWidth(const QWidget* widget)
{
    return widget->minimumWidth() > 0 ? widget->minimumWidth() : widget->minimumSizeHint().width();
}
} // namespace

SplitterModes::SplitterModes(Parts parts, QObject* parent)
    : QObject(parent)
    , p(std::move(parts))
{
    saveTimer = new QTimer(this);
    saveTimer->setSingleShot(true);
    saveTimer->setInterval(Clock::waitMs(kSaveDelayMs));
    connect(saveTimer, &QTimer::timeout, this, &SplitterModes::save);
    load();
    if (!sizes[Browse].isEmpty())
        p.splitter->setSizes(fitted(sizes[Browse]));
    connect(p.splitter, &QSplitter::splitterMoved, this, [this]() {
        sizes[current] = p.splitter->sizes();
        userSet[current] = true;
        saveTimer->start();
    });
    connect(p.tabs, &QTabWidget::currentChanged, this, &SplitterModes::tabChanged);
}

SplitterModes::~SplitterModes()
{
    if (saveTimer->isActive())
        save();
}

void SplitterModes::tabChanged()
{
    const Mode next = p.isGuidePage(p.tabs->currentWidget()) ? Guide : Browse;
    if (next == current)
        return;
    if (!p.fullscreen())
        sizes[current] = p.splitter->sizes();
    current = next;
    if (!p.fullscreen())
        apply();
    if (userSet[Browse] || userSet[Guide])
        save();
}

void SplitterModes::restoreChrome()
{
    if (!p.fullscreen() && p.guidePanel->isHidden() != (current == Guide))
        apply();
}

void SplitterModes::apply()
{
    const int handle = p.splitter->handleWidth();
    const bool showList = current == Browse;
    if (p.guidePanel->isHidden() == showList) {
        p.guidePanel->setVisible(showList);
        // The splitter shows or hides the list's handle when it lays out: before the sizes.
        QCoreApplication::sendPostedEvents(p.splitter, QEvent::LayoutRequest);
    }
    if (!sizes[current].isEmpty()) {
        p.splitter->setSizes(fitted(sizes[current]));
        return;
    }
    if (current == Browse)
        return; // as the window was built
    // The grid over most of the width, the player at least as wide as its controls need.
    const int room = p.splitter->contentsRect().width() - handle;
    const int player =
        std::max(p.playerPanel->minimumWidth(), room - int(std::lround(room * kGuideShare)));
    p.splitter->setSizes({room - player, player, 0});
}

QList<int> SplitterModes::fitted(QList<int> list) const
{
    // Saved sizes meet widgets whose limits may have changed since (the programme list folded,
    // another font): what the catalog side or the list cannot take goes to the player.
    if (list.size() != p.splitter->count())
        return list;
    const int playerAt = p.splitter->indexOf(p.playerPanel);
    for (int i = 0; i < list.size(); ++i) {
        const QWidget* widget = p.splitter->widget(i);
        if (i == playerAt || !widget->isVisibleTo(p.splitter))
            continue;
        const int fit = std::clamp(list[i], std::min(leastWidth(widget), widget->maximumWidth()),
                                   widget->maximumWidth());
        list[playerAt] += list[i] - fit;
        list[i] = fit;
    }
    return list;
}

void SplitterModes::load()
{
    const QSettings settings = settingsStore();
    for (const Mode mode : {Browse, Guide}) {
        QList<int> list;
        const QVariantList saved = settings.value(kKeys[mode]).toList();
        for (const QVariant& size : saved)
            list.append(std::max(0, size.toInt()));
        if (list.size() == p.splitter->count() &&
            std::accumulate(list.begin(), list.end(), 0) > 0) {
            sizes[mode] = list;
            userSet[mode] = true;
        }
    }
}

void SplitterModes::save()
{
    saveTimer->stop();
    QSettings settings = settingsStore();
    for (const Mode mode : {Browse, Guide}) {
        if (!userSet[mode])
            continue;
        QVariantList list;
        for (const int size : std::as_const(sizes[mode]))
            list.append(size);
        settings.setValue(kKeys[mode], list);
    }
    settings.sync();
    if (settings.status() != QSettings::NoError)
        emit saveFailed(settings.fileName());
}
