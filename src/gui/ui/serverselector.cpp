#include "ui/serverselector.h"

#include "app/messagebox.h"
#include "pairing/pairdialog.h"
#include "sources/sourcedialog.h"
#include "sources/sourcemanager.h"
#include "sources/sourcenames.h"
#include "ui/catalogconstants.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTimer>

namespace {
const SourceConfig* findSource(const QList<SourceConfig>& sources, const QString& name)
{
    for (const SourceConfig& source : sources) {
        if (source.name == name)
            return &source;
    }
    return nullptr;
}
} // namespace

ServerSelector::ServerSelector(SourceManager* sources, QWidget* window)
    : QObject(window)
    , sourceManager(sources)
    , window(window)
{
    serverRow = new QWidget(window);
    serverRow->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* serverLayout = new QHBoxLayout(serverRow);
    serverLayout->setContentsMargins(0, 0, 0, 0);
    serverLayout->addWidget(new QLabel(tr("Server:"), serverRow));
    sourceCombo = new QComboBox(serverRow);
    sourceCombo->setObjectName(QStringLiteral("sourceCombo"));
    sourceCombo->setMinimumWidth(220);
    serverLayout->addWidget(sourceCombo);
    auto* addButton = new QPushButton(tr("Add Server..."), serverRow);
    auto* editButton = new QPushButton(tr("Edit Server..."), serverRow);
    auto* refreshButton = new QPushButton(tr("Refresh Playlist"), serverRow);
    serverLayout->addWidget(addButton);
    serverLayout->addWidget(editButton);
    serverLayout->addWidget(refreshButton);
    serverLayout->addStretch();

    connect(addButton, &QPushButton::clicked, this, &ServerSelector::addSource);
    connect(editButton, &QPushButton::clicked, this, &ServerSelector::editSource);
    connect(refreshButton, &QPushButton::clicked, this, &ServerSelector::refreshRequested);
    connect(sourceCombo, &QComboBox::currentIndexChanged, this, &ServerSelector::onSourceSelected);
}

QHBoxLayout* ServerSelector::rowLayout() const
{
    return qobject_cast<QHBoxLayout*>(serverRow->layout());
}

void ServerSelector::refuseRetired(const QString& name, const QString& activeName)
{
    const int index = sourceCombo->findData(name);
    {
        const QSignalBlocker blocker(sourceCombo);
        sourceCombo->setCurrentIndex(sourceCombo->findData(activeName));
    }
    if (index >= 0)
        promptRemoveRetiredSource(index);
}

void ServerSelector::fillSourceSelector()
{
    const QList<SourceConfig> sources = sourceManager->sources();
    QSet<QString> retiredNames;
    int firstSupported = -1;
    {
        const QSignalBlocker blocker(sourceCombo);
        for (const SourceConfig& source : sources) {
            const bool retired = source.type == SourceConfig::SubscriptionKey;
            sourceCombo->addItem(retired ? tr("%1 (no longer supported)").arg(source.name)
                                         : source.name,
                                 source.name);
            if (retired)
                retiredNames.insert(source.name);
            else if (firstSupported < 0)
                firstSupported = sourceCombo->count() - 1;
        }
    }

    if (sourceCombo->count() == 0) {
        QTimer::singleShot(0, this, &ServerSelector::addSource);
        return;
    }
    if (firstSupported < 0) {
        QTimer::singleShot(0, this, [this]() {
            MessageBox::information(window, tr("Add your server again"), retiredSourceMessage());
            addSource();
        });
        return;
    }

    int target = firstSupported;
    const QString lastActive = sourceManager->lastActiveSourceName();
    const int lastIndex = sourceCombo->findData(lastActive);
    if (lastIndex >= 0 && !retiredNames.contains(lastActive))
        target = lastIndex;
    if (sourceCombo->currentIndex() == target)
        onSourceSelected(target);
    else
        sourceCombo->setCurrentIndex(target);
}

void ServerSelector::onSourceSelected(int index)
{
    if (index < 0)
        return;
    const QString name = sourceCombo->itemData(index).toString();
    const QList<SourceConfig> sources = sourceManager->sources();
    if (const SourceConfig* source = findSource(sources, name))
        emit loadRequested(*source, false);
}

void ServerSelector::addSource()
{
    SourceDialog dialog(window, nullptr, sourceNamesExcept(sourceManager->sources(), QString()));
    dialog.setSubscriptionPrompt(&PairDialog::askForServer);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const SourceConfig config = dialog.config();
    if (config.url.isEmpty()) {
        MessageBox::warning(window, tr("Add Server"), tr("Please provide a valid URL/path."));
        return;
    }
    sourceManager->saveSource(config);
    sourceCombo->addItem(config.name, config.name);
    sourceCombo->setCurrentIndex(sourceCombo->count() - 1);
}

void ServerSelector::editSource()
{
    const int index = sourceCombo->currentIndex();
    if (index < 0)
        return;
    const QString oldName = sourceCombo->itemData(index).toString();
    const QList<SourceConfig> sources = sourceManager->sources();
    const SourceConfig* stored = findSource(sources, oldName);
    if (!stored)
        return;
    if (stored->type == SourceConfig::SubscriptionKey) {
        promptRemoveRetiredSource(index);
        return;
    }

    SourceDialog dialog(window, stored, sourceNamesExcept(sources, oldName));
    if (dialog.exec() == QDialog::Accepted) {
        SourceConfig config = dialog.config();
        if (config.url.isEmpty()) {
            MessageBox::warning(window, tr("Edit Server"), tr("Please provide a valid URL/path."));
            return;
        }
        // Renamed or not, it stays the same server: its library and guide go with it.
        config.id = stored->id;
        sourceManager->saveSource(config);
        sourceCombo->setItemText(index, config.name);
        sourceCombo->setItemData(index, config.name);
        if (sourceCombo->currentIndex() == index)
            emit loadRequested(config, true);
        return;
    }
    if (dialog.deleteRequested)
        removeSourceAt(index);
}

void ServerSelector::removeSourceAt(int index)
{
    const QString name = sourceCombo->itemData(index).toString();
    sourceManager->removeSource(name);
    {
        // The selector's own change signal would load a server too; load exactly once, below.
        const QSignalBlocker blocker(sourceCombo);
        sourceCombo->removeItem(index);
    }
    if (sourceCombo->count() > 0) {
        onSourceSelected(sourceCombo->currentIndex());
        return;
    }

    emit allRemoved();
    QTimer::singleShot(0, this, &ServerSelector::addSource);
}

void ServerSelector::promptRemoveRetiredSource(int index)
{
    const QString name = sourceCombo->itemData(index).toString();
    const QString text =
        tr("\"%1\" was added with a Quorbin subscription key.\n\n%2\n\nDelete \"%1\" now?")
            .arg(name, retiredSourceMessage());
    const auto answer = MessageBox::question(window, tr("Server no longer supported"), text,
                                             QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        removeSourceAt(index);
}
