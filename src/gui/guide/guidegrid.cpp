#include "guide/guidegrid.h"

#include "app/clock.h"
#include "app/translations.h"
#include "catchup/catchupaddress.h"
#include "guide/guidegriddata.h"
#include "guide/guidetext.h"
#include "ui/posterloader.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStaticText>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <optional>
#include <utility>

namespace {
constexpr int kLogoGroup = 0x6d1d; // this grid's requests in the poster queue
constexpr int kMaxLogos = 2000;
constexpr int kMaxElisions = 4096;

// The time of UTC seconds shifted by the frame's zone offset, on the locale's clock: QDateTime
// per block costs more than the block's painting.
QString clockText(qint64 utc, qint64 offset)
{
    static QLocale formatLocale;
    static QString format = GuideText::timeFormat();
    const QLocale locale;
    if (!(locale == formatLocale)) {
        formatLocale = locale;
        format = GuideText::timeFormat();
    }
    const qint64 minutes = (((utc + offset) / 60) % 1440 + 1440) % 1440;
    return locale.toString(QTime(int(minutes / 60), int(minutes % 60)), format);
}

// Text laid out for the grid keeps its own direction: an Arabic title with a Latin "HD" reads
// right to left under an English window too.
QString isolated(const QString& text)
{
    return Translations::isolated(text);
}
} // namespace

