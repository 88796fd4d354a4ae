#pragma once

#include "guide/guidegridlayout.h"
#include "model/mediaitem.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QSet>
#include <QStaticText>

#include <functional>

#include <utility>

class GuideGridData;
class PosterLoader;

// Channels against time, painted: a channel column (logo and name) on the left, a ruler in
// half-hour steps on top, programmes as blocks as long as they run. Only the visible rows and
// blocks are painted, from what GuideGridData holds in memory; the rest is read around the
// viewport meanwhile. The running programme is filled with the highlight colour, a red line
// marks now, and past programmes the archive keeps carry a mark in their corner.
class GuideGrid final : public QAbstractScrollArea
{
    Q_OBJECT

public:
    static constexpr int kChannelWidth = 200;
    static constexpr int kRulerHeight = 28;
    static QColor nowLineColor() { return {230, 40, 40}; }
    static QColor archiveMarkColor() { return {255, 176, 32}; }
    static QColor recordingMarkColor() { return {220, 40, 40}; }

    // What a recording makes of a programme, marked in the corner where it ends.
    enum class Mark
    {
        None,
        Planned, // a ring
        Running, // a dot
        Series   // a ring in a ring: a series rule takes it
    };
    using MarkOf = std::function<Mark(const MediaItem& channel, const GuideProgramme& programme)>;

    explicit GuideGrid(QWidget* parent = nullptr);
    ~GuideGrid() override;

    void setPosterLoader(PosterLoader* loader) { posters = loader; }
    // Asked for every programme painted; cheap answers only.
    void setMarkOf(MarkOf marks);
    bool hasMarkOf() const { return static_cast<bool>(markOf); }
    // Rows and their guide channels (-1: none), the same length, and the seconds each row's
    // guide is shifted by (empty: none). Keeps the scroll position.
    void setChannels(const QList<MediaItem>& channels, const QList<int>& guideChannels,
                     const QList<qint64>& shifts = {});
    void setRange(qint64 from, qint64 to);
    // Reads a new store file (empty: none).
    void setStore(const QString& path);

    const GuideGridLayout& gridLayout() const { return layout; }
    GuideGridData* data() const { return gridData; }
    const QList<MediaItem>& channels() const { return rows; }
    qint64 firstVisibleTime() const;
    int firstVisibleRow() const;

    const GuideGridSelection& selection() const { return current; }
    void setSelection(const GuideGridSelection& selection, bool scrollTo);
    // Scrolls so `time` is at the left edge.
    void showTime(qint64 time);
    // The current row's programme of now, scrolled into view with a little of the past.
    void goToNow();
    // Where content coordinates appear in the viewport.
    QPoint toViewport(qint64 x, qint64 y) const;

signals:
    void selectionChanged(const GuideGridSelection& selection);
    void activated(const GuideGridSelection& selection); // Return or double-click

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    GuideGridLayout::Lookup lookup() const;
    void updateScrollBars();
    void ensureVisible(const GuideGridSelection& selection);
    bool selectAt(const QPoint& pos);
    void dataArrived();
    void paintRuler(QPainter& painter, qint64 from, qint64 to, qint64 offset) const;
    void paintRow(QPainter& painter, int row, qint64 from, qint64 to, qint64 now, qint64 offset);
    void paintChannel(QPainter& painter, int row, int y);
    void paintMark(QPainter& painter, const QRect& block, Mark mark) const;
    void loadLogos();
    const QStaticText& elided(const QString& text, int width);
    const QStaticText& laidOut(const QString& text, int width); // -1: the whole text
    int visibleRowCount() const;

    GuideGridLayout layout;
    GuideGridData* gridData = nullptr;
    PosterLoader* posters = nullptr;
    QList<MediaItem> rows;
    GuideGridSelection current;
    MarkOf markOf;

    QHash<QString, QPixmap> logos; // scaled to the row
    QSet<QString> logosWanted;     // seen while painting, not yet asked for
    QSet<QString> logosAsked;
    bool logoLoadPending = false;
    QHash<std::pair<QString, int>, QStaticText> elisions;
    QHash<std::pair<QString, int>, QStaticText> olderElisions;
};
