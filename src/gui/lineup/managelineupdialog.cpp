#include "lineup/managelineupdialog.h"

#include "app/clock.h"
#include "app/filedialog.h"
#include "guide/guideservice.h"
#include "library/library.h"
#include "lineup/guidesources.h"
#include "lineup/lineupflow.h"
#include "lineup/lineupicons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kIdRole = Qt::UserRole;
constexpr int kMaxNoGuideRows = 5000;

QString keyOf(int what, int kind, const QString& id)
{
    return QStringLiteral("%1/%2/").arg(what).arg(Lineup::sectionOf(kind)) + id;
}
} // namespace

ManageLineupDialog::ManageLineupDialog(LineupFlow& lineup, QWidget* parent)
    : QDialog(parent)
    , flow(lineup)
{
    setWindowTitle(tr("Manage Lineup"));
    setObjectName(QStringLiteral("manageLineupDialog"));
    resize(640, 560);
    for (const LineupEntry& e : flow.lineup().all())
        pending.insert(keyOf(e.what, e.kind, e.id), e);
    if (!flow.sourceName().isEmpty())
        guideChannels =
            guidechannels::read(GuideService::storePath(flow.guideKey()), Clock::epochSecs());

    auto* layout = new QVBoxLayout(this);
    auto* sectionRow = new QHBoxLayout;
    sectionRow->addWidget(new QLabel(tr("Section:"), this));
    sectionBox = new QComboBox(this);
    sectionBox->addItem(tr("Channels"), int(MediaItem::Live));
    if (!flow.providerItems(MediaItem::Movie).isEmpty() ||
        !flow.providerCategories(MediaItem::Movie).isEmpty()) {
        sectionBox->addItem(tr("Movies"), int(MediaItem::Movie));
        sectionBox->addItem(tr("TV Shows"), int(MediaItem::Series));
    }
    sectionRow->addWidget(sectionBox, 1);
    layout->addLayout(sectionRow);
    auto* pages = new QTabWidget(this);
    pages->addTab(buildCategoriesPage(), tr("Categories"));
    pages->addTab(buildHiddenPage(), tr("Hidden"));
    pages->addTab(buildNoGuidePage(), tr("Channels without Guide"));
    pages->addTab(buildSourcesPage(), tr("Guide Sources"));
    layout->addWidget(pages, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ManageLineupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(sectionBox, &QComboBox::currentIndexChanged, this, [this]() {
        fillCategories();
        fillHidden();
    });
    fillCategories();
    fillHidden();
    fillNoGuide();
}

int ManageLineupDialog::kind() const
{
    return sectionBox->currentData().toInt();
}

LineupEntry& ManageLineupDialog::pendingEntry(int what, int k, const QString& id,
                                              const QString& name)
{
    auto it = pending.find(keyOf(what, k, id));
    if (it == pending.end()) {
        LineupEntry e;
        e.what = what;
        e.kind = Lineup::sectionOf(k);
        e.id = id;
        e.providerName = name;
        it = pending.insert(keyOf(what, k, id), e);
    }
    return *it;
}

Lineup ManageLineupDialog::pendingLineup() const
{
    Lineup lineup;
    for (const LineupEntry& e : pending)
        lineup.put(e);
    return lineup;
}

QWidget* ManageLineupDialog::buildCategoriesPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    filterEdit = new QLineEdit(page);
    filterEdit->setObjectName(QStringLiteral("lineupFilter"));
    filterEdit->setPlaceholderText(tr("Filter categories..."));
    filterEdit->setClearButtonEnabled(true);
    layout->addWidget(filterEdit);
    categoryList = new QListWidget(page);
    categoryList->setObjectName(QStringLiteral("lineupCategories"));
    categoryList->setDragDropMode(QAbstractItemView::InternalMove);
    categoryList->setDefaultDropAction(Qt::MoveAction);
    layout->addWidget(categoryList, 1);
    auto* row = new QHBoxLayout;
    showAllButton = new QPushButton(tr("Show All"), page);
    hideAllButton = new QPushButton(tr("Hide All"), page);
    row->addWidget(new QLabel(tr("Checked categories are shown; drag to reorder."), page), 1);
    row->addWidget(showAllButton);
    row->addWidget(hideAllButton);
    layout->addLayout(row);
    connect(filterEdit, &QLineEdit::textChanged, this, &ManageLineupDialog::applyFilter);
    connect(showAllButton, &QPushButton::clicked, this, [this]() { setAllShown(true); });
    connect(hideAllButton, &QPushButton::clicked, this, [this]() { setAllShown(false); });
    connect(categoryList, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (filling)
            return;
        LineupEntry& e = pendingEntry(LineupEntry::CategoryEntry, kind(),
                                      item->data(kIdRole).toString(), item->text());
        e.hidden = item->checkState() != Qt::Checked;
    });
    connect(categoryList->model(), &QAbstractItemModel::rowsMoved, this,
            &ManageLineupDialog::readOrder);
    return page;
}

