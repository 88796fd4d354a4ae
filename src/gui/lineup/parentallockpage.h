#pragma once

#include "app/preferencesdialog.h"

class ParentalLock;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

// "Parental Lock" in the preferences: the PIN (changed only with the old one) and the words
// that make a category look like content for adults.
class ParentalLockPage final : public PreferencesPage
{
    Q_OBJECT

public:
    // `lock` counts wrong PINs here as everywhere.
    ParentalLockPage(ParentalLock& lock, QWidget* parent = nullptr);

    QString title() const override;
    QString apply() override;

private:
    ParentalLock& lock;
    QLineEdit* oldPin = nullptr;
    QLineEdit* newPin = nullptr;
    QLineEdit* repeatPin = nullptr;
    QCheckBox* removePin = nullptr;
    QPlainTextEdit* words = nullptr;
};
