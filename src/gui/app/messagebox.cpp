#include "app/messagebox.h"

#include <QAbstractButton>
#include <QPushButton>

namespace {
QList<MessageBox::Answer>& answers()
{
    static QList<MessageBox::Answer> queue;
    return queue;
}

QList<MessageBox::Shown>& shownBoxes()
{
    static QList<MessageBox::Shown> shown;
    return shown;
}

QMessageBox::StandardButton runStandard(QMessageBox::Icon icon, QWidget* parent,
                                        const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    QAbstractButton* clicked = MessageBox::exec(box);
    if (!clicked)
        return QMessageBox::Close;
    return box.standardButton(clicked);
}
} // namespace

QMessageBox::StandardButton MessageBox::warning(QWidget* parent, const QString& title,
                                                const QString& text)
{
    return runStandard(QMessageBox::Warning, parent, title, text, QMessageBox::Ok,
                       QMessageBox::NoButton);
}

QMessageBox::StandardButton MessageBox::information(QWidget* parent, const QString& title,
                                                    const QString& text)
{
    return runStandard(QMessageBox::Information, parent, title, text, QMessageBox::Ok,
                       QMessageBox::NoButton);
}

QMessageBox::StandardButton MessageBox::question(QWidget* parent, const QString& title,
                                                 const QString& text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    return runStandard(QMessageBox::Question, parent, title, text, buttons, defaultButton);
}

QAbstractButton* MessageBox::exec(QMessageBox& box)
{
    if (answers().isEmpty()) {
        box.exec();
        return box.clickedButton();
    }

    Shown shown;
    shown.icon = box.icon();
    shown.title = box.windowTitle();
    shown.text = box.text();
    const QList<QAbstractButton*> buttons = box.buttons();
    for (QAbstractButton* button : buttons)
        shown.buttons.append(button->text());
    if (QPushButton* def = box.defaultButton())
        shown.defaultButton = def->text();
    shownBoxes().append(shown);

    const Answer answer = answers().takeFirst();
    if (const auto* standard = std::get_if<QMessageBox::StandardButton>(&answer))
        return box.button(*standard);
    const QString wanted = std::get<QString>(answer);
    for (QAbstractButton* button : buttons) {
        if (button->text() == wanted)
            return button;
    }
    return nullptr;
}

void MessageBox::queueAnswer(const Answer& answer)
{
    answers().append(answer);
}

int MessageBox::queuedAnswers()
{
    return int(answers().size());
}

QList<MessageBox::Shown> MessageBox::takeShown()
{
    return std::exchange(shownBoxes(), {});
}

void MessageBox::reset()
{
    answers().clear();
    shownBoxes().clear();
}
