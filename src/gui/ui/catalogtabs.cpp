#include "ui/catalogtabs.h"

#include "ui/catalogconstants.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// `typeWord` is the English key "Channel", "Movie" or "Show"; whole texts per kind, so that each
// language can inflect the word as it needs.
QString typeHeader(const QString& typeWord)
{
    if (typeWord == u"Movie")
        return QCoreApplication::translate("CatalogTabs", "Movie");
    if (typeWord == u"Show")
        return QCoreApplication::translate("CatalogTabs", "Show");
    return QCoreApplication::translate("CatalogTabs", "Channel");
}

QString searchAllHint(const QString& typeWord)
{
    if (typeWord == u"Movie")
        return QCoreApplication::translate("CatalogTabs", "Search all movies...");
    if (typeWord == u"Show")
        return QCoreApplication::translate("CatalogTabs", "Search all shows...");
    return QCoreApplication::translate("CatalogTabs", "Search all channels...");
}

struct Pages
{
    QWidget* tab = nullptr;
    QStackedWidget* stack = nullptr;
    QWidget* categoryPage = nullptr;
    QLabel* selectLabel = nullptr;
    QListWidget* categoryList = nullptr;
    QLineEdit* searchAllEdit = nullptr;
    QWidget* itemsPage = nullptr;
    QVBoxLayout* itemsLayout = nullptr;
    QLabel* titleLabel = nullptr;
    QPushButton* backButton = nullptr;
};

Pages buildPages(QWidget* parent, const QString& typeWord)
{
    Pages p;
    p.tab = new QWidget(parent);
    auto* tabLayout = new QVBoxLayout(p.tab);
    tabLayout->setContentsMargins(0, 0, 0, 0);
    p.stack = new QStackedWidget(p.tab);
    tabLayout->addWidget(p.stack);

    p.categoryPage = new QWidget(p.stack);
    auto* categoryLayout = new QVBoxLayout(p.categoryPage);
    p.searchAllEdit = new QLineEdit(p.categoryPage);
    p.searchAllEdit->setPlaceholderText(searchAllHint(typeWord));
    p.selectLabel = new QLabel(QCoreApplication::translate("CatalogTabs", "Select a category:"),
                               p.categoryPage);
    p.categoryList = new QListWidget(p.categoryPage);
    categoryLayout->addWidget(p.searchAllEdit);
    categoryLayout->addWidget(p.selectLabel);
    categoryLayout->addWidget(p.categoryList, 1);
    p.stack->addWidget(p.categoryPage);

    p.itemsPage = new QWidget(p.stack);
    p.itemsLayout = new QVBoxLayout(p.itemsPage);
    auto* header = new QHBoxLayout;
    p.backButton = new QPushButton(
        QCoreApplication::translate("CatalogTabs", "< Back to Categories"), p.itemsPage);
    p.titleLabel = new QLabel(p.itemsPage);
    QFont bold = p.titleLabel->font();
    bold.setWeight(QFont::Bold);
    p.titleLabel->setFont(bold);
    header->addWidget(p.backButton);
    header->addWidget(p.titleLabel, 1);
    p.itemsLayout->addLayout(header);
    p.stack->addWidget(p.itemsPage);

    QObject::connect(p.backButton, &QPushButton::clicked, p.stack,
                     [stack = p.stack]() { stack->setCurrentIndex(0); });
    return p;
}

// Searching all categories shows the results view on page 0 in place of the category list;
// choosing a category puts it back on page 1.
void wireResultsView(const Pages& p, QWidget* resultsView)
{
    QObject::connect(
        p.searchAllEdit, &QLineEdit::textChanged, p.categoryPage,
        [p, resultsView](const QString& text) {
            const bool empty = text.isEmpty();
            p.selectLabel->setVisible(empty);
            p.categoryList->setVisible(empty);
            if (empty) {
                resultsView->hide();
                return;
            }
            if (resultsView->parentWidget() != p.categoryPage)
                static_cast<QVBoxLayout*>(p.categoryPage->layout())->addWidget(resultsView, 1);
            resultsView->show();
        });
    QObject::connect(p.stack, &QStackedWidget::currentChanged, p.itemsPage,
                     [p, resultsView](int index) {
                         if (index != 1 || resultsView->parentWidget() == p.itemsPage)
                             return;
                         p.itemsLayout->addWidget(resultsView, 1);
                         resultsView->show();
                     });
}
} // namespace