void ManageLineupDialog::fillCategories()
{
    filling = true;
    categoryList->clear();
    const int k = kind();
    const QList<Category> provided = flow.providerCategories(k);
    // The user's order over every category, hidden ones too.
    Lineup ordering;
    for (LineupEntry e : pending) {
        e.hidden = false;
        ordering.put(e);
    }
    QSet<QString> offered;
    for (const Category& c : ordering.applyToCategories(k, provided)) {
        offered.insert(c.id);
        const LineupEntry e = pending.value(keyOf(LineupEntry::CategoryEntry, k, c.id));
        auto* item = new QListWidgetItem(c.name, categoryList);
        item->setData(kIdRole, c.id);
        item->setFlags((item->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsDropEnabled);
        item->setCheckState(e.hidden ? Qt::Unchecked : Qt::Checked);
        if (e.locked)
            item->setIcon(lineupicons::lock());
    }
    // Choices for categories the server no longer sends, greyed, until forgotten.
    const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
    for (const LineupEntry& e : pending) {
        if (e.what != LineupEntry::CategoryEntry || e.kind != Lineup::sectionOf(k) ||
            offered.contains(e.id) || e.isEmpty())
            continue;
        auto* item = new QListWidgetItem(e.name.isEmpty() ? e.providerName : e.name, categoryList);
        item->setData(kIdRole, e.id);
        item->setFlags((item->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsDropEnabled &
                       ~Qt::ItemIsDragEnabled);
        item->setCheckState(e.hidden ? Qt::Unchecked : Qt::Checked);
        item->setForeground(grey);
        item->setToolTip(tr("No longer offered by this server"));
    }
    filling = false;
    applyFilter();
}

void ManageLineupDialog::applyFilter()
{
    const QString text = filterEdit->text().trimmed();
    for (int row = 0; row < categoryList->count(); ++row) {
        QListWidgetItem* item = categoryList->item(row);
        item->setHidden(!text.isEmpty() && !item->text().contains(text, Qt::CaseInsensitive));
    }
}

void ManageLineupDialog::setAllShown(bool shown)
{
    for (int row = 0; row < categoryList->count(); ++row) {
        QListWidgetItem* item = categoryList->item(row);
        if (!item->isHidden())
            item->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
    }
}

void ManageLineupDialog::readOrder()
{
    const int k = kind();
    QSet<QString> offered;
    for (const Category& c : flow.providerCategories(k))
        offered.insert(c.id);
    int position = 0;
    for (int row = 0; row < categoryList->count(); ++row) {
        const QString id = categoryList->item(row)->data(kIdRole).toString();
        if (offered.contains(id))
            pendingEntry(LineupEntry::CategoryEntry, k, id, categoryList->item(row)->text())
                .position = position++;
    }
}

QWidget* ManageLineupDialog::buildHiddenPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(tr("Hidden channels, movies and shows:"), page));
    hiddenList = new QListWidget(page);
    hiddenList->setObjectName(QStringLiteral("lineupHidden"));
    hiddenList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(hiddenList, 1);
    auto* row = new QHBoxLayout;
    showAgainButton = new QPushButton(tr("Show Again"), page);
    forgetButton = new QPushButton(tr("Forget"), page);
    forgetButton->setToolTip(tr("Drops every choice made for the selected entries"));
    row->addStretch();
    row->addWidget(showAgainButton);
    row->addWidget(forgetButton);
    layout->addLayout(row);
    const auto act = [this](bool forget) {
        for (QListWidgetItem* item : hiddenList->selectedItems()) {
            LineupEntry& e = pendingEntry(LineupEntry::ItemEntry, kind(),
                                          item->data(kIdRole).toString(), item->text());
            if (forget) {
                LineupEntry cleared;
                cleared.what = e.what;
                cleared.kind = e.kind;
                cleared.id = e.id;
                e = cleared;
            } else
                e.hidden = false;
        }
        fillHidden();
    };
    connect(showAgainButton, &QPushButton::clicked, this, [act]() { act(false); });
    connect(forgetButton, &QPushButton::clicked, this, [act]() { act(true); });
    return page;
}

