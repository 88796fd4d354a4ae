#include "lineup/guidechanneldialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

GuideChannelDialog::GuideChannelDialog(const QList<GuideChannelChoice>& all,
                                       const QString& channelName, const QString& boundId,
                                       int shiftMinutes, QWidget* parent)
    : QDialog(parent)
    , channels(all)
    , bound(boundId)
{
    setWindowTitle(tr("Guide Channel"));
    setObjectName(QStringLiteral("guideChannelDialog"));
    resize(640, 480);
    auto* layout = new QVBoxLayout(this);
    auto* intro =
        new QLabel(channels.isEmpty()
                       ? tr("The guide holds no channels yet. Update the guide, then try again.")
                       : tr("Choose the guide channel for \"%1\":").arg(channelName),
                   this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    searchEdit = new QLineEdit(this);
    searchEdit->setObjectName(QStringLiteral("guideChannelSearch"));
    searchEdit->setPlaceholderText(tr("Search by id or name..."));
    searchEdit->setClearButtonEnabled(true);
    layout->addWidget(searchEdit);
    list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("guideChannelList"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({tr("Guide channel"), tr("Id"), tr("Now")});
    list->header()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(list, 1);
    auto* shiftRow = new QHBoxLayout;
    shiftRow->addWidget(new QLabel(tr("Time shift of this channel's guide:"), this));
    shift = new QSpinBox(this);
    shift->setObjectName(QStringLiteral("guideShift"));
    shift->setRange(-720, 720);
    shift->setSingleStep(15);
    shift->setSuffix(tr(" min"));
    shift->setValue(shiftMinutes);
    shiftRow->addWidget(shift);
    shiftRow->addStretch();
    layout->addLayout(shiftRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* automatic = buttons->addButton(tr("Automatic Match"), QDialogButtonBox::ResetRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(automatic, &QPushButton::clicked, this, [this]() {
        list->clearSelection();
        list->setCurrentItem(nullptr);
        bound.clear();
        accept();
    });
    connect(searchEdit, &QLineEdit::textChanged, this, &GuideChannelDialog::fill);
    connect(list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    fill();
}

void GuideChannelDialog::fill()
{
    list->clear();
    for (const GuideChannelChoice& c : guidechannels::filter(channels, searchEdit->text())) {
        auto* row =
            new QTreeWidgetItem(list, {c.names.join(QStringLiteral(" / ")), c.id, c.nowTitle});
        row->setData(0, Qt::UserRole, c.id);
        if (c.id == bound)
            list->setCurrentItem(row);
    }
    if (!list->currentItem() && list->topLevelItemCount() > 0 && !searchEdit->text().isEmpty())
        list->setCurrentItem(list->topLevelItem(0));
}

QString GuideChannelDialog::chosenId() const
{
    const QTreeWidgetItem* row = list->currentItem();
    return row ? row->data(0, Qt::UserRole).toString() : bound;
}

int GuideChannelDialog::shiftMinutes() const
{
    return shift->value() / 15 * 15;
}
