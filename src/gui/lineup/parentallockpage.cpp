#include "lineup/parentallockpage.h"

#include "app/preferences.h"
#include "lineup/parentallock.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

ParentalLockPage::ParentalLockPage(ParentalLock& parental, QWidget* parent)
    : PreferencesPage(parent)
    , lock(parental)
{
    setObjectName(QStringLiteral("parentalLockPage"));
    auto* form = new QFormLayout(this);
    const bool hasPin = !ParentalLock::storedDigest().isEmpty();
    auto* intro = new QLabel(hasPin ? tr("A PIN is set. Give it to change or remove it.")
                                    : tr("Set a PIN of 4 to 8 digits to lock categories and "
                                         "channels."),
                             this);
    intro->setWordWrap(true);
    form->addRow(intro);
    const auto pinField = [this](const QString& name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setEchoMode(QLineEdit::Password);
        edit->setMaxLength(8);
        return edit;
    };
    oldPin = pinField(QStringLiteral("oldPin"));
    newPin = pinField(QStringLiteral("newPin"));
    repeatPin = pinField(QStringLiteral("repeatPin"));
    if (hasPin)
        form->addRow(tr("Current PIN:"), oldPin);
    else
        oldPin->hide();
    form->addRow(tr("New PIN:"), newPin);
    form->addRow(tr("Repeat:"), repeatPin);
    removePin = new QCheckBox(tr("Remove the PIN (locks stop working)"), this);
    removePin->setObjectName(QStringLiteral("removePin"));
    removePin->setVisible(hasPin);
    form->addRow(removePin);
    words = new QPlainTextEdit(this);
    words->setObjectName(QStringLiteral("adultWords"));
    words->setPlainText(ParentalLock::words().join(QLatin1Char('\n')));
    form->addRow(tr("Offer to lock categories\nwhose names contain\n(one per line):"), words);
}

QString ParentalLockPage::title() const
{
    return tr("Parental Lock");
}

QString ParentalLockPage::apply()
{
    QStringList list;
    for (const QString& line : words->toPlainText().split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            list.append(line.trimmed());
    }
    QString problem = Preferences::setValue(ParentalLock::kWordsKey, list);
    if (!problem.isEmpty())
        return problem;

    const QString stored = ParentalLock::storedDigest();
    const bool changing =
        !newPin->text().isEmpty() || !repeatPin->text().isEmpty() || removePin->isChecked();
    if (!changing)
        return {};
    if (!stored.isEmpty()) {
        const ParentalLock::Answer answer = lock.check(oldPin->text());
        if (answer == ParentalLock::Answer::Waiting)
            return tr("Too many wrong PINs. Try again in %n second(s).", "",
                      int((lock.waitLeftMs() + 999) / 1000));
        if (answer != ParentalLock::Answer::Right)
            return tr("The current PIN is not right; the PIN was not changed.");
    }
    if (removePin->isChecked()) {
        lock.lock();
        return ParentalLock::setPin(QString());
    }
    if (newPin->text() != repeatPin->text())
        return tr("The new PIN and its repetition differ; the PIN was not changed.");
    if (!ParentalLock::isAcceptable(newPin->text()))
        return tr("A PIN has 4 to 8 digits; the PIN was not changed.");
    problem = ParentalLock::setPin(newPin->text());
    oldPin->clear();
    newPin->clear();
    repeatPin->clear();
    return problem;
}
