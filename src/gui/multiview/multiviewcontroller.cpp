#include "multiview/multiviewcontroller.h"

#include "app/clock.h"
#include "app/messagebox.h"
#include "guide/guidepanel.h"
#include "guide/guideservice.h"
#include "multiview/multiviewarea.h"
#include "multiview/multiviewstate.h"
#include "multiview/multiviewtile.h"
#include "multiview/tileviewing.h"
#include "player/streamaddress.h"
#include "player/vlcplayer.h"
#include "ui/catalogsession.h"
#include "ui/compactrow.h"
#include "ui/fullscreenchrome.h"
#include "ui/playbackcontroller.h"
#include "ui/videosurface.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QShortcut>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <utility>

MultiViewController::MultiViewController(Parts parts, QObject* parent)
    : QObject(parent)
    , p(std::move(parts))
{
    viewings.fill(nullptr, MultiViewArea::kMaxTiles);
    lastLayout = MultiViewState::load().layout;
    buildButton();
    saveTimer = new QTimer(this);
    saveTimer->setSingleShot(true);
    connect(saveTimer, &QTimer::timeout, this, [this]() {
        if (open)
            saveState();
    });

    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), p.window);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &MultiViewController::toggle);

    // The first tile is the normal player: its title and its trouble show in that tile.
    connect(p.mainPlayer, &VlcPlayer::playing, this, [this]() {
        mainStatus.clear();
        if (open)
            updateTile(0);
    });
    connect(p.mainPlayer, &VlcPlayer::playbackInterrupted, this, [this]() {
        mainStatus = tr("Reconnecting…");
        if (open)
            updateTile(0);
    });
    connect(p.mainPlayer, &VlcPlayer::playbackProgressing, this, [this]() {
        if (mainStatus.isEmpty())
            return;
        mainStatus.clear();
        if (open)
            updateTile(0);
    });
    connect(p.mainPlayer, &VlcPlayer::stopped, this, [this]() {
        if (open)
            updateTile(0);
    });
    connect(p.guide, &GuideService::nowMoved, this, [this]() {
        if (open)
            updateTiles();
    });
    connect(p.guide, &GuideService::guideChanged, this, [this]() {
        if (open)
            updateTiles();
    });
    connect(p.fullscreenChrome, &FullscreenChrome::changed, this,
            &MultiViewController::keepTitleUnderArea);
    connect(p.fullscreenChrome, &FullscreenChrome::changed, this,
            &MultiViewController::followFullscreen);
    connect(p.volumeSlider, &QSlider::valueChanged, this, [this]() {
        if (open)
            applySound();
    });
}

MultiViewController::~MultiViewController()
{
    if (open)
        saveState();
    // The tiles' players stop (and their connections end) before their windows go.
    for (TileViewing*& tile : viewings) {
        delete tile;
        tile = nullptr;
    }
}

void MultiViewController::buildButton()
{
    toggleButton = new QToolButton(p.controlsRow);
    toggleButton->setObjectName(QStringLiteral("multiViewButton"));
    toggleButton->setText(tr("Multi-view"));
    // An icon only: the controls row keeps its room for the volume slider at 1024 px.
    toggleButton->setIcon(toggleButton->style()->standardIcon(QStyle::SP_FileDialogContentsView));
    toggleButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toggleButton->setToolTip(tr("Watch two to four channels at once (Ctrl+M)"));
    toggleButton->setCheckable(true);
    toggleButton->setPopupMode(QToolButton::MenuButtonPopup);
    auto* menu = new QMenu(toggleButton);
    const struct
    {
        MultiViewLayout layout;
        QString text;
    } choices[] = {
        {MultiViewLayout::Two, tr("2 tiles, side by side")},
        {MultiViewLayout::Three, tr("3 tiles, one large and two small")},
        {MultiViewLayout::Four, tr("4 tiles, 2 × 2")},
    };
    for (const auto& choice : choices) {
        QAction* action = menu->addAction(choice.text);
        connect(action, &QAction::triggered, this,
                [this, layout = choice.layout]() { openView(layout); });
    }
    toggleButton->setMenu(menu);
    connect(toggleButton, &QToolButton::clicked, this, [this]() {
        toggle();
        toggleButton->setChecked(open);
    });
    if (auto* row = qobject_cast<QBoxLayout*>(p.controlsRow->layout())) {
        // After the title's buttons, before the volume.
        int at = row->count();
        for (int i = 0; i < row->count(); ++i) {
            if (qobject_cast<QSlider*>(row->itemAt(i)->widget())) {
                at = qMax(0, i - 1);
                break;
            }
        }
        row->insertWidget(at, toggleButton);
    }
    // Where even compact buttons leave no room, it gives way to the volume (Ctrl+M still opens).
    if (auto* compact = qobject_cast<CompactRow*>(p.controlsRow))
        compact->addOptional(toggleButton);
}

