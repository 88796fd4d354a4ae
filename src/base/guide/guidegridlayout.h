#pragma once

#include "guide/guideprogramme.h"

#include <QList>
#include <QRect>
#include <QtGlobal>

#include <functional>

// What the grid's cursor stands on: a programme, or a half-hour slot of a row where the guide
// has nothing. `focus` is the moment up and down aim at, so moving through channels keeps its
// column instead of drifting with each programme's start.
struct GuideGridSelection
{
    int row = -1;
    qint64 start = 0;
    qint64 stop = 0;
    qint64 focus = 0;
    bool hasProgramme = false;
    GuideProgramme programme;

    bool isValid() const { return row >= 0; }
    bool operator==(const GuideGridSelection& o) const
    {
        return row == o.row && start == o.start && stop == o.stop && hasProgramme == o.hasProgramme;
    }
};

// The grid's geometry and cursor moves, without widgets. Content coordinates: x = 0 is the start
// of the range, y = 0 the top of the first row; the channel column and the ruler lie outside.
class GuideGridLayout final
{
public:
    static constexpr qint64 kSlotSecs = 1800; // ruler step and empty-slot length

    // Programmes of a row overlapping [from, to), by start.
    using Lookup = std::function<QList<GuideProgramme>(int row, qint64 from, qint64 to)>;

    void setRange(qint64 from, qint64 to); // `from` is rounded down to the slot
    void setRowCount(int rows) { rowTotal = qMax(0, rows); }
    void setRowHeight(int pixels) { rowPixels = qMax(1, pixels); }
    void setPixelsPerHour(int pixels) { hourPixels = qMax(1, pixels); }

    qint64 rangeFrom() const { return from; }
    qint64 rangeTo() const { return to; }
    int rowCount() const { return rowTotal; }
    int rowHeight() const { return rowPixels; }
    int pixelsPerHour() const { return hourPixels; }
    qint64 contentWidth() const { return xOf(to); }
    qint64 contentHeight() const { return qint64(rowTotal) * rowPixels; }

    qint64 xOf(qint64 time) const;
    qint64 timeAt(qint64 x) const;
    int rowAt(qint64 y) const; // -1 outside the rows
    qint64 rowTop(int row) const { return qint64(row) * rowPixels; }
    QRect blockRect(int row, qint64 start, qint64 stop) const; // clipped to the range
    static qint64 slotStart(qint64 time);

    // The programme of `row` at `time`, else its half-hour slot. Clamped into rows and range.
    GuideGridSelection select(int row, qint64 time, const Lookup& lookup) const;
    GuideGridSelection left(const GuideGridSelection& from, const Lookup& lookup) const;
    GuideGridSelection right(const GuideGridSelection& from, const Lookup& lookup) const;
    // `rows` channels down (negative: up), to what overlaps the focus there.
    GuideGridSelection vertical(const GuideGridSelection& from, int rows,
                                const Lookup& lookup) const;

private:
    qint64 clampTime(qint64 time) const;

    qint64 from = 0;
    qint64 to = 0;
    int rowTotal = 0;
    int rowPixels = 48;
    int hourPixels = 300;
};
