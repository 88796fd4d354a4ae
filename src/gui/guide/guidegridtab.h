#pragma once

#include "guide/guidegridlayout.h"
#include "guide/guideprogramme.h"
#include "model/mediaitem.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <memory>

class CatchupResolver;
class GuideGrid;
class GuideService;
class PosterLoader;
class QComboBox;
class QLabel;
class QNetworkAccessManager;
class QPushButton;
class QTabWidget;

// The "TV Guide" tab: the grid over the channels another tab shows (its category and search),
// a day selector and "Now" above it, the selected programme's details below. Return or a
// double-click plays the channel live, or a past programme from the archive when the channel
// keeps one. Shown only while the server is of the kind the tab follows.
class GuideGridTab final : public QWidget
{
    Q_OBJECT

public:
    // What the followed tab shows now, and its title (category or search).
    using Rows = std::function<QList<MediaItem>()>;
    using Title = std::function<QString()>;

    GuideGridTab(GuideService* guide, QNetworkAccessManager* network, bool forXtream, Rows rows,
                 Title title, QWidget* parent = nullptr);
    ~GuideGridTab() override;

    // Inserts a tab right after `after`'s tab in `tabs`.
    static GuideGridTab* insertAfter(QTabWidget* tabs, QWidget* after, GuideService* guide,
                                     QNetworkAccessManager* network, bool forXtream, Rows rows,
                                     Title title);

    void setPosterLoader(PosterLoader* loader);
    GuideGrid* grid() const { return view; }
    // Reads the followed tab's channels again.
    void reload();

signals:
    void playLive(const MediaItem& channel);
    void playArchive(const MediaItem& channel, const GuideProgramme& programme, const QString& url);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void guideChanged();
    void openStore();
    void fillDays();
    void followDay();
    void showDetails(const GuideGridSelection& selection);
    void play(const GuideGridSelection& selection);

    GuideService* guide = nullptr;
    QNetworkAccessManager* network = nullptr;
    std::unique_ptr<CatchupResolver> resolver;
    bool forXtream = false;
    Rows rowsOf;
    Title titleOf;
    QTabWidget* tabs = nullptr;
    QLabel* scope = nullptr;
    QComboBox* days = nullptr;
    QPushButton* nowButton = nullptr;
    GuideGrid* view = nullptr;
    QLabel* details = nullptr;
    bool shownOnce = false;
};
