#include "recording/recordingpreferencespage.h"

#include "app/filedialog.h"
#include "recording/recordingmanager.h"
#include "recording/recordingsettings.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

RecordingPreferencesPage::RecordingPreferencesPage(RecordingManager* recordings, QWidget* parent)
    : PreferencesPage(parent)
    , manager(recordings)
{
    setObjectName(QStringLiteral("recordingPreferences"));
    auto* form = new QFormLayout(this);
    auto* folderRow = new QHBoxLayout;
    folderEdit = new QLineEdit(QDir::toNativeSeparators(recordingsettings::folder()), this);
    folderEdit->setObjectName(QStringLiteral("recordingFolder"));
    auto* browse = new QPushButton(tr("Choose..."), this);
    folderRow->addWidget(folderEdit, 1);
    folderRow->addWidget(browse);
    form->addRow(tr("Folder for recordings:"), folderRow);
    connect(browse, &QPushButton::clicked, this, [this]() {
        const QString chosen = FileDialog::getExistingDirectory(
            this, tr("Folder for Recordings"), QDir::fromNativeSeparators(folderEdit->text()));
        if (!chosen.isEmpty())
            folderEdit->setText(QDir::toNativeSeparators(chosen));
    });
    auto minutes = [this](int value, int most, const QString& name) {
        auto* box = new QSpinBox(this);
        box->setObjectName(name);
        box->setRange(0, most);
        box->setValue(value);
        box->setSuffix(tr(" min"));
        return box;
    };
    padBefore = minutes(recordingsettings::padBeforeMinutes(), 120, QStringLiteral("padBefore"));
    padAfter = minutes(recordingsettings::padAfterMinutes(), 240, QStringLiteral("padAfter"));
    form->addRow(tr("Start programmes from the guide earlier by:"), padBefore);
    form->addRow(tr("End them later by:"), padAfter);
    pauseBuffer =
        minutes(recordingsettings::pauseBufferMinutes(), 600, QStringLiteral("pauseBuffer"));
    pauseBuffer->setMinimum(1);
    pauseBuffer->setToolTip(tr("A paused live channel goes on arriving into a buffer on disk; "
                               "only its newest part of this length is kept."));
    form->addRow(tr("Pause buffer for live TV:"), pauseBuffer);
}

QString RecordingPreferencesPage::title() const
{
    return tr("Recording");
}

QString RecordingPreferencesPage::apply()
{
    const QString folder = QDir::fromNativeSeparators(folderEdit->text().trimmed());
    QString problem = recordingsettings::setFolder(folder);
    if (problem.isEmpty())
        problem = recordingsettings::setPadding(padBefore->value(), padAfter->value());
    if (problem.isEmpty())
        problem = recordingsettings::setPauseBufferMinutes(pauseBuffer->value());
    if (manager) {
        manager->setFolder(recordingsettings::folder());
        manager->setPadding(qint64(padBefore->value()) * 60000, qint64(padAfter->value()) * 60000);
    }
    return problem;
}
