#pragma once

#include "model/episode.h"

#include <QList>
#include <QString>
#include <QWidget>

class QLabel;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class XtreamClient;

// The seasons and episodes of one series, a page of the "TV Shows" stack (after its categories
// and its posters). Episodes come from the catalog cache while fresh, else from the server.
class EpisodesPage final : public QWidget
{
    Q_OBJECT

public:
    // `stack` is the tab's stack; the page adds itself to it.
    explicit EpisodesPage(QStackedWidget* stack);

    // Shows the page for the series and lists its episodes once known. An answer is dropped
    // when the user went back, opened another series, or another server was loaded (the
    // generation moved on).
    void showSeries(XtreamClient* client, const QString& sourceName, const QString& seriesId,
                    const QString& seriesName, const quint64* loadGeneration);
    // The index into shownEpisodes of an episode row; -1 for season rows and notices.
    int episodeIndexOf(const QTreeWidgetItem* item) const;

    QTreeWidget* episodeTree = nullptr;
    QLabel* episodeSeriesLabel = nullptr;
    QString shownSeriesId;
    QString shownSeriesName;
    QList<Episode> shownEpisodes;

signals:
    // The episode rows were (re)filled.
    void listed();
    // An episode row was clicked or chosen with Return.
    void chosen(QTreeWidgetItem* item);

private:
    void fillEpisodes(const QList<Episode>& episodes);
    bool isShown() const;

    QStackedWidget* stack;
};
