#pragma once

#include "model/mediaitem.h"
#include "multiview/channelmime.h"
#include "multiview/multiviewlayout.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class CatalogSession;
class FullscreenChrome;
class GuidePanel;
class GuideService;
class MultiViewArea;
class PlaybackController;
class QLabel;
class QSlider;
class QTimer;
class QToolButton;
class QVBoxLayout;
class QWidget;
class StreamConnections;
class TileViewing;
class VlcEngine;
class VlcPlayer;

// Multi-view in the window: the video area becomes two to four tiles. The first tile is the
// normal player itself (its picture moves into the tile, its stream goes on), the others get a
// TileViewing each. Only the focused tile is heard and the programme list follows it; closing
// keeps the focused channel in the normal player, and the layout with its channels is kept for
// the next time.
class MultiViewController final : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        QWidget* window = nullptr;
        QWidget* playerPanel = nullptr;
        QVBoxLayout* playerPanelLayout = nullptr;
        QWidget* videoWidget = nullptr;
        QLabel* nowPlayingLabel = nullptr;
        QWidget* controlsRow = nullptr;
        QSlider* volumeSlider = nullptr;
        FullscreenChrome* fullscreenChrome = nullptr;
        VlcPlayer* mainPlayer = nullptr;
        std::shared_ptr<VlcEngine> engine;
        StreamConnections* connections = nullptr;
        const CatalogSession* session = nullptr;
        const PlaybackController* playback = nullptr;
        GuideService* guide = nullptr;
        GuidePanel* guidePanel = nullptr;
        // Plays an item in the normal player, as choosing it in a list does.
        std::function<void(const MediaItem&)> playMain;
    };

    MultiViewController(Parts parts, QObject* parent);
    ~MultiViewController() override;

    bool isOpen() const { return open; }
    void toggle();
    void openView(MultiViewLayout layout);
    void closeView();
    // A channel chosen as usual while multi-view is open plays in the focused tile. False when
    // the normal player should take it (closed, the first tile focused, not a live channel).
    bool playIntoFocused(const MediaItem& item);
    // Fills tile `index` (1 and up; 0 is the normal player's) with `channel`.
    void fillTile(int index, const channelmime::Channel& channel);
    void focusTile(int index);

    MultiViewArea* area() const { return view; }
    TileViewing* viewing(int index) const { return viewings.value(index); }
    int focusedTile() const;
    QToolButton* button() const { return toggleButton; }

signals:
    // Opened or closed: the player's rows show while it is open, even with nothing in the
    // normal player.
    void openChanged(bool open);

private:
    void buildButton();
    void setLayout(MultiViewLayout layout);
    void restoreChannels();
    void restoreTiles(quint64 round, QList<std::pair<int, channelmime::Channel>> tiles);
    void dropOnTile(int index, const QByteArray& data);
    void zoomTile(int index);
    void escape();
    TileViewing* ensureViewing(int index);
    std::optional<channelmime::Channel> tileChannel(int index) const;
    void updateTile(int index);
    void updateTiles();
    void applySound();
    void saveState();
    // Tiles filled one after another are saved once, a second after the last (closing saves at
    // once).
    void saveSoon();
    void keepTitleUnderArea();
    // The title under the grid, also on the fullscreen strip, names the focused tile's channel.
    void showFocusedTitle();
    void followFullscreen();

    Parts p;
    MultiViewArea* view = nullptr;
    QList<TileViewing*> viewings; // index 0 stays null: the normal player
    QToolButton* toggleButton = nullptr;
    QTimer* saveTimer = nullptr;
    MultiViewLayout lastLayout = MultiViewLayout::Four;
    bool open = false;
    bool wasFullscreen = false;
    quint64 restoreRound = 0; // a new opening or a closing ends the restoring of the last one
    QString mainStatus;
    QString mainTitle;  // the normal player's title, while a tile's stands in for it
    QString shownTitle; // the focused tile's title on show; empty: the normal player's
};
