#include "ui/searcheverythingdialog.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QTreeWidget>
#include <QVBoxLayout>

SearchEverythingDialog::SearchEverythingDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("searchEverythingDialog"));
    setWindowTitle(tr("Search Everything"));
    resize(560, 520);
    auto* layout = new QVBoxLayout(this);
    edit = new QLineEdit(this);
    edit->setPlaceholderText(tr("Search channels, movies, shows and programmes..."));
    edit->setClearButtonEnabled(true);
    results = new QTreeWidget(this);
    results->setHeaderHidden(true);
    results->setRootIsDecorated(false);
    results->setUniformRowHeights(true);
    layout->addWidget(edit);
    layout->addWidget(results, 1);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, &SearchEverythingDialog::refill);
    connect(results, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { choose(item); });
}

void SearchEverythingDialog::open()
{
    refill(edit->text());
    show();
    raise();
    activateWindow();
    edit->setFocus(Qt::ShortcutFocusReason);
    edit->selectAll();
}

void SearchEverythingDialog::refresh()
{
    if (isVisible())
        refill(edit->text());
}

void SearchEverythingDialog::refill(const QString& text)
{
    results->setUpdatesEnabled(false);
    results->clear();
    shown.clear();
    QTreeWidgetItem* first = nullptr;
    for (const EverythingSearch::Result& group : everything.search(text, kResultsPerGroup)) {
        auto* header = new QTreeWidgetItem(results);
        header->setText(0, tr("%1 (%2)").arg(EverythingSearch::groupTitle(group.group),
                                             QLocale().toString(group.total)));
        QFont bold = header->font(0);
        bold.setWeight(QFont::Bold);
        header->setFont(0, bold);
        header->setFlags(Qt::ItemIsEnabled);
        for (qsizetype i = 0; i < group.items.size(); ++i) {
            const MediaItem& item = group.items[i];
            auto* row = new QTreeWidgetItem(header);
            row->setText(0, i < group.labels.size() ? group.labels[i] : item.name);
            row->setData(0, Qt::UserRole, int(shown.size()));
            shown.append(item);
            if (!first)
                first = row;
        }
    }
    results->expandAll();
    results->setCurrentItem(first);
    results->setUpdatesEnabled(true);
}

void SearchEverythingDialog::moveCurrent(int step)
{
    QTreeWidgetItem* item = results->currentItem();
    if (!item)
        return;
    // Group headers are skipped: only results can be current.
    do {
        item = step > 0 ? results->itemBelow(item) : results->itemAbove(item);
    } while (item && !item->data(0, Qt::UserRole).isValid());
    if (item)
        results->setCurrentItem(item);
}

std::optional<MediaItem> SearchEverythingDialog::itemAt(const QPoint& viewportPos) const
{
    const QTreeWidgetItem* item = results->itemAt(viewportPos);
    if (!item || !item->data(0, Qt::UserRole).isValid())
        return std::nullopt;
    const int index = item->data(0, Qt::UserRole).toInt();
    if (index < 0 || index >= shown.size())
        return std::nullopt;
    return shown.at(index);
}

void SearchEverythingDialog::choose(QTreeWidgetItem* item)
{
    if (!item || !item->data(0, Qt::UserRole).isValid())
        return;
    const int index = item->data(0, Qt::UserRole).toInt();
    if (index < 0 || index >= shown.size())
        return;
    const MediaItem chosen = shown.at(index);
    if (!staysOpen || !staysOpen(chosen))
        hide();
    if (chooser)
        chooser(chosen);
}

bool SearchEverythingDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Down:
            moveCurrent(1);
            return true;
        case Qt::Key_Up:
            moveCurrent(-1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            choose(results->currentItem());
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}
