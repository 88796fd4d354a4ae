#pragma once

#include <QDialog>

class ParentalLock;
class QCheckBox;
class QLabel;
class QLineEdit;

// Asks for the parental PIN: says why, takes the digits, tells a wrong PIN and the wait after
// too many; "for an hour" unlocks for an hour instead of until the program closes.
class PinDialog final : public QDialog
{
    Q_OBJECT

public:
    PinDialog(ParentalLock& lock, const QString& reason, QWidget* parent);

    // True when the right PIN was given.
    static bool ask(ParentalLock& lock, const QString& reason, QWidget* parent);

    void accept() override;

private:
    void showWait();

    ParentalLock& lock;
    QLineEdit* pinEdit = nullptr;
    QCheckBox* hourBox = nullptr;
    QLabel* message = nullptr;
};
