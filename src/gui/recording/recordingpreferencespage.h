#pragma once

#include "app/preferencesdialog.h"

class QLineEdit;
class QSpinBox;
class RecordingManager;

// The "Recording" page of the preferences: the folder for recordings and the padding around
// programmes from the guide, and how much of a paused live channel is kept.
class RecordingPreferencesPage final : public PreferencesPage
{
    Q_OBJECT

public:
    RecordingPreferencesPage(RecordingManager* manager, QWidget* parent = nullptr);

    QString title() const override;
    QString apply() override;

private:
    RecordingManager* manager;
    QLineEdit* folderEdit = nullptr;
    QSpinBox* padBefore = nullptr;
    QSpinBox* padAfter = nullptr;
    QSpinBox* pauseBuffer = nullptr;
};