void MultiViewController::toggle()
{
    if (open)
        closeView();
    else
        openView(lastLayout);
}

void MultiViewController::openView(MultiViewLayout layout)
{
    if (open) {
        setLayout(layout);
        saveState();
        return;
    }
    if (!view) {
        view = new MultiViewArea(p.playerPanel);
        view->hide();
        connect(view, &MultiViewArea::focusRequested, this, &MultiViewController::focusTile);
        connect(view, &MultiViewArea::zoomRequested, this, &MultiViewController::zoomTile);
        connect(view, &MultiViewArea::escapeRequested, this, &MultiViewController::escape);
        for (int i = 0; i < MultiViewArea::kMaxTiles; ++i)
            connect(view->tile(i), &MultiViewTile::channelDropped, this,
                    &MultiViewController::dropOnTile);
    }
    open = true;
    // The normal player's picture moves into the first tile; its stream is not touched.
    const int at = qMax(0, p.playerPanelLayout->indexOf(p.videoWidget));
    p.playerPanelLayout->insertWidget(at, view, 1);
    view->tile(0)->setSurface(p.videoWidget);
    view->setZoomedTile(-1);
    view->show();
    setLayout(layout);
    view->setFocusedTile(0);
    restoreChannels();
    applySound();
    updateTiles();
    view->setFocus(Qt::OtherFocusReason);
    toggleButton->setChecked(true);
    // A double click on the normal player's picture now zooms its tile.
    p.fullscreenChrome->setVideoDoubleClickToggles(false);
    wasFullscreen = p.fullscreenChrome->fullscreen;
    followFullscreen();
    emit openChanged(true);
}

void MultiViewController::closeView()
{
    if (!open)
        return;
    saveState();
    ++restoreRound;
    const int focused = view->focusedTile();
    const std::optional<channelmime::Channel> keep =
        focused > 0 ? tileChannel(focused) : std::nullopt;
    for (int i = 1; i < viewings.size(); ++i) {
        if (viewings[i] && i != focused)
            viewings[i]->stop();
    }
    open = false;
    showFocusedTitle();
    // The focused channel goes on in the normal player; its tile stops once that has begun.
    if (keep)
        p.playMain(keep->item);
    if (focused > 0 && viewings[focused])
        viewings[focused]->stop();

    const int at = qMax(0, p.playerPanelLayout->indexOf(view));
    p.playerPanelLayout->removeWidget(view);
    view->hide();
    if (QWidget* surface = view->tile(0)->takeSurface()) {
        p.playerPanelLayout->insertWidget(at, surface, 1);
        surface->show();
    }
    keepTitleUnderArea();
    p.mainPlayer->setMuted(false);
    toggleButton->setChecked(false);
    p.fullscreenChrome->setVideoDoubleClickToggles(true);
    view->unsetCursor();
    p.playerPanel->setFocus(Qt::OtherFocusReason);
    emit openChanged(false);
}

void MultiViewController::setLayout(MultiViewLayout layout)
{
    lastLayout = layout;
    view->setTileLayout(layout);
    for (int i = tileCount(layout); i < viewings.size(); ++i) {
        if (viewings[i])
            viewings[i]->stop();
    }
    if (view->focusedTile() >= tileCount(layout))
        focusTile(0);
    updateTiles();
    followFullscreen();
}

void MultiViewController::restoreChannels()
{
    const MultiViewState state = MultiViewState::load();
    const QString server = p.session->activeSource.name;
    QList<std::pair<int, channelmime::Channel>> tiles;
    for (int i = 0; i < qMin(state.tiles.size(), view->tileCount()); ++i) {
        const auto& saved = state.tiles.at(i);
        if (!saved || saved->server != server)
            continue;
        if (i == 0) {
            // The channel playing stays; an idle player gets the saved one.
            if (!p.playback->hasMedia)
                p.playMain(saved->item);
        } else if (!(p.playback->hasMedia && p.playback->currentItem.id == saved->item.id)) {
            // The channel the normal player shows already has its tile.
            tiles.append({i, *saved});
        }
    }
    restoreTiles(++restoreRound, tiles);
}