GuideGrid::GuideGrid(QWidget* parent)
    : QAbstractScrollArea(parent)
    , gridData(new GuideGridData(this))
{
    setObjectName(QStringLiteral("guideGrid"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    layout.setRowHeight(std::max(40, fontMetrics().height() * 2 + 12));
    layout.setPixelsPerHour(std::max(240, fontMetrics().averageCharWidth() * 40));
    connect(gridData, &GuideGridData::loaded, this, &GuideGrid::dataArrived);
}

GuideGrid::~GuideGrid() = default;

GuideGridLayout::Lookup GuideGrid::lookup() const
{
    return [this](int row, qint64 from, qint64 to) { return gridData->programmes(row, from, to); };
}

void GuideGrid::setMarkOf(MarkOf marks)
{
    markOf = std::move(marks);
    viewport()->update();
}

void GuideGrid::setChannels(const QList<MediaItem>& channels, const QList<int>& guideChannels,
                            const QList<qint64>& shifts)
{
    rows = channels;
    layout.setRowCount(int(rows.size()));
    gridData->setRows(guideChannels, shifts);
    if (current.row >= rows.size())
        current = GuideGridSelection();
    else if (current.isValid())
        current = layout.select(current.row, current.focus, {});
    updateScrollBars();
    viewport()->update();
}

void GuideGrid::setRange(qint64 from, qint64 to)
{
    const qint64 shown = firstVisibleTime();
    const bool first = layout.rangeTo() == 0;
    layout.setRange(from, to);
    updateScrollBars();
    if (!first)
        showTime(shown);
    viewport()->update();
}

void GuideGrid::setStore(const QString& path)
{
    gridData->setStore(path);
    viewport()->update();
}

qint64 GuideGrid::firstVisibleTime() const
{
    return layout.timeAt(horizontalScrollBar()->value());
}

int GuideGrid::firstVisibleRow() const
{
    return verticalScrollBar()->value() / layout.rowHeight();
}

int GuideGrid::visibleRowCount() const
{
    return std::max(1, (viewport()->height() - kRulerHeight) / layout.rowHeight());
}

QPoint GuideGrid::toViewport(qint64 x, qint64 y) const
{
    return QPoint(int(x - horizontalScrollBar()->value()) + kChannelWidth,
                  int(y - verticalScrollBar()->value()) + kRulerHeight);
}

void GuideGrid::updateScrollBars()
{
    const int width = std::max(1, viewport()->width() - kChannelWidth);
    const int height = std::max(1, viewport()->height() - kRulerHeight);
    horizontalScrollBar()->setRange(0, int(std::max<qint64>(0, layout.contentWidth() - width)));
    horizontalScrollBar()->setPageStep(width);
    horizontalScrollBar()->setSingleStep(layout.pixelsPerHour() / 4);
    verticalScrollBar()->setRange(0, int(std::max<qint64>(0, layout.contentHeight() - height)));
    verticalScrollBar()->setPageStep(height);
    verticalScrollBar()->setSingleStep(layout.rowHeight());
}

void GuideGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void GuideGrid::scrollContentsBy(int, int)
{
    viewport()->update();
}

void GuideGrid::showTime(qint64 time)
{
    horizontalScrollBar()->setValue(int(layout.xOf(std::max(time, layout.rangeFrom()))));
}

void GuideGrid::goToNow()
{
    const qint64 now = Clock::epochSecs();
    showTime(now - GuideGridLayout::kSlotSecs);
    const int row = current.isValid() ? current.row : firstVisibleRow();
    setSelection(layout.select(row, now, lookup()), true);
}

void GuideGrid::setSelection(const GuideGridSelection& selection, bool scrollTo)
{
    const bool changed = !(selection == current) || selection.focus != current.focus;
    current = selection;
    if (scrollTo && current.isValid())
        ensureVisible(current);
    viewport()->update();
    if (changed)
        emit selectionChanged(current);
}

void GuideGrid::ensureVisible(const GuideGridSelection& selection)
{
    const QRect block = layout.blockRect(selection.row, selection.start, selection.stop);
    const int width = viewport()->width() - kChannelWidth;
    QScrollBar* h = horizontalScrollBar();
    if (block.right() > h->value() + width)
        h->setValue(block.right() - width + 1);
    if (block.left() < h->value())
        h->setValue(block.left());
    const int height = viewport()->height() - kRulerHeight;
    QScrollBar* v = verticalScrollBar();
    if (block.bottom() > v->value() + height)
        v->setValue(block.bottom() - height + 1);
    if (block.top() < v->value())
        v->setValue(block.top());
}

void GuideGrid::dataArrived()
{
    // A cursor that landed on a window still being read now finds its programme.
    if (current.isValid() && !current.hasProgramme) {
        GuideGridSelection found = layout.select(current.row, current.focus, lookup());
        if (found.hasProgramme) {
            found.focus = current.focus;
            setSelection(found, false);
        }
    }
    viewport()->update();
}

void GuideGrid::keyPressEvent(QKeyEvent* event)
{
    const GuideGridLayout::Lookup find = lookup();
    const GuideGridSelection from =
        current.isValid() ? current : layout.select(firstVisibleRow(), firstVisibleTime(), find);
    std::optional<GuideGridSelection> next;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        // Time runs right to left under a right-to-left language.
        next = (event->key() == Qt::Key_Left) != isRightToLeft() ? layout.left(from, find)
                                                                 : layout.right(from, find);
        break;
    case Qt::Key_Up:
        next = layout.vertical(from, -1, find);
        break;
    case Qt::Key_Down:
        next = layout.vertical(from, 1, find);
        break;
    case Qt::Key_PageUp:
        next = layout.vertical(from, -visibleRowCount(), find);
        break;
    case Qt::Key_PageDown:
        next = layout.vertical(from, visibleRowCount(), find);
        break;
    case Qt::Key_Home:
        goToNow();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (current.isValid())
            emit activated(current);
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (next && next->isValid()) {
        // Paging moves the view by as much as the cursor.
        const int rowsMoved = next->row - from.row;
        if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown)
            verticalScrollBar()->setValue(verticalScrollBar()->value() +
                                          rowsMoved * layout.rowHeight());
        setSelection(*next, true);
    }
}

bool GuideGrid::selectAt(const QPoint& shown)
{
    // Geometry is computed left to right and mirrored when painted.
    const QPoint pos =
        isRightToLeft() ? QPoint(viewport()->width() - 1 - shown.x(), shown.y()) : shown;
    if (pos.y() < kRulerHeight)
        return false;
    const qint64 y = pos.y() - kRulerHeight + verticalScrollBar()->value();
    const int row = layout.rowAt(y);
    if (row < 0)
        return false;
    // The channel column stands for the channel now.
    const qint64 time =
        pos.x() < kChannelWidth
            ? Clock::epochSecs()
            : layout.timeAt(pos.x() - kChannelWidth + horizontalScrollBar()->value());
    setSelection(layout.select(row, time, lookup()), false);
    return true;
}

void GuideGrid::mousePressEvent(QMouseEvent* event)
{
    // The context menu is about the programme under the mouse.
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        selectAt(event->position().toPoint());
    QAbstractScrollArea::mousePressEvent(event);
}

void GuideGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && selectAt(event->position().toPoint()))
        emit activated(current);
}

