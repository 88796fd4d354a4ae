#include "ui/mainwindow.h"

#include "app/clock.h"
#include "app/messagebox.h"
#include "catchup/catchupplayback.h"
#include "player/livebuffertuner.h"
#include "player/reconnectschedule.h"
#include "player/vlcplayer.h"
#include "sources/sourcemanager.h"
#include "ui/aboutdialog.h"
#include "ui/catalogconstants.h"
#include "ui/clicktoseekslider.h"
#include "ui/librarystate.h"
#include "ui/posterloader.h"
#include "ui/videosurface.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QNetworkAccessManager>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <memory>
#include <utility>

namespace {
// Once a run, however many writes fail. Queued, so the box never opens inside a save, and never
// for a window already being destroyed.
void reportUnsavedSettings(QWidget* window, SourceManager* sources, LiveBufferTuner* tuner)
{
    auto report = [window, told = std::make_shared<bool>(false)](const QString& settingsFile) {
        if (std::exchange(*told, true))
            return;
        MessageBox::warning(
            window, QStringLiteral("Settings Not Saved"),
            QStringLiteral("Your servers and settings could not be saved to %1.\n\nChanges made "
                           "now will be lost when the player closes. Check that this file and "
                           "its folder can be written.")
                .arg(settingsFile));
    };
    QObject::connect(sources, &SourceManager::saveFailed, window, report, Qt::QueuedConnection);
    QObject::connect(tuner, &LiveBufferTuner::saveFailed, window, report, Qt::QueuedConnection);
}
} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    sourceManager = new SourceManager(this);
    activeSource = SourceConfig();
    networkManager = new QNetworkAccessManager(this);
    catalogLoader = new CatalogLoader(networkManager, this);
    setWindowTitle(QStringLiteral("Quorbin"));
    resize(1200, 750);

    posterPlaceholder = QPixmap(kPosterTileSize);
    posterPlaceholder.fill(QColor(45, 45, 48));
    PosterLoader::Settings posterSettings;
    posterSettings.fitSize = kPosterTileSize; // kept at the size the grid draws them
    posterSettings.pixelRatio = screen() ? screen()->devicePixelRatio() : devicePixelRatioF();
    posterLoader = new PosterLoader(networkManager, posterSettings, this);

    // Server row above the splitter.
    auto* central = new QWidget(this);
    centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(6, 6, 6, 6);

    serverRow = new QWidget(central);
    serverRow->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* serverLayout = new QHBoxLayout(serverRow);
    serverLayout->setContentsMargins(0, 0, 0, 0);
    serverLayout->addWidget(new QLabel(QStringLiteral("Server:"), serverRow));
    sourceCombo = new QComboBox(serverRow);
    sourceCombo->setObjectName(QStringLiteral("sourceCombo"));
    sourceCombo->setMinimumWidth(220);
    serverLayout->addWidget(sourceCombo);
    auto* addButton = new QPushButton(QStringLiteral("Add Server..."), serverRow);
    auto* editButton = new QPushButton(QStringLiteral("Edit Server..."), serverRow);
    auto* refreshButton = new QPushButton(QStringLiteral("Refresh Playlist"), serverRow);
    serverLayout->addWidget(addButton);
    serverLayout->addWidget(editButton);
    serverLayout->addWidget(refreshButton);
    serverLayout->addStretch();
    centralLayout->addWidget(serverRow);

    connect(addButton, &QPushButton::clicked, this, &MainWindow::addSource);
    connect(editButton, &QPushButton::clicked, this, &MainWindow::editSource);
    connect(refreshButton, &QPushButton::clicked, this, &MainWindow::refreshActiveSource);
    connect(sourceCombo, &QComboBox::currentIndexChanged, this, &MainWindow::onSourceSelected);

    autoRefreshTimer = new QTimer(this);
    autoRefreshTimer->setInterval(Clock::waitMs(kAutoRefreshIntervalMs));
    connect(autoRefreshTimer, &QTimer::timeout, this, &MainWindow::checkAutoRefresh);
    autoRefreshTimer->start();

    // Fullscreen controls timer and Escape; the window sees every event of the application.
    controlsHideTimer = new QTimer(this);
    controlsHideTimer->setSingleShot(true);
    controlsHideTimer->setInterval(Clock::waitMs(3000));
    connect(controlsHideTimer, &QTimer::timeout, this, &MainWindow::hideFullscreenControls);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this]() {
        if (fullscreen)
            toggleFullscreen();
    });
    setAttribute(Qt::WA_MouseTracking);
    qApp->installEventFilter(this);

    // Catalog tabs on the left, the player on the right.
    auto* splitter = new QSplitter(Qt::Horizontal, central);
    tabs = new QTabWidget(splitter);
    tabs->setObjectName(QStringLiteral("tabs"));
    liveTabIndex = tabs->addTab(buildLiveTab(), QStringLiteral("Live TV"));
    movieTabIndex = tabs->addTab(buildMoviesTab(), QStringLiteral("Movies"));
    seriesTabIndex = tabs->addTab(buildSeriesTab(), QStringLiteral("TV Shows"));
    channelTabIndex = tabs->addTab(buildChannelsTab(), QStringLiteral("Channels"));
    splitter->addWidget(tabs);
    splitter->addWidget(buildPlayerPanel());
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 2);
    centralLayout->addWidget(splitter, 1);
    setCentralWidget(central);

    createFullscreenControls();
    setUpGuide();

    loadingOverlay = new QWidget(tabs);
    loadingOverlay->setObjectName(QStringLiteral("loadingOverlay"));
    loadingOverlay->setAutoFillBackground(true);
    QPalette overlayPalette = loadingOverlay->palette();
    overlayPalette.setColor(QPalette::Window, QColor(0, 0, 0, 150));
    loadingOverlay->setPalette(overlayPalette);
    auto* overlayLayout = new QVBoxLayout(loadingOverlay);
    auto* loadingLabel = new QLabel(QStringLiteral("Loading..."), loadingOverlay);
    loadingLabel->setAlignment(Qt::AlignCenter);
    loadingLabel->setStyleSheet(QStringLiteral("color: white; font-size: 14pt;"));
    overlayLayout->addWidget(loadingLabel);
    loadingOverlay->setGeometry(tabs->rect());
    loadingOverlay->hide();

    // Playback engine.
    player = new VlcPlayer(videoSurfaceOf(videoWidget), this);
    liveBufferTuner = new LiveBufferTuner(this);
    connect(player, &VlcPlayer::playbackError, this, &MainWindow::onPlaybackError);
    connect(player, &VlcPlayer::playbackInterrupted, this, &MainWindow::onPlaybackInterrupted);
    connect(player, &VlcPlayer::liveDelayShortfall, liveBufferTuner,
            &LiveBufferTuner::recordShortfall);
    reportUnsavedSettings(this, sourceManager, liveBufferTuner);
    reconnect = new ReconnectSchedule(this);
    connect(reconnect, &ReconnectSchedule::due, this, &MainWindow::replayCurrentStream);
    connect(player, &VlcPlayer::playbackProgressing, this, &MainWindow::onPlaybackProgressing);
    connect(player, &VlcPlayer::positionChanged, this, &MainWindow::onPositionChanged);
    connect(player, &VlcPlayer::ended, this, [this]() {
        if (catchup->isActive() && !catchup->streamEnded())
            onPlaybackInterrupted(QStringLiteral("The archive stream ended before the programme."));
    });
    connect(player, &VlcPlayer::pausedChanged, this, [this](bool paused) {
        playPauseButton->setText(paused ? QStringLiteral("Play") : QStringLiteral("Pause"));
    });

    playerPanel->setFocusPolicy(Qt::StrongFocus);
    createPanelShortcuts();
    AboutDialog::attachTo(this);

    buildLibrary();
    fillSourceSelector();
}

