// Search over everything of the active server (Ctrl+F), and moving the library to another
// computer as a JSON file.
#include "ui/libraryflow.h"

#include "app/filedialog.h"
#include "app/messagebox.h"
#include "guide/guideservice.h"
#include "ui/librarystate.h"
#include "ui/searcheverythingdialog.h"

#include <QDir>
#include <QSaveFile>
#include <QTabWidget>

void LibraryFlow::openSearchEverything()
{
    if (!lib->searchDialog) {
        lib->searchDialog = new SearchEverythingDialog(window);
        lib->searchDialog->setChooser([this](const MediaItem& item) {
            if (item.type == MediaItem::Series) {
                tabs->setCurrentIndex(seriesTabIndex);
                showEpisodesInline(item.id, item.name);
                return;
            }
            clearSeriesContext();
            playMediaItem(item);
        });
        // Programmes of the guide, found by title; choosing one plays its channel.
        lib->searchDialog->search().setProgrammeSearch([this](const QString& query, int limit) {
            GuideService::FoundProgrammes found = guide->findProgrammes(query, limit);
            return EverythingSearch::Result{EverythingSearch::Programmes, std::move(found.channels),
                                            found.total, std::move(found.labels)};
        });
        connect(guide, &GuideService::programmesSearchable, lib->searchDialog,
                &SearchEverythingDialog::refresh);
        if (searchDialogSetup)
            searchDialogSetup(*lib->searchDialog);
    }
    // The lists are shared, not copied.
    EverythingSearch& search = lib->searchDialog->search();
    const bool xtream = activeSource.type == SourceConfig::Xtream;
    search.setCatalog(EverythingSearch::Channels, xtream ? liveItems : channelItems);
    search.setCatalog(EverythingSearch::Movies, xtream ? movieItems : QList<MediaItem>());
    search.setCatalog(EverythingSearch::Series, xtream ? seriesItems : QList<MediaItem>());
    lib->searchDialog->open();
}

void LibraryFlow::exportLibrary()
{
    const QString path = FileDialog::getSaveFileName(
        window, tr("Export Favorites and Progress"),
        QDir::homePath() + QStringLiteral("/velmora-library.json"), tr("Library files (*.json)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const QByteArray json =
        lib->library->exportJson(serverNames ? serverNames() : QHash<QString, QString>());
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        MessageBox::warning(window, tr("Library"),
                            tr("The library could not be written to %1: %2")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    MessageBox::information(window, tr("Library"),
                            tr("Your favorites and watch progress were saved to %1.")
                                .arg(QDir::toNativeSeparators(path)));
}

void LibraryFlow::importLibrary()
{
    const QString path =
        FileDialog::getOpenFileName(window, tr("Import Favorites and Progress"), QDir::homePath(),
                                    tr("Library files (*.json)"));
    if (path.isEmpty())
        return;
    // Read and checked on another thread; the answer comes back here.
    lib->library->importFile(path, serverNames ? serverNames() : QHash<QString, QString>(), this,
                             [this](bool ok, const QString& message) {
                                 if (ok)
                                     MessageBox::information(window, tr("Library"), message);
                                 else
                                     MessageBox::warning(window, tr("Library"), message);
                             });
}