void GuideGrid::wheelEvent(QWheelEvent* event)
{
    // Shift turns the wheel through time, as in other timelines.
    if (event->modifiers() & Qt::ShiftModifier) {
        const QPoint delta = event->angleDelta();
        const int steps = (delta.y() != 0 ? delta.y() : delta.x()) / 120;
        QScrollBar* h = horizontalScrollBar();
        h->setValue(h->value() - steps * h->singleStep() * 2);
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

void GuideGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const int width = viewport()->width();
    const int height = viewport()->height();
    const QPalette& pal = palette();
    painter.fillRect(viewport()->rect(), pal.color(QPalette::Base));
    if (rows.isEmpty() || layout.rangeTo() <= layout.rangeFrom()) {
        painter.setPen(pal.color(QPalette::PlaceholderText));
        painter.drawText(viewport()->rect(), Qt::AlignCenter, tr("No channels to show"));
        return;
    }

    const qint64 hx = horizontalScrollBar()->value();
    const qint64 vy = verticalScrollBar()->value();
    const qint64 from = layout.timeAt(hx);
    const qint64 to = layout.timeAt(hx + width - kChannelWidth) + 1;
    const int firstRow = layout.rowAt(vy);
    const int lastRow =
        std::min(int(rows.size()) - 1, int((vy + height - kRulerHeight) / layout.rowHeight()));
    gridData->want(firstRow, lastRow, from, to);

    const qint64 now = Clock::epochSecs();
    const qint64 offset = QDateTime::fromSecsSinceEpoch(from).offsetFromUtc();
    // Laid out left to right; under a right-to-left language every rectangle is mirrored, so
    // that time runs from right to left.
    const auto visual = [this](const QRect& logical) {
        return QStyle::visualRect(layoutDirection(), viewport()->rect(), logical);
    };
    painter.save();
    painter.setClipRect(
        visual(QRect(kChannelWidth, kRulerHeight, width - kChannelWidth, height - kRulerHeight)));
    for (int row = std::max(0, firstRow); row <= lastRow; ++row)
        paintRow(painter, row, from, to, now, offset);
    const qint64 nowX = kChannelWidth + layout.xOf(now) - hx;
    if (nowX >= kChannelWidth && nowX < width)
        painter.fillRect(visual(QRect(int(nowX) - 1, kRulerHeight, 2, height - kRulerHeight)),
                         nowLineColor());
    painter.restore();

    for (int row = std::max(0, firstRow); row <= lastRow; ++row)
        paintChannel(painter, row, int(kRulerHeight + layout.rowTop(row) - vy));
    paintRuler(painter, from, to, offset);
    if (!logosWanted.isEmpty() && !logoLoadPending) {
        logoLoadPending = true;
        QTimer::singleShot(0, this, &GuideGrid::loadLogos);
    }
}

void GuideGrid::paintRow(QPainter& painter, int row, qint64 from, qint64 to, qint64 now,
                         qint64 offset)
{
    const QPalette& pal = palette();
    const qint64 dx = kChannelWidth - horizontalScrollBar()->value();
    const qint64 dy = kRulerHeight - verticalScrollBar()->value();
    const QRect line = QRect(kChannelWidth, int(layout.rowTop(row) + dy),
                             viewport()->width() - kChannelWidth, layout.rowHeight());
    const bool rtl = isRightToLeft();
    const auto visual = [this](const QRect& logical) {
        return QStyle::visualRect(layoutDirection(), viewport()->rect(), logical);
    };
    bool complete = false;
    const QList<GuideProgramme> list = gridData->programmes(row, from, to, &complete);
    if (list.isEmpty()) {
        if (complete) {
            painter.setPen(pal.color(QPalette::PlaceholderText));
            painter.drawText(visual(line.adjusted(8, 0, 0, 0)), Qt::AlignVCenter | Qt::AlignLeft,
                             tr("No programme information"));
        }
        return;
    }
    const MediaItem& channel = rows.at(row);
    const bool archive = CatchupAddress::hasArchive(channel);
    const QFontMetrics metrics = painter.fontMetrics();
    const QColor block = pal.color(QPalette::AlternateBase);
    const QColor past = pal.color(QPalette::Window);
    for (const GuideProgramme& p : list) {
        const QRect logical = layout.blockRect(row, p.start, p.stop)
                                  .translated(int(dx), int(dy))
                                  .adjusted(1, 1, -1, -1);
        if (logical.width() <= 0)
            continue;
        const QRect r = visual(logical);
        const bool running = p.start <= now && now < p.stop;
        const bool selected =
            current.row == row && current.start == p.start && current.hasProgramme;
        painter.fillRect(r, running         ? pal.color(QPalette::Highlight)
                            : p.stop <= now ? past
                                            : block);
        if (selected) {
            painter.setPen(QPen(running ? pal.color(QPalette::HighlightedText)
                                        : pal.color(QPalette::Highlight),
                                2));
            painter.drawRect(r.adjusted(1, 1, -1, -1));
        }
        if (archive && p.stop <= now &&
            CatchupAddress::isAvailable(channel, CatchupWindow{p.start, p.stop, now})) {
            // In the corner where the programme begins.
            const QPoint corner = rtl ? r.topRight() : r.topLeft();
            const int side = rtl ? -10 : 10;
            const QPoint mark[] = {corner, corner + QPoint(side, 0), corner + QPoint(0, 10)};
            painter.setPen(Qt::NoPen);
            painter.setBrush(archiveMarkColor());
            painter.drawPolygon(mark, 3);
            painter.setBrush(Qt::NoBrush);
        }
        const Mark mark = markOf ? markOf(channel, p) : Mark::None;
        if (mark != Mark::None)
            paintMark(painter, r, mark);
        // Text of a block that starts off screen stays readable at the left edge.
        const int textLeft = std::max(logical.left(), kChannelWidth) + 6;
        const int textWidth = logical.right() - textLeft - 4 - (mark != Mark::None ? 16 : 0);
        if (textWidth < 12)
            continue;
        const QColor text =
            running ? pal.color(QPalette::HighlightedText)
                    : pal.color(p.stop <= now ? QPalette::PlaceholderText : QPalette::Text);
        painter.setPen(text);
        // Laid out once per text and width: shaping text is most of a frame otherwise.
        const int half = r.height() / 2;
        const QRect textArea = visual(QRect(textLeft, r.top(), textWidth, r.height()));
        const auto draw = [&](const QStaticText& laid, int y) {
            const int x = rtl ? textArea.right() + 1 - int(laid.size().width()) : textArea.left();
            painter.drawStaticText(QPoint(x, y), laid);
        };
        draw(elided(isolated(p.title), textWidth), r.top() + half - metrics.height());
        draw(elided(tr("%1-%2", "start and end of a programme in the guide grid")
                        .arg(clockText(p.start, offset), clockText(p.stop, offset)),
                    textWidth),
             r.top() + half);
    }
    painter.setPen(pal.color(QPalette::Mid));
    const QRect bottom = visual(line);
    painter.drawLine(bottom.bottomLeft(), bottom.bottomRight());
}

void GuideGrid::paintMark(QPainter& painter, const QRect& block, Mark mark) const
{
    // In the corner where the programme ends, away from the archive's mark.
    constexpr int kSide = 10;
    const int x = isRightToLeft() ? block.left() + 4 : block.right() - 4 - kSide;
    const QRectF dot(x, block.top() + 4, kSide, kSide);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor color = recordingMarkColor();
    // A pale rim keeps the mark visible on the highlight of the running programme.
    painter.setPen(QPen(palette().color(QPalette::Base), 4));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawEllipse(dot);
    painter.setPen(QPen(color, 2));
    painter.setBrush(mark == Mark::Running ? QBrush(color) : QBrush());
    painter.drawEllipse(dot.adjusted(1, 1, -1, -1));
    if (mark == Mark::Series)
        painter.drawEllipse(dot.adjusted(3.5, 3.5, -3.5, -3.5));
    painter.restore();
}

void GuideGrid::paintChannel(QPainter& painter, int row, int y)
{
    if (y + layout.rowHeight() <= kRulerHeight)
        return;
    const QPalette& pal = palette();
    const auto visual = [this](const QRect& logical) {
        return QStyle::visualRect(layoutDirection(), viewport()->rect(), logical);
    };
    const QRect cell = visual(QRect(0, y, kChannelWidth, layout.rowHeight()));
    painter.fillRect(cell, pal.color(QPalette::Button));
    const MediaItem& channel = rows.at(row);
    const int logoSide = layout.rowHeight() - 8;
    if (!channel.iconUrl.isEmpty()) {
        const auto found = logos.constFind(channel.iconUrl);
        if (found != logos.cend()) {
            const QPixmap& logo = *found;
            const QSize size = logo.deviceIndependentSize().toSize();
            const QRect box = visual(QRect(4, y + 4, logoSide, logoSide));
            painter.drawPixmap(box.left() + (logoSide - size.width()) / 2,
                               y + 4 + (logoSide - size.height()) / 2, logo);
        } else if (posters && !logosAsked.contains(channel.iconUrl)) {
            logosWanted.insert(channel.iconUrl);
        }
    }
    painter.setPen(pal.color(QPalette::ButtonText));
    const QRect name =
        visual(QRect(logoSide + 12, y, kChannelWidth - logoSide - 18, cell.height()));
    const QFontMetrics metrics = painter.fontMetrics();
    const QStaticText& laid = elided(isolated(channel.name), name.width());
    const int nameX = isRightToLeft() ? name.right() + 1 - int(laid.size().width()) : name.left();
    painter.drawStaticText(QPoint(nameX, y + (layout.rowHeight() - metrics.height()) / 2), laid);
    painter.setPen(pal.color(QPalette::Mid));
    painter.drawLine(cell.bottomLeft(), cell.bottomRight());
    // The line between the channels and the programmes.
    if (isRightToLeft())
        painter.drawLine(cell.topLeft(), cell.bottomLeft());
    else
        painter.drawLine(cell.topRight(), cell.bottomRight());
}

void GuideGrid::paintRuler(QPainter& painter, qint64 from, qint64 to, qint64 offset) const
{
    const QPalette& pal = palette();
    const int width = viewport()->width();
    painter.fillRect(QRect(0, 0, width, kRulerHeight), pal.color(QPalette::Button));
    painter.setPen(pal.color(QPalette::ButtonText));
    const qint64 hx = horizontalScrollBar()->value();
    const auto visual = [this](const QRect& logical) {
        return QStyle::visualRect(layoutDirection(), viewport()->rect(), logical);
    };
    painter.save();
    painter.setClipRect(visual(QRect(kChannelWidth, 0, width - kChannelWidth, kRulerHeight)));
    for (qint64 t = GuideGridLayout::slotStart(from); t < to; t += GuideGridLayout::kSlotSecs) {
        const int x = int(kChannelWidth + layout.xOf(t) - hx);
        const QRect tick = visual(QRect(x, kRulerHeight - 6, 1, 6));
        painter.drawLine(tick.left(), tick.top(), tick.left(), tick.bottom());
        // AlignLeft follows the painter's direction: right of the mirrored text area.
        painter.drawText(visual(QRect(x + 4, 0, layout.pixelsPerHour() / 2 - 8, kRulerHeight)),
                         Qt::AlignVCenter | Qt::AlignLeft, clockText(t, offset));
    }
    painter.restore();
    // The corner names the day at the start of the shown time.
    painter.drawText(visual(QRect(6, 0, kChannelWidth - 12, kRulerHeight)),
                     Qt::AlignVCenter | Qt::AlignLeft,
                     GuideText::shortDay(QDateTime::fromSecsSinceEpoch(from).date()));
    painter.setPen(pal.color(QPalette::Mid));
    painter.drawLine(0, kRulerHeight - 1, width, kRulerHeight - 1);
}

const QStaticText& GuideGrid::elided(const QString& text, int width)
{
    // The whole text serves every width it fits in; cut texts are laid out for widths rounded
    // down to 8 px, so a block sliding under the left edge lays out anew every 8 px, not
    // every frame.
    const QStaticText& whole = laidOut(text, -1);
    if (whole.size().width() <= width)
        return whole;
    return laidOut(text, std::max(0, width & ~7));
}

const QStaticText& GuideGrid::laidOut(const QString& text, int width)
{
    // Two generations: when the newer fills up it becomes the older, so what is on screen
    // stays laid out instead of all of it at once in one frame.
    const std::pair<QString, int> key(text, width);
    auto it = elisions.find(key);
    if (it != elisions.end())
        return *it;
    if (elisions.size() >= kMaxElisions) {
        olderElisions = std::exchange(elisions, {});
    }
    const auto older = olderElisions.constFind(key);
    if (older != olderElisions.cend())
        return *elisions.insert(key, *older);
    QStaticText laid(width < 0 ? text : fontMetrics().elidedText(text, Qt::ElideRight, width));
    laid.setTextFormat(Qt::PlainText);
    laid.setPerformanceHint(QStaticText::AggressiveCaching);
    laid.prepare(QTransform(), font());
    return *elisions.insert(key, laid);
}

void GuideGrid::loadLogos()
{
    logoLoadPending = false;
    if (!posters)
        return;
    const int side = layout.rowHeight() - 8;
    const qreal ratio = devicePixelRatioF();
    auto keep = [this, side, ratio](const QString& url, const QPixmap& poster) {
        if (logos.size() >= kMaxLogos)
            logos.clear();
        QPixmap scaled =
            poster.scaled(QSize(side, side) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio);
        logos.insert(url, scaled);
    };
    const QSet<QString> wanted = std::exchange(logosWanted, {});
    for (const QString& url : wanted) {
        logosAsked.insert(url);
        const QPixmap cached = posters->cached(url);
        if (!cached.isNull()) {
            keep(url, cached);
            continue;
        }
        // The loader may outlive the grid.
        posters->download(url, kLogoGroup, 0, 0,
                          [self = QPointer<GuideGrid>(this), url,
                           keep](PosterLoader::Outcome outcome, const QPixmap& poster) {
                              if (self && outcome == PosterLoader::Outcome::Loaded) {
                                  keep(url, poster);
                                  self->viewport()->update();
                              }
                          });
    }
    viewport()->update();
}
