#pragma once

#include "guide/guideprogramme.h"
#include "model/mediaitem.h"

#include <QList>
#include <QWidget>

class GuideService;
class QLabel;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// The programme list of one channel under the player: programmes grouped by day in local time,
// the running one highlighted and scrolled into view, the selected one's description below.
// Its header folds it away.
class GuidePanel final : public QWidget
{
    Q_OBJECT

public:
    GuidePanel(GuideService* service, QWidget* parent);

    void showChannel(const MediaItem& item);
    const MediaItem& channel() const { return shownChannel; }
    bool isExpanded() const;
    void setExpanded(bool expanded);
    QSize sizeHint() const override { return {300, 400}; }

private:
    void reload();
    void fill(const QList<GuideProgramme>& programmes);
    void markCurrent(bool scroll);
    void showDescription();

    GuideService* service = nullptr;
    QToolButton* header = nullptr;
    QWidget* body = nullptr;
    QTreeWidget* tree = nullptr;
    QTextBrowser* description = nullptr;
    MediaItem shownChannel;
    QList<GuideProgramme> shown;
    QTreeWidgetItem* currentItem = nullptr;
    quint64 request = 0; // answers to an earlier channel are dropped
};