QWidget* buildTabSkeleton(QWidget* parent, QStackedWidget** stack, QListWidget** categoryList,
                          QLineEdit** searchAllEdit, QLabel** titleLabel, QLineEdit** searchEdit,
                          QComboBox** sortBox, QTableWidget** table, const QString& typeWord)
{
    Pages p = buildPages(parent, typeWord);
    auto* searchRow = new QHBoxLayout;
    auto* search = new QLineEdit(p.itemsPage);
    search->setPlaceholderText(QCoreApplication::translate("CatalogTabs", "Search..."));
    // The provider's order follows the user's order of the categories.
    auto* sort = new QComboBox(p.itemsPage);
    sort->addItem(QCoreApplication::translate("CatalogTabs", "Provider Order"),
                  QString(kProviderOrder));
    sort->addItem(QCoreApplication::translate("CatalogTabs", "Name (A-Z)"), QStringLiteral("name"));
    searchRow->addWidget(search, 1);
    searchRow->addWidget(sort);
    p.itemsLayout->addLayout(searchRow);

    auto* results = new QTableWidget(p.itemsPage);
    results->setColumnCount(1);
    results->setHorizontalHeaderLabels({typeHeader(typeWord)});
    results->horizontalHeader()->setStretchLastSection(true);
    results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results->setSelectionBehavior(QAbstractItemView::SelectRows);
    results->verticalHeader()->hide();
    results->setSortingEnabled(false); // rows stay in the order of the shown items
    p.itemsLayout->addWidget(results, 1);
    wireResultsView(p, results);
    // Typing a name and tabbing to the channels is the common walk; the sort comes after them.
    QWidget::setTabOrder(search, results);
    QWidget::setTabOrder(results, sort);

    *stack = p.stack;
    *categoryList = p.categoryList;
    *searchAllEdit = p.searchAllEdit;
    *titleLabel = p.titleLabel;
    *searchEdit = search;
    *sortBox = sort;
    *table = results;
    return p.tab;
}

QWidget* buildPosterTabSkeleton(QWidget* parent, QStackedWidget** stack, QListWidget** categoryList,
                                QLineEdit** searchAllEdit, QLabel** titleLabel,
                                QLineEdit** searchEdit, QComboBox** sortBox, QListWidget** grid,
                                const QString& typeWord)
{
    Pages p = buildPages(parent, typeWord);
    auto* searchRow = new QHBoxLayout;
    auto* search = new QLineEdit(p.itemsPage);
    search->setPlaceholderText(QCoreApplication::translate("CatalogTabs", "Search..."));
    auto* sort = new QComboBox(p.itemsPage);
    sort->addItem(QCoreApplication::translate("CatalogTabs", "Name (A-Z)"), QStringLiteral("name"));
    sort->addItem(QCoreApplication::translate("CatalogTabs", "Recently Added"),
                  QStringLiteral("added"));
    sort->addItem(QCoreApplication::translate("CatalogTabs", "Rating"), QStringLiteral("rating"));
    searchRow->addWidget(search, 1);
    searchRow->addWidget(sort);
    p.itemsLayout->addLayout(searchRow);

    auto* posters = new QListWidget(p.itemsPage);
    posters->setViewMode(QListView::IconMode);
    posters->setResizeMode(QListView::Adjust);
    posters->setMovement(QListView::Static);
    posters->setWrapping(true);
    posters->setUniformItemSizes(true);
    posters->setIconSize(kPosterTileSize);
    posters->setSpacing(10);
    posters->setSelectionMode(QAbstractItemView::SingleSelection);
    posters->setEditTriggers(QAbstractItemView::NoEditTriggers);
    posters->setFrameShape(QFrame::NoFrame);
    posters->setWordWrap(true);
    posters->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    posters->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    p.itemsLayout->addWidget(posters, 1);
    wireResultsView(p, posters);

    *stack = p.stack;
    *categoryList = p.categoryList;
    *searchAllEdit = p.searchAllEdit;
    *titleLabel = p.titleLabel;
    *searchEdit = search;
    *sortBox = sort;
    *grid = posters;
    return p.tab;
}

void wireCategorySearch(QLineEdit* searchAllEdit, QString* categoryId, QLabel* titleLabel,
                        QLineEdit* searchEdit, QStackedWidget* stack,
                        const std::function<void()>& refilter)
{
    Q_UNUSED(stack);
    QObject::connect(searchAllEdit, &QLineEdit::textChanged, searchAllEdit,
                     [categoryId, titleLabel, searchEdit, refilter](const QString& text) {
                         categoryId->clear();
                         titleLabel->setText(
                             text.isEmpty()
                                 ? QCoreApplication::translate("CatalogTabs", "All Categories")
                                 : QCoreApplication::translate("CatalogTabs", "Search: \"%1\"")
                                       .arg(text));
                         {
                             const QSignalBlocker blocker(searchEdit);
                             searchEdit->setText(text);
                         }
                         refilter();
                     });
}

void resetTabFilterState(QString& categoryId, QListWidget* categoryList, QLabel* titleLabel,
                         QLineEdit* searchAllEdit, QLineEdit* searchEdit)
{
    categoryId.clear();
    categoryList->clearSelection();
    titleLabel->setText(QString());
    searchAllEdit->clear();
    searchEdit->clear();
}

void addActivateKeyShortcuts(QWidget* widget, QObject* context, const std::function<void()>& action)
{
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), widget);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, context, action);
    }
}