void MultiViewController::restoreTiles(quint64 round,
                                       QList<std::pair<int, channelmime::Channel>> tiles)
{
    // One tile per turn of the event loop: each start takes libVLC a little while, and together
    // they would hold up the window.
    if (!open || round != restoreRound || tiles.isEmpty())
        return;
    const auto [index, channel] = tiles.takeFirst();
    if (!viewings[index] || !viewings[index]->channel())
        fillTile(index, channel);
    QTimer::singleShot(0, this, [this, round, rest = std::move(tiles)]() mutable {
        restoreTiles(round, std::move(rest));
    });
}

bool MultiViewController::playIntoFocused(const MediaItem& item)
{
    if (!open)
        return false;
    if (item.type != MediaItem::Live) {
        // Movies and episodes play in the normal player's tile, and are heard.
        focusTile(0);
        return false;
    }
    const int focused = view->focusedTile();
    if (focused == 0)
        return false;
    fillTile(focused, {p.session->activeSource.name, item});
    return true;
}

void MultiViewController::fillTile(int index, const channelmime::Channel& channel)
{
    if (!open || index < 0 || index >= view->tileCount())
        return;
    if (index == 0) {
        if (channel.server == p.session->activeSource.name)
            p.playMain(channel.item);
        return;
    }
    TileViewing* tile = ensureViewing(index);
    if (channel.server != p.session->activeSource.name) {
        tile->stop();
        view->tile(index)->showMessage(
            tr("%1 is a channel of the server \"%2\". Show that server to watch it here.")
                .arg(channel.item.name, channel.server));
        return;
    }
    const QString url =
        streamAddress(channel.item, p.session->activeSource, p.session->xtreamClient);
    if (url.isEmpty())
        return;
    tile->start(channel, url);
    applySound();
    showFocusedTitle();
    if (index == view->focusedTile() && p.guidePanel)
        p.guidePanel->showChannel(channel.item);
    saveSoon();
}

void MultiViewController::dropOnTile(int index, const QByteArray& data)
{
    const std::optional<channelmime::Channel> channel = channelmime::decode(data);
    if (!channel)
        return;
    focusTile(index);
    fillTile(index, *channel);
}

void MultiViewController::focusTile(int index)
{
    if (!open || index < 0 || index >= view->tileCount())
        return;
    view->setFocusedTile(index);
    applySound();
    showFocusedTitle();
    if (const auto channel = tileChannel(index); channel && p.guidePanel)
        p.guidePanel->showChannel(channel->item);
}

int MultiViewController::focusedTile() const
{
    return view ? view->focusedTile() : 0;
}

void MultiViewController::zoomTile(int index)
{
    view->setZoomedTile(view->zoomedTile() == index ? -1 : index);
}

void MultiViewController::escape()
{
    if (view->zoomedTile() >= 0)
        view->setZoomedTile(-1);
    else
        closeView();
}

TileViewing* MultiViewController::ensureViewing(int index)
{
    if (!viewings[index]) {
        auto* tile = new TileViewing(p.engine, videoSurfaceOf(view->tile(index)->surface()),
                                     p.connections, this);
        connect(tile, &TileViewing::changed, this, [this, index]() { updateTile(index); });
        viewings[index] = tile;
    }
    return viewings[index];
}

std::optional<channelmime::Channel> MultiViewController::tileChannel(int index) const
{
    if (index == 0) {
        if (!p.playback->hasMedia || p.playback->currentKind != MediaItem::Live)
            return std::nullopt;
        return channelmime::Channel{p.session->activeSource.name, p.playback->currentItem};
    }
    const TileViewing* tile = viewings.value(index);
    return tile ? tile->channel() : std::nullopt;
}

