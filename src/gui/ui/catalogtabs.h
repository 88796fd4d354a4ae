#pragma once

#include <QString>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QObject;
class QStackedWidget;
class QTableWidget;
class QWidget;

// Builders and rules shared by the four catalog tabs. Each tab is a stack: page 0 lists the
// categories (with a search over all of them), page 1 shows one category's items.

// The sort key that keeps the stored order: the provider's, within the user's category order.
inline constexpr char kProviderOrder[] = "provider";

// A table tab (Live TV, Channels) with a sort box ("Provider Order" first). Returns the tab
// page; created widgets come back through the pointer arguments. `typeWord` is "Channel",
// "Movie" or "Show".
QWidget* buildTabSkeleton(QWidget* parent, QStackedWidget** stack, QListWidget** categoryList,
                          QLineEdit** searchAllEdit, QLabel** titleLabel, QLineEdit** searchEdit,
                          QComboBox** sortBox, QTableWidget** table, const QString& typeWord);

// A poster tab (Movies, TV Shows): the same with a grid of poster tiles and their own sorts.
QWidget* buildPosterTabSkeleton(QWidget* parent, QStackedWidget** stack, QListWidget** categoryList,
                                QLineEdit** searchAllEdit, QLabel** titleLabel,
                                QLineEdit** searchEdit, QComboBox** sortBox, QListWidget** grid,
                                const QString& typeWord);

// Typing in the search-all field searches every category: clears the category choice, sets the
// title, mirrors the text into the page-1 search field without its handler, and refilters.
void wireCategorySearch(QLineEdit* searchAllEdit, QString* categoryId, QLabel* titleLabel,
                        QLineEdit* searchEdit, QStackedWidget* stack,
                        const std::function<void()>& refilter);

// Back to "all categories, no search" when another server is loaded.
void resetTabFilterState(QString& categoryId, QListWidget* categoryList, QLabel* titleLabel,
                         QLineEdit* searchAllEdit, QLineEdit* searchEdit);

// Return and Enter on `widget` (or its children) run `action`, bound to `context`.
void addActivateKeyShortcuts(QWidget* widget, QObject* context, const std::function<void()>& action);