void ManageLineupDialog::fillHidden()
{
    hiddenList->clear();
    const int k = kind();
    QSet<QString> offered;
    for (const MediaItem& item : flow.providerItems(k))
        offered.insert(Library::idOf(item));
    const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
    QList<LineupEntry> hidden;
    for (const LineupEntry& e : pending) {
        if (e.what == LineupEntry::ItemEntry && e.kind == Lineup::sectionOf(k) && e.hidden)
            hidden.append(e);
    }
    std::sort(hidden.begin(), hidden.end(), [](const LineupEntry& a, const LineupEntry& b) {
        return a.providerName.localeAwareCompare(b.providerName) < 0;
    });
    for (const LineupEntry& e : hidden) {
        auto* item =
            new QListWidgetItem(e.providerName.isEmpty() ? e.id : e.providerName, hiddenList);
        item->setData(kIdRole, e.id);
        if (!offered.contains(e.id)) {
            item->setForeground(grey);
            item->setToolTip(tr("No longer offered by this server"));
        }
    }
}

QWidget* ManageLineupDialog::buildNoGuidePage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(tr("Channels the guide has nothing for:"), page));
    noGuideList = new QListWidget(page);
    noGuideList->setObjectName(QStringLiteral("lineupNoGuide"));
    layout->addWidget(noGuideList, 2);
    layout->addWidget(new QLabel(tr("Guide channels with a similar name:"), page));
    suggestionList = new QListWidget(page);
    suggestionList->setObjectName(QStringLiteral("lineupSuggestions"));
    layout->addWidget(suggestionList, 1);
    bindButton = new QPushButton(tr("Use This Guide Channel"), page);
    layout->addWidget(bindButton, 0, Qt::AlignRight);
    connect(noGuideList, &QListWidget::currentRowChanged, this,
            &ManageLineupDialog::showSuggestions);
    connect(bindButton, &QPushButton::clicked, this, &ManageLineupDialog::bindSuggestion);
    connect(suggestionList, &QListWidget::itemDoubleClicked, this,
            &ManageLineupDialog::bindSuggestion);
    return page;
}

void ManageLineupDialog::fillNoGuide()
{
    noGuideList->clear();
    GuideService* guide = flow.guide();
    const QList<MediaItem> shown =
        flow.lineup().apply(MediaItem::Live, flow.providerItems(MediaItem::Live), true);
    for (const MediaItem& item : shown) {
        if (noGuideList->count() >= kMaxNoGuideRows)
            break;
        if (guide && guide->hasGuide(item))
            continue;
        auto* row = new QListWidgetItem(item.name, noGuideList);
        row->setData(kIdRole, Library::idOf(item));
    }
}

void ManageLineupDialog::showSuggestions()
{
    suggestionList->clear();
    const QListWidgetItem* channel = noGuideList->currentItem();
    if (!channel)
        return;
    for (const GuideChannelChoice& c : guidechannels::suggest(guideChannels, channel->text(), 5)) {
        const QString name = c.names.value(0, c.id);
        auto* row = new QListWidgetItem(
            c.nowTitle.isEmpty() ? tr("%1 (%2) - %3%").arg(name, c.id, QLocale().toString(c.score))
                                 : tr("%1 (%2) - %3% - now: %4")
                                       .arg(name, c.id, QLocale().toString(c.score), c.nowTitle),
            suggestionList);
        row->setData(kIdRole, c.id);
    }
    suggestionList->setCurrentRow(0);
}