void MultiViewController::updateTile(int index)
{
    if (!view || index >= view->tileCount())
        return;
    showFocusedTitle();
    MultiViewTile* tile = view->tile(index);
    const QString hint =
        tr("Drag a channel here from a list, the search (Ctrl+F) or the TV Guide, or select this "
           "tile and play a channel as usual (Return or double-click).");
    if (index == 0) {
        if (!p.playback->hasMedia) {
            tile->setCaption(QString(), QString());
            tile->setStatus(QString());
            tile->showMessage(hint);
            return;
        }
        const auto channel = tileChannel(0);
        const GuideNowNext guide = channel ? p.guide->nowNext(channel->item) : GuideNowNext();
        tile->setCaption(p.playback->currentTitle, guide.hasNow ? guide.now.title : QString());
        tile->setStatus(mainStatus);
        tile->showPicture();
        return;
    }
    const TileViewing* viewing = viewings.value(index);
    if (!viewing || viewing->state() == TileViewing::State::Empty) {
        tile->setCaption(QString(), QString());
        tile->setStatus(QString());
        tile->showMessage(hint);
        return;
    }
    const channelmime::Channel& channel = *viewing->channel();
    if (viewing->state() == TileViewing::State::Refused) {
        tile->setCaption(channel.item.name, QString());
        tile->setStatus(QString());
        tile->showMessage(viewing->statusText());
        return;
    }
    const GuideNowNext guide = p.guide->nowNext(channel.item);
    tile->setCaption(channel.item.name, guide.hasNow ? guide.now.title : QString());
    tile->setStatus(viewing->statusText());
    tile->showPicture();
}

void MultiViewController::updateTiles()
{
    for (int i = 0; i < view->tileCount(); ++i)
        updateTile(i);
}

void MultiViewController::applySound()
{
    const int focused = view->focusedTile();
    p.mainPlayer->setMuted(focused != 0);
    for (int i = 1; i < viewings.size(); ++i) {
        if (viewings[i])
            viewings[i]->setAudible(i == focused, p.volumeSlider->value());
    }
}

void MultiViewController::saveSoon()
{
    saveTimer->start(Clock::waitMs(1000));
}

void MultiViewController::saveState()
{
    saveTimer->stop();
    MultiViewState state;
    state.layout = view->tileLayout();
    state.focused = view->focusedTile();
    for (int i = 0; i < view->tileCount(); ++i)
        state.tiles.append(tileChannel(i));
    const QString error = state.save();
    if (!error.isEmpty())
        MessageBox::warning(p.window, tr("Multi-view Not Saved"), error);
}

void MultiViewController::keepTitleUnderArea()
{
    // Leaving fullscreen puts the title back under the video widget, which may be in a tile.
    QWidget* const video = open ? static_cast<QWidget*>(view) : p.videoWidget;
    const int at = p.playerPanelLayout->indexOf(video);
    const int title = p.playerPanelLayout->indexOf(p.nowPlayingLabel);
    if (at >= 0 && title >= 0 && title != at + 1) {
        p.playerPanelLayout->removeWidget(p.nowPlayingLabel);
        p.playerPanelLayout->insertWidget(p.playerPanelLayout->indexOf(video) + 1,
                                          p.nowPlayingLabel, 0);
    }
}

void MultiViewController::showFocusedTitle()
{
    QLabel* const label = p.nowPlayingLabel;
    // Not standing in, or the normal player wrote its own since (reconnecting, replaying).
    if (shownTitle.isEmpty() || label->text() != shownTitle)
        mainTitle = label->text();
    const int focused = open ? view->focusedTile() : 0;
    const bool wasShown = !shownTitle.isEmpty();
    shownTitle.clear();
    if (focused > 0) {
        const auto channel = tileChannel(focused);
        shownTitle =
            channel ? tr("Playing: %1").arg(channel->item.name) : tr("No channel in this tile");
    }
    if (!shownTitle.isEmpty())
        label->setText(shownTitle);
    else if (wasShown)
        label->setText(mainTitle);
}

void MultiViewController::followFullscreen()
{
    if (!open)
        return;
    const FullscreenChrome& chrome = *p.fullscreenChrome;
    // Tiles shown for the first time get native windows stacked above the controls strip.
    if (chrome.fullscreen && chrome.fullscreenOverlay->isVisible())
        chrome.fullscreenOverlay->raise();
    // Like the normal player's picture, the whole grid hides the pointer with the controls.
    if (chrome.fullscreen && !chrome.fullscreenControlsVisible)
        view->setCursor(Qt::BlankCursor);
    else
        view->unsetCursor();
    // Entering or leaving, the keys 1-4, F and Escape go to the grid again (the Fullscreen
    // button had the focus).
    if (chrome.fullscreen != wasFullscreen) {
        wasFullscreen = chrome.fullscreen;
        view->setFocus(Qt::OtherFocusReason);
    }
}
