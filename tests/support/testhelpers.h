#pragma once

// Small helpers many tests share.
#include "model/mediaitem.h"
#include "model/sourceconfig.h"

#include <QPushButton>
#include <QStringList>
#include <QWidget>

inline QStringList itemNames(const QList<MediaItem>& items)
{
    QStringList out;
    for (const MediaItem& item : items)
        out << item.name;
    return out;
}

inline QStringList sourceNames(const QList<SourceConfig>& sources)
{
    QStringList out;
    for (const SourceConfig& source : sources)
        out << source.name;
    return out;
}

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