void ManageLineupDialog::bindSuggestion()
{
    QListWidgetItem* channel = noGuideList->currentItem();
    const QListWidgetItem* choice = suggestionList->currentItem();
    if (!channel || !choice)
        return;
    pendingEntry(LineupEntry::ItemEntry, MediaItem::Live, channel->data(kIdRole).toString(),
                 channel->text())
        .guideId = choice->data(kIdRole).toString();
    delete noGuideList->takeItem(noGuideList->row(channel));
}

QWidget* ManageLineupDialog::buildSourcesPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* intro = new QLabel(tr("The guide is read from these, in this order; for each channel "
                                "the first that has it wins."),
                             page);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    sourceList = new QListWidget(page);
    sourceList->setObjectName(QStringLiteral("lineupGuideSources"));
    layout->addWidget(sourceList, 1);
    QStringList sources = flow.guideSourceList();
    if (sources.isEmpty())
        sources = {guidesources::kServerGuide};
    for (const QString& s : sources)
        addSource(s);
    auto* row = new QHBoxLayout;
    auto* addUrl = new QPushButton(tr("Add Address..."), page);
    auto* addFile = new QPushButton(tr("Add File..."), page);
    auto* up = new QPushButton(tr("Up"), page);
    auto* down = new QPushButton(tr("Down"), page);
    auto* remove = new QPushButton(tr("Remove"), page);
    for (QPushButton* b : {addUrl, addFile, up, down, remove})
        row->addWidget(b);
    layout->addLayout(row);
    connect(addUrl, &QPushButton::clicked, this, [this]() {
        bool ok = false;
        const QString url =
            QInputDialog::getText(this, tr("Guide Address"), tr("XMLTV address (http or https):"),
                                  QLineEdit::Normal, QString(), &ok)
                .trimmed();
        if (ok && !url.isEmpty())
            addSource(url);
    });
    connect(addFile, &QPushButton::clicked, this, [this]() {
        const QString path = FileDialog::getOpenFileName(this, tr("Guide File"), QDir::homePath(),
                                                         tr("XMLTV files (*.xml *.xml.gz *.gz)"));
        if (!path.isEmpty())
            addSource(path);
    });
    connect(up, &QPushButton::clicked, this, [this]() { moveSource(-1); });
    connect(down, &QPushButton::clicked, this, [this]() { moveSource(1); });
    connect(remove, &QPushButton::clicked, this,
            [this]() { delete sourceList->takeItem(sourceList->currentRow()); });
    return page;
}

void ManageLineupDialog::addSource(const QString& address)
{
    auto* item = new QListWidgetItem(
        address == guidesources::kServerGuide ? tr("The server's own guide") : address, sourceList);
    item->setData(kIdRole, address);
}

void ManageLineupDialog::moveSource(int by)
{
    const int row = sourceList->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= sourceList->count())
        return;
    QListWidgetItem* item = sourceList->takeItem(row);
    sourceList->insertItem(to, item);
    sourceList->setCurrentRow(to);
}

void ManageLineupDialog::accept()
{
    QList<LineupEntry> changed;
    for (const LineupEntry& e : pending) {
        if (!(flow.lineup().entry(e.what, e.kind, e.id) == e))
            changed.append(e);
    }
    // Entries that lost every choice are written as empty: the store drops them.
    if (!changed.isEmpty() && !flow.change(changed))
        return;
    QStringList sources;
    for (int row = 0; row < sourceList->count(); ++row)
        sources.append(sourceList->item(row)->data(kIdRole).toString());
    if (sources == QStringList{guidesources::kServerGuide})
        sources.clear();
    if (sources != flow.guideSourceList() && !flow.setGuideSources(sources))
        return;
    QDialog::accept();
}
