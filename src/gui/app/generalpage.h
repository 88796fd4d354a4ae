#pragma once

#include "app/preferencesdialog.h"

class QComboBox;

// Preferences, "General": the program's language. It changes at the next start, as the page says.
class GeneralPage final : public PreferencesPage
{
    Q_OBJECT

public:
    explicit GeneralPage(QWidget* parent = nullptr);

    QString title() const override;
    QString apply() override;

private:
    QComboBox* language = nullptr;
};
