// The lineup's dialogs: Manage Lineup and Guide Channel, and the guide addresses they change.
#include "lineup/lineupflow.h"

#include "app/clock.h"
#include "app/messagebox.h"
#include "guide/guideservice.h"
#include "lineup/guidechanneldialog.h"
#include "lineup/lineupstore.h"
#include "lineup/managelineupdialog.h"

void LineupFlow::openManageLineup()
{
    if (serverKey.isEmpty())
        return;
    // Locked categories are listed with their names: only after the PIN.
    if (current.hasLocks() && !askPin(tr("Enter the PIN to manage the lineup.")))
        return;
    ManageLineupDialog dialog(*this, p.window);
    dialog.exec();
}

void LineupFlow::openGuideChannel(const MediaItem& item)
{
    if (serverKey.isEmpty())
        return;
    LineupEntry e = itemEntry(item);
    GuideChannelDialog dialog(
        guidechannels::read(GuideService::storePath(source.storageKey()), Clock::epochSecs()), item.name,
        e.guideId, e.shiftMinutes, p.window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    e.guideId =
        dialog.chosenId() == item.guideId && e.guideId.isEmpty() ? QString() : dialog.chosenId();
    e.shiftMinutes = dialog.shiftMinutes();
    change({e});
}

bool LineupFlow::setGuideSources(const QStringList& sources)
{
    if (!store->setGuideSources(serverKey, sources)) {
        MessageBox::warning(
            p.window, tr("Lineup"),
            tr("The guide addresses could not be saved: %1").arg(store->lastError()));
        return false;
    }
    guideSources = sources;
    p.guide->setSource(guideConfig(source));
    p.guide->refresh(true);
    return true;
}
