#include "ui/librarycategories.h"

#include <QCoreApplication>
#include <QListWidget>

const QString kFavoritesCategoryId = QStringLiteral("\x01"
                                                    "favorites");
const QString kRecentCategoryId = QStringLiteral("\x01"
                                                 "recent");
const QString kContinueCategoryId = QStringLiteral("\x01"
                                                   "continue");

namespace {
QListWidgetItem* libraryCategoryItem(const QString& text, const QString& id)
{
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, id);
    QFont font = item->font();
    font.setItalic(true);
    item->setFont(font);
    return item;
}
} // namespace

bool isLibraryCategory(const QString& categoryId)
{
    return categoryId.startsWith(QLatin1Char('\x01'));
}

bool isContinueWatchingCategory(const QString& categoryId)
{
    return categoryId == kContinueCategoryId;
}

void addLibraryCategories(QListWidget* list, bool channels)
{
    list->insertItem(1, libraryCategoryItem(QCoreApplication::translate("Library", "Favorites"),
                                            kFavoritesCategoryId));
    if (channels)
        list->insertItem(2, libraryCategoryItem(QCoreApplication::translate("Library", "Recent"),
                                                kRecentCategoryId));
    else
        list->insertItem(
            2, libraryCategoryItem(QCoreApplication::translate("Library", "Continue Watching"),
                                   kContinueCategoryId));
}
