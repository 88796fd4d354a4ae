#include "ui/playerpanel.h"

#include "ui/clicktoseekslider.h"
#include "ui/compactrow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QVBoxLayout>

namespace {
// The volume slider stays usable however many buttons the row holds.
constexpr int kVolumeMinWidth = 80;
constexpr int kVolumeMaxWidth = 120;
} // namespace

PlayerPanel::PlayerPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("playerPanel"));
    // A fixed least width: what the rows show never pushes the splitter; they give way instead.
    setMinimumWidth(kMinimumWidth);
    panelLayout = new QVBoxLayout(this);
    panelLayout->setContentsMargins(4, 4, 4, 4);

    videoWidget = new QWidget(this);
    videoWidget->setObjectName(QStringLiteral("videoWidget"));
    videoWidget->setMinimumSize(kMinimumVideoSize);
    videoWidget->setStyleSheet(QStringLiteral("background-color: black;"));
    videoWidget->setAttribute(Qt::WA_MouseTracking);
    panelLayout->addWidget(videoWidget, 1);

    nowPlayingLabel = new QLabel(tr("Nothing playing"), this);
    nowPlayingLabel->setObjectName(QStringLiteral("mutedLabel"));
    // A long title is cut at the panel's edge rather than widening it.
    nowPlayingLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    nowPlayingLabel->hide();
    panelLayout->addWidget(nowPlayingLabel, 0);

    const auto icon = [this](QStyle::StandardPixmap which) { return style()->standardIcon(which); };
    auto* seekCompact = new CompactRow(this);
    seekRow = seekCompact;
    auto* seekLayout = new QHBoxLayout(seekRow);
    seekLayout->setContentsMargins(0, 0, 0, 0);
    backButton = new QPushButton(tr("<< 10s"), seekRow);
    CompactRow::setCompactIcon(backButton, icon(QStyle::SP_MediaSeekBackward));
    seekSlider = new ClickToSeekSlider(Qt::Horizontal, seekRow);
    seekSlider->setObjectName(QStringLiteral("seekSlider"));
    seekSlider->setRange(0, 0);
    forwardButton = new QPushButton(tr("10s >>"), seekRow);
    CompactRow::setCompactIcon(forwardButton, icon(QStyle::SP_MediaSeekForward));
    timeLabel = new QLabel(QStringLiteral("00:00 / 00:00"), seekRow);
    timeLabel->setObjectName(QStringLiteral("timeLabel"));
    seekLayout->addWidget(backButton);
    seekLayout->addWidget(seekSlider, 1);
    seekLayout->addWidget(forwardButton);
    seekLayout->addWidget(timeLabel);
    seekRow->hide();
    panelLayout->addWidget(seekRow, 0);

    auto* controlsCompact = new CompactRow(this);
    controlsRow = controlsCompact;
    controlsRow->setObjectName(QStringLiteral("controlsRow"));
    auto* controlsLayout = new QHBoxLayout(controlsRow);
    controlsLayout->setContentsMargins(0, 0, 0, 0);
    controlsLayout->setSpacing(4);
    playPauseButton = new QPushButton(tr("Pause"), controlsRow);
    playPauseButton->setObjectName(QStringLiteral("accentButton"));
    CompactRow::setCompactIcon(playPauseButton, icon(QStyle::SP_MediaPause));
    nextEpisodeButton = new QPushButton(tr("Next Episode"), controlsRow);
    CompactRow::setCompactIcon(nextEpisodeButton, icon(QStyle::SP_MediaSkipForward));
    nextEpisodeButton->hide();
    fullscreenButton = new QPushButton(tr("Fullscreen"), controlsRow);
    CompactRow::setCompactIcon(fullscreenButton, icon(QStyle::SP_TitleBarMaxButton));
    infoButton = new QPushButton(tr("Info"), controlsRow);
    CompactRow::setCompactIcon(infoButton, icon(QStyle::SP_MessageBoxInformation), false);
    audioButton = new QPushButton(tr("Audio"), controlsRow);
    CompactRow::setCompactIcon(audioButton, icon(QStyle::SP_MediaVolume));
    subtitleButton = new QPushButton(tr("Subtitles"), controlsRow);
    CompactRow::setCompactIcon(subtitleButton, icon(QStyle::SP_FileDialogDetailedView), false);
    volumeSlider = new QSlider(Qt::Horizontal, controlsRow);
    volumeSlider->setObjectName(QStringLiteral("volumeSlider"));
    volumeSlider->setRange(0, 100);
    volumeSlider->setValue(100);
    volumeSlider->setMinimumWidth(kVolumeMinWidth);
    volumeSlider->setMaximumWidth(kVolumeMaxWidth);
    volumeSlider->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    volumeSlider->setToolTip(tr("Volume"));
    auto* volumeLabel = new QLabel(tr("Vol:"), controlsRow);
    controlsCompact->addOptional(volumeLabel);
    controlsLayout->addWidget(playPauseButton);
    controlsLayout->addWidget(nextEpisodeButton);
    controlsLayout->addWidget(fullscreenButton);
    controlsLayout->addWidget(infoButton);
    controlsLayout->addWidget(audioButton);
    controlsLayout->addWidget(subtitleButton);
    controlsLayout->addWidget(volumeLabel);
    controlsLayout->addWidget(volumeSlider);
    controlsRow->hide();
    panelLayout->addWidget(controlsRow, 0);

    setAttribute(Qt::WA_MouseTracking);
}
