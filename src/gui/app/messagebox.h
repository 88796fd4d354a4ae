#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

#include <variant>

// Every message box of the program goes through here, so tests can answer boxes without showing
// them: queue an answer, run the code, then read what would have been shown.
class MessageBox final
{
public:
    static QMessageBox::StandardButton warning(QWidget* parent, const QString& title,
                                               const QString& text);
    static QMessageBox::StandardButton information(QWidget* parent, const QString& title,
                                                   const QString& text);
    static QMessageBox::StandardButton question(QWidget* parent, const QString& title,
                                                const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton);

    // Runs a box built by the caller (custom buttons) modally; returns the button clicked, or
    // null when the box was closed without one.
    static QAbstractButton* exec(QMessageBox& box);

    // Test seam.
    struct Shown
    {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        QList<QString> buttons;   // button texts in the box's order
        QString defaultButton;    // text of the default button, empty when none
    };
    using Answer = std::variant<QMessageBox::StandardButton, QString>;
    static void queueAnswer(const Answer& answer);
    static int queuedAnswers();
    static QList<Shown> takeShown();
    static void reset();
};
