#pragma once

#include "guide/guideprogramme.h"
#include "model/mediaitem.h"

#include <QList>
#include <QWidget>

class GuideService;
class QLabel;
class QPushButton;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// The programme list of one channel beside the player: programmes grouped by day in local time,
// the running one highlighted and scrolled into view, the selected one's description below.
// Past programmes the channel's archive still holds carry a mark and play when activated; the
// running one offers "Watch from start". Folded (the default) it is a narrow strip.
class GuidePanel final : public QWidget
{
    Q_OBJECT

public:
    GuidePanel(GuideService* service, QWidget* parent);

    void showChannel(const MediaItem& item);
    const MediaItem& channel() const { return shownChannel; }
    bool isExpanded() const;
    void setExpanded(bool expanded);
    QSize sizeHint() const override;
    // Idle while neither a channel nor a programme of the archive plays (a movie, an episode):
    // the panel folds, and opens again as the user had it once one plays.
    void setIdle(bool idle);
    // The list and its programmes: each programme row keeps its index in programmes() under
    // kProgrammeIndexRole of column 0 (other subsystems add actions and marks).
    static constexpr int kProgrammeIndexRole = Qt::UserRole + 1;
    QTreeWidget* programmeList() const { return tree; }
    const QList<GuideProgramme>& programmes() const { return shown; }
    // The programme playing from the archive, marked in the list; an empty id for none.
    void setPlaying(const QString& channelId, qint64 programmeStart);

signals:
    // `programmes[index]` of `channel` is to play from the archive, from its start.
    void programmeChosen(const MediaItem& channel, const QList<GuideProgramme>& programmes,
                         int index);

private:
    void choose(const QTreeWidgetItem* row, bool running);
    void updateFromStart();
    void resizeInSplitter(int width);
    void reload();
    void fill(const QList<GuideProgramme>& programmes);
    void markCurrent(bool scroll);
    void showDescription();

    GuideService* service = nullptr;
    QToolButton* header = nullptr;
    QWidget* body = nullptr;
    QTreeWidget* tree = nullptr;
    QTextBrowser* description = nullptr;
    QPushButton* fromStart = nullptr;
    MediaItem shownChannel;
    QList<GuideProgramme> shown;
    QTreeWidgetItem* currentItem = nullptr;
    quint64 request = 0; // answers to an earlier channel are dropped
    QString playingChannelId;
    qint64 playingStart = -1;
    bool idleNow = false;
    bool reopen = false; // folded for being idle, not by the user
};
