#pragma once

#include <QString>

class QListWidget;

// The library's own entries of a category list ("Favorites", "Recent", "Continue Watching").
// Their ids are ones no server uses: a control character leads them.
extern const QString kFavoritesCategoryId;
extern const QString kRecentCategoryId;
extern const QString kContinueCategoryId;

bool isLibraryCategory(const QString& categoryId);
bool isContinueWatchingCategory(const QString& categoryId);

// Puts the library's entries under "All Categories": "Recent" for channel lists, "Continue
// Watching" for movies and shows.
void addLibraryCategories(QListWidget* list, bool channels);
