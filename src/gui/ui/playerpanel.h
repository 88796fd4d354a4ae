#pragma once

#include <QWidget>

class ClickToSeekSlider;
class QLabel;
class QPushButton;
class QSlider;
class QVBoxLayout;

// The player's side of the window: the video area, the title line, the seek row (movies and
// episodes) and the controls row. Rows stay hidden until something plays; the window wires the
// buttons.
class PlayerPanel final : public QWidget
{
    Q_OBJECT

public:
    explicit PlayerPanel(QWidget* parent);

    // Least sizes: small enough for a preview beside the TV Guide at 1024 pixels, wide enough
    // for the controls row with every button at its compact width.
    static constexpr int kMinimumWidth = 312;
    static constexpr QSize kMinimumVideoSize{256, 144};

    QVBoxLayout* panelLayout = nullptr;
    QWidget* videoWidget = nullptr;
    QLabel* nowPlayingLabel = nullptr;
    QWidget* seekRow = nullptr;
    QPushButton* backButton = nullptr;
    ClickToSeekSlider* seekSlider = nullptr;
    QPushButton* forwardButton = nullptr;
    QLabel* timeLabel = nullptr;
    QWidget* controlsRow = nullptr;
    QPushButton* playPauseButton = nullptr;
    QPushButton* nextEpisodeButton = nullptr;
    QPushButton* fullscreenButton = nullptr;
    QPushButton* infoButton = nullptr;
    QPushButton* audioButton = nullptr;
    QPushButton* subtitleButton = nullptr;
    QSlider* volumeSlider = nullptr;
};
