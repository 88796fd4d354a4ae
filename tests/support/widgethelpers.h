#pragma once

// Small helpers for tests of windows and dialogs.
#include <QPushButton>
#include <QWidget>

// The first push button below `parent` showing `text`, or null.
inline QPushButton* buttonWithText(QWidget* parent, const QString& text)
{
    const auto buttons = parent->findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}
