#include "lineup/pindialog.h"

#include "lineup/parentallock.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

PinDialog::PinDialog(ParentalLock& parental, const QString& reason, QWidget* parent)
    : QDialog(parent)
    , lock(parental)
{
    setWindowTitle(tr("Parental Lock"));
    setObjectName(QStringLiteral("pinDialog"));
    auto* layout = new QVBoxLayout(this);
    auto* why = new QLabel(reason, this);
    why->setWordWrap(true);
    layout->addWidget(why);
    pinEdit = new QLineEdit(this);
    pinEdit->setObjectName(QStringLiteral("pinEdit"));
    pinEdit->setEchoMode(QLineEdit::Password);
    pinEdit->setPlaceholderText(tr("PIN"));
    layout->addWidget(pinEdit);
    hourBox = new QCheckBox(tr("Unlock for an hour only"), this);
    hourBox->setObjectName(QStringLiteral("pinHourBox"));
    layout->addWidget(hourBox);
    message = new QLabel(this);
    message->setObjectName(QStringLiteral("pinMessage"));
    message->setWordWrap(true);
    layout->addWidget(message);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Unlock"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PinDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PinDialog::reject);
    if (lock.waitLeftMs() > 0)
        showWait();
}

bool PinDialog::ask(ParentalLock& lock, const QString& reason, QWidget* parent)
{
    if (lock.isUnlocked())
        return true;
    PinDialog dialog(lock, reason, parent);
    return dialog.exec() == QDialog::Accepted;
}

void PinDialog::showWait()
{
    const qint64 seconds = (lock.waitLeftMs() + 999) / 1000;
    message->setText(tr("Too many wrong PINs. Try again in %n second(s).", "", int(seconds)));
}

void PinDialog::accept()
{
    switch (lock.tryPin(pinEdit->text(), hourBox->isChecked())) {
    case ParentalLock::Answer::Right:
        QDialog::accept();
        return;
    case ParentalLock::Answer::Wrong:
        pinEdit->clear();
        if (lock.waitLeftMs() > 0)
            showWait();
        else
            message->setText(tr("Wrong PIN."));
        return;
    case ParentalLock::Answer::Waiting:
        pinEdit->clear();
        showWait();
        return;
    }
}
