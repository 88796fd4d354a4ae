#include "lineup/lineupwiring.h"

#include "library/library.h"
#include "lineup/lineupflow.h"
#include "ui/libraryflow.h"
#include "ui/librarystate.h"

#include <QCoreApplication>
#include <QMenu>
#include <QSet>
#include <QWidget>

#include <array>
#include <memory>

void attachLineup(LineupFlow& lineup, LibraryFlow& library)
{
    library.addMenuExtension(
        [&lineup](QMenu& menu, const MediaItem& item) { lineup.addItemActions(menu, item); });
    // Only the server shown has a catalog to check ids against; others are taken as they are.
    struct Known
    {
        QList<MediaItem> items;
        QSet<QString> ids;
    };
    auto known = std::make_shared<std::array<Known, 3>>();
    library.state().library->setLineupIdCheck(
        [&lineup, known](const QString& server, int what, int kind, const QString& id) {
            if (server != lineup.server())
                return true;
            if (what == LineupEntry::CategoryEntry) {
                const QList<Category> categories = lineup.providerCategories(kind);
                if (categories.isEmpty())
                    return true;
                for (const Category& c : categories)
                    if (c.id == id)
                        return true;
                return false;
            }
            Known& k = (*known)[size_t(Lineup::sectionOf(kind))];
            const QList<MediaItem> items = lineup.providerItems(kind);
            if (items.isEmpty())
                return true;
            if (!k.items.isSharedWith(items) || k.items.size() != items.size()) {
                k.items = items;
                k.ids.clear();
                k.ids.reserve(items.size());
                for (const MediaItem& item : items)
                    k.ids.insert(Library::idOf(item));
            }
            return k.ids.contains(id);
        });
    if (auto* menu = library.parent()->findChild<QMenu*>(QStringLiteral("libraryMenu"))) {
        menu->addSeparator();
        QObject::connect(
            menu->addAction(QCoreApplication::translate("LineupFlow", "Manage Lineup...")),
            &QAction::triggered, &lineup, &LineupFlow::openManageLineup);
        QObject::connect(menu->addAction(QCoreApplication::translate("LineupFlow", "Lock Again")),
                         &QAction::triggered, &lineup, &LineupFlow::relock);
    }
}
