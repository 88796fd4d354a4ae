#pragma once

#include "model/category.h"
#include "model/mediaitem.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class PosterLoader;
class PosterTiles;
class QAbstractItemView;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPixmap;
class QStackedWidget;
class QTableWidget;
class QWidget;

// One catalog tab ("Live TV", "Movies", "TV Shows", "Channels"): page 0 lists the categories with
// a search over all of them, page 1 shows one category's items as a table of channels or a grid
// of posters, searched and sorted. The window says where the items come from and how
// the library marks them; activating an entry by mouse or keyboard is announced by `activated`.
class CatalogTab final : public QObject
{
    Q_OBJECT

public:
    enum class Look
    {
        Table,
        Posters
    };
    // The items of `categoryId` matching `query`, in the order to show (before sorting);
    // `view` keys whatever the source keeps per view.
    using ItemSource = std::function<QList<MediaItem>(const QString& categoryId,
                                                      const QString& query, QObject* view)>;
    using Marker = std::function<void(QAbstractItemView* view, const QList<MediaItem>& shown)>;
    using CategoryDecorator = std::function<void(QListWidget* list)>;

    // `typeWord` is "Channel", "Movie" or "Show"; `viewName` names the table or grid.
    CatalogTab(Look look, const QString& typeWord, const QString& viewName, QWidget* parent);

    QWidget* page() const { return tabPage; }
    QAbstractItemView* view() const;
    bool channels() const { return table != nullptr; }

    void setItemSource(ItemSource source);
    ItemSource itemSource() const { return source; }
    void setMarker(Marker marker);
    // Runs after every fill of the category list (marks, what may be dragged).
    void setCategoryDecorator(CategoryDecorator decorator);
    // Poster tabs only: where the images come from, and what a tile shows until then.
    void setPosters(PosterLoader* loader, int group, const QPixmap& placeholder);

    // "All Categories", the server's categories, then the library's entries.
    void setCategories(const QList<Category>& categories);
    void selectCategory(QListWidgetItem* item);
    // Shows the items again for the current category, search and sort.
    void refilter();
    // Back to "all categories, no search" on page 0, as for another server.
    void reset();
    void loadVisiblePosters();

    // The tab's widgets, owned by page(); exactly one of `table` and `grid` is set.
    QStackedWidget* stack = nullptr;
    QListWidget* categoryList = nullptr;
    QLineEdit* searchAllEdit = nullptr;
    QLabel* titleLabel = nullptr;
    QLineEdit* searchEdit = nullptr;
    QComboBox* sortBox = nullptr; // "<viewName>Sort"
    QTableWidget* table = nullptr;
    QListWidget* grid = nullptr;

    QString categoryId;     // empty for all categories
    QList<MediaItem> shown; // what the view shows, row by row

signals:
    void activated(int row);

private:
    QWidget* tabPage = nullptr;
    PosterTiles* tiles = nullptr;
    ItemSource source;
    Marker marker;
    CategoryDecorator categoryDecorator;
};
