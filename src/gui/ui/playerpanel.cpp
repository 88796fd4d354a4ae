#include "ui/playerpanel.h"

#include "ui/clicktoseekslider.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

PlayerPanel::PlayerPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("playerPanel"));
    panelLayout = new QVBoxLayout(this);
    panelLayout->setContentsMargins(4, 4, 4, 4);

    videoWidget = new QWidget(this);
    videoWidget->setObjectName(QStringLiteral("videoWidget"));
    videoWidget->setMinimumSize(480, 270);
    videoWidget->setStyleSheet(QStringLiteral("background-color: black;"));
    videoWidget->setAttribute(Qt::WA_MouseTracking);
    panelLayout->addWidget(videoWidget, 1);

    nowPlayingLabel = new QLabel(tr("Nothing playing"), this);
    nowPlayingLabel->setObjectName(QStringLiteral("mutedLabel"));
    nowPlayingLabel->hide();
    panelLayout->addWidget(nowPlayingLabel, 0);

    seekRow = new QWidget(this);
    auto* seekLayout = new QHBoxLayout(seekRow);
    seekLayout->setContentsMargins(0, 0, 0, 0);
    backButton = new QPushButton(tr("<< 10s"), seekRow);
    seekSlider = new ClickToSeekSlider(Qt::Horizontal, seekRow);
    seekSlider->setObjectName(QStringLiteral("seekSlider"));
    seekSlider->setRange(0, 0);
    forwardButton = new QPushButton(tr("10s >>"), seekRow);
    timeLabel = new QLabel(QStringLiteral("00:00 / 00:00"), seekRow);
    timeLabel->setObjectName(QStringLiteral("timeLabel"));
    seekLayout->addWidget(backButton);
    seekLayout->addWidget(seekSlider, 1);
    seekLayout->addWidget(forwardButton);
    seekLayout->addWidget(timeLabel);
    seekRow->hide();
    panelLayout->addWidget(seekRow, 0);

    controlsRow = new QWidget(this);
    auto* controlsLayout = new QHBoxLayout(controlsRow);
    controlsLayout->setContentsMargins(0, 0, 0, 0);
    playPauseButton = new QPushButton(tr("Pause"), controlsRow);
    playPauseButton->setObjectName(QStringLiteral("accentButton"));
    nextEpisodeButton = new QPushButton(tr("Next Episode"), controlsRow);
    nextEpisodeButton->hide();
    fullscreenButton = new QPushButton(tr("Fullscreen"), controlsRow);
    infoButton = new QPushButton(tr("Info"), controlsRow);
    audioButton = new QPushButton(tr("Audio"), controlsRow);
    subtitleButton = new QPushButton(tr("Subtitles"), controlsRow);
    volumeSlider = new QSlider(Qt::Horizontal, controlsRow);
    volumeSlider->setRange(0, 100);
    volumeSlider->setValue(100);
    volumeSlider->setMaximumWidth(80);
    controlsLayout->addWidget(playPauseButton);
    controlsLayout->addWidget(nextEpisodeButton);
    controlsLayout->addWidget(fullscreenButton);
    controlsLayout->addWidget(infoButton);
    controlsLayout->addWidget(audioButton);
    controlsLayout->addWidget(subtitleButton);
    controlsLayout->addWidget(new QLabel(tr("Vol:"), controlsRow));
    controlsLayout->addWidget(volumeSlider);
    controlsRow->hide();
    panelLayout->addWidget(controlsRow, 0);

    setAttribute(Qt::WA_MouseTracking);
}
