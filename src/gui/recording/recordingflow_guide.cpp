// RecordingFlow: recording from the guide. The programme list and the TV Guide grids get "Record"
// (key R and the context menu) and "Download" for past programmes of the archive; both mark
// planned and running recordings.
#include "recording/recordingflow.h"

#include "app/clock.h"
#include "app/messagebox.h"
#include "catchup/catchupaddress.h"
#include "catchup/catchupresolver.h"
#include "guide/guidegrid.h"
#include "guide/guidepanel.h"
#include "recording/recording.h"
#include "recording/recordingmanager.h"
#include "ui/catalogsession.h"
#include "ui/catalogtab.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QTableWidget>
#include <QTreeWidget>

namespace {
const char* const kHooked = "velmoraRecordingHooked";

QIcon markIcon(const QColor& color, bool filled)
{
    QPixmap dot(12, 12);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 2));
    painter.setBrush(filled ? QBrush(color) : QBrush());
    painter.drawEllipse(QRectF(2, 2, 8, 8));
    return QIcon(dot);
}

bool isRecordKey(const QEvent* event)
{
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_R && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
} // namespace

void RecordingFlow::hookGuideViews()
{
    auto hook = [this](QObject* object) {
        if (!object || object->property(kHooked).toBool())
            return;
        object->setProperty(kHooked, true);
        object->installEventFilter(this);
    };
    for (GuideGrid* grid : p.window->findChildren<GuideGrid*>()) {
        hook(grid);
        if (!grid->hasMarkOf())
            grid->setMarkOf([this](const MediaItem& channel, const GuideProgramme& programme) {
                return gridMark(channel, programme);
            });
    }
    for (GuidePanel* panel : p.window->findChildren<GuidePanel*>()) {
        hook(panel->programmeList());
        hook(panel->programmeList()->viewport());
    }
}

void RecordingFlow::markGuideList()
{
    static const QIcon running = markIcon(QColor(220, 40, 40), true);
    static const QIcon planned = markIcon(QColor(220, 40, 40), false);
    const qint64 now = Clock::epochSecs();
    for (GuidePanel* panel : p.window->findChildren<GuidePanel*>()) {
        QTreeWidget* tree = panel->programmeList();
        const QList<GuideProgramme>& programmes = panel->programmes();
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = tree->topLevelItem(i);
            const QVariant at = row->data(0, GuidePanel::kProgrammeIndexRole);
            if (!at.isValid() || at.toInt() >= programmes.size())
                continue;
            const GuideProgramme& programme = programmes.at(at.toInt());
            if (programme.stop <= now)
                continue; // past rows carry the archive's marks
            const QString mark = programmeMark(panel->channel(), programme);
            const QIcon icon = mark.isEmpty()                     ? QIcon()
                               : mark == QStringLiteral("\u25CF") ? running
                                                                  : planned;
            if (row->icon(1).cacheKey() != icon.cacheKey())
                row->setIcon(1, icon);
        }
    }
}

bool RecordingFlow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isRecordKey(event)) {
        if (watched == p.playerPanel) {
            toggleRecording();
            return true;
        }
        for (CatalogTab* tab : {p.liveTab, p.channelTab}) {
            if (!tab || watched != tab->table)
                continue;
            const int row = tab->table->currentRow();
            if (row >= 0 && row < tab->shown.size())
                toggleChannel(tab->shown.at(row));
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ContextMenu)
        return guideEvent(watched, event);
    return QObject::eventFilter(watched, event);
}

bool RecordingFlow::guideEvent(QObject* watched, QEvent* event)
{
    MediaItem channel;
    GuideProgramme programme;
    QWidget* widget = qobject_cast<QWidget*>(watched);
    if (auto* grid = qobject_cast<GuideGrid*>(watched)) {
        const GuideGridSelection& selection = grid->selection();
        if (!selection.isValid() || !selection.hasProgramme ||
            selection.row >= grid->channels().size())
            return false;
        channel = grid->channels().at(selection.row);
        programme = selection.programme;
    } else {
        QTreeWidget* tree = qobject_cast<QTreeWidget*>(watched);
        if (!tree && widget)
            tree = qobject_cast<QTreeWidget*>(widget->parentWidget());
        auto* panel = tree ? qobject_cast<GuidePanel*>(tree->parentWidget()) : nullptr;
        for (QWidget* up = tree; !panel && up; up = up->parentWidget())
            panel = qobject_cast<GuidePanel*>(up);
        if (!tree || !panel)
            return false;
        QTreeWidgetItem* row = tree->currentItem();
        if (event->type() == QEvent::ContextMenu && watched == tree->viewport())
            row = tree->itemAt(static_cast<QContextMenuEvent*>(event)->pos());
        const QVariant at = row ? row->data(0, GuidePanel::kProgrammeIndexRole) : QVariant();
        if (!at.isValid() || at.toInt() >= panel->programmes().size())
            return false;
        channel = panel->channel();
        programme = panel->programmes().at(at.toInt());
    }
    if (channel.type != MediaItem::Live)
        return false;
    if (event->type() == QEvent::KeyPress) {
        if (!isRecordKey(event) || programme.stop * 1000 <= Clock::epochMs())
            return false;
        const Recording* planned =
            recordings->plannedAt(serverKey(), channel.id, programme.start * 1000);
        if (planned && planned->isActive())
            recordings->stop(planned->id); // R again takes it back
        else
            recordProgramme(channel, programme, false);
        markGuideList();
        return true;
    }
    QMenu menu(p.window);
    addProgrammeActions(menu, channel, programme);
    if (menu.isEmpty())
        return false;
    menu.exec(static_cast<QContextMenuEvent*>(event)->globalPos());
    markGuideList();
    return true;
}

GuideGrid::Mark RecordingFlow::gridMark(const MediaItem& channel,
                                        const GuideProgramme& programme) const
{
    const QString server = serverKey();
    const Recording* r = recordings->plannedAt(server, channel.id, programme.start * 1000);
    if (r && r->state == Recording::Running)
        return GuideGrid::Mark::Running;
    if ((r && r->kind == Recording::Series && r->isActive()) ||
        (programme.stop * 1000 > Clock::epochMs() &&
         recordings->hasSeriesRule(server, channel.id, programme.title)))
        return GuideGrid::Mark::Series;
    return r && r->state == Recording::Scheduled ? GuideGrid::Mark::Planned : GuideGrid::Mark::None;
}

void RecordingFlow::downloadProgramme(const MediaItem& item, const GuideProgramme& programme)
{
    const SourceConfig source = p.session->activeSource;
    const RecordingManager::Channel channel{source.storageKey(), item.id, item.name};
    const CatchupWindow window{programme.start, programme.stop, Clock::epochSecs()};
    resolver->resolve(
        network, source, item, window, this, [this, channel, programme](const QString& url) {
            QString message;
            if (url.isEmpty())
                message = tr("\"%1\" cannot be downloaded: the channel gives no archive address.")
                              .arg(programme.title);
            else if (recordings->downloadArchive(channel, programme, QUrl(url), &message) > 0)
                return;
            MessageBox::warning(p.window, tr("Not Downloaded"), message);
        });
}
