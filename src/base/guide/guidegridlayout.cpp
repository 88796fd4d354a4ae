#include "guide/guidegridlayout.h"

#include <algorithm>

void GuideGridLayout::setRange(qint64 rangeFrom, qint64 rangeTo)
{
    from = slotStart(rangeFrom);
    to = std::max(from + kSlotSecs, rangeTo);
}

qint64 GuideGridLayout::slotStart(qint64 time)
{
    // Floor, also before the epoch.
    const qint64 rest = ((time % kSlotSecs) + kSlotSecs) % kSlotSecs;
    return time - rest;
}

qint64 GuideGridLayout::xOf(qint64 time) const
{
    return (time - from) * hourPixels / 3600;
}

qint64 GuideGridLayout::timeAt(qint64 x) const
{
    return from + x * 3600 / hourPixels;
}

int GuideGridLayout::rowAt(qint64 y) const
{
    if (y < 0)
        return -1;
    const qint64 row = y / rowPixels;
    return row < rowTotal ? int(row) : -1;
}

QRect GuideGridLayout::blockRect(int row, qint64 start, qint64 stop) const
{
    const qint64 left = xOf(std::max(start, from));
    const qint64 right = xOf(std::min(stop, to));
    return QRect(int(left), int(rowTop(row)), int(std::max<qint64>(0, right - left)), rowPixels);
}

qint64 GuideGridLayout::clampTime(qint64 time) const
{
    return std::clamp(time, from, to - 1);
}

GuideGridSelection GuideGridLayout::select(int row, qint64 time, const Lookup& lookup) const
{
    GuideGridSelection s;
    if (rowTotal == 0)
        return s;
    s.row = std::clamp(row, 0, rowTotal - 1);
    s.focus = clampTime(time);
    const QList<GuideProgramme> around =
        lookup ? lookup(s.row, s.focus, s.focus + 1) : QList<GuideProgramme>();
    for (const GuideProgramme& p : around) {
        if (p.start <= s.focus && s.focus < p.stop) {
            s.start = p.start;
            s.stop = p.stop;
            s.programme = p;
            s.hasProgramme = true;
            return s;
        }
    }
    s.start = slotStart(s.focus);
    s.stop = s.start + kSlotSecs;
    return s;
}

GuideGridSelection GuideGridLayout::left(const GuideGridSelection& sel, const Lookup& lookup) const
{
    if (!sel.isValid() || sel.start <= from)
        return sel;
    GuideGridSelection next = select(sel.row, sel.start - 1, lookup);
    next.focus = clampTime(next.start);
    return next;
}

GuideGridSelection GuideGridLayout::right(const GuideGridSelection& sel, const Lookup& lookup) const
{
    if (!sel.isValid() || sel.stop >= to)
        return sel;
    GuideGridSelection next = select(sel.row, sel.stop, lookup);
    next.focus = clampTime(next.start);
    return next;
}

GuideGridSelection GuideGridLayout::vertical(const GuideGridSelection& sel, int rows,
                                             const Lookup& lookup) const
{
    if (!sel.isValid())
        return select(0, from, lookup);
    // Aim at the focus, but never outside what is selected now.
    const qint64 aim = std::clamp(sel.focus, sel.start, sel.stop - 1);
    GuideGridSelection next = select(sel.row + rows, aim, lookup);
    next.focus = sel.focus;
    return next;
}