MainWindow::~MainWindow()
{
    libraryEndViewing();
    qApp->removeEventFilter(this);
    // libVLC draws into the video widget's native window from its own threads: stop it and let
    // it go before the children, that window among them, are destroyed.
    reconnect->stopWaiting();
    delete player;
    player = nullptr;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (fullscreen)
            showFullscreenControls();
        break;
    case QEvent::MouseButtonDblClick:
        if (watched == videoWidget)
            toggleFullscreen();
        break;
    case QEvent::Resize:
        if (watched == tabs) {
            loadingOverlay->setGeometry(tabs->rect());
        } else if (watched == playerPanel) {
            if (fullscreen)
                repositionFullscreenChrome();
        } else if (movieGrid && watched == movieGrid->viewport()) {
            loadVisibleThumbnails(movieGrid);
        } else if (seriesGrid && watched == seriesGrid->viewport()) {
            loadVisibleThumbnails(seriesGrid);
        }
        break;
    case QEvent::Wheel: {
        QListWidget* grid = nullptr;
        if (movieGrid && watched == movieGrid->viewport())
            grid = movieGrid;
        else if (seriesGrid && watched == seriesGrid->viewport())
            grid = seriesGrid;
        if (grid) {
            const auto* wheel = static_cast<QWheelEvent*>(event);
            QScrollBar* bar = grid->verticalScrollBar();
            bar->setValue(bar->value() - int(wheel->angleDelta().y() * 0.35));
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
