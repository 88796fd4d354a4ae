#pragma once

#include "multiview/channelmime.h"
#include "multiview/multiviewlayout.h"

#include <QList>
#include <QString>

#include <optional>

// The last multi-view: its layout and the channel of each tile (nullopt for an empty tile),
// kept in the settings store so Ctrl+M brings it back next time.
struct MultiViewState
{
    MultiViewLayout layout = MultiViewLayout::Four;
    QList<std::optional<channelmime::Channel>> tiles;
    int focused = 0;

    static MultiViewState load();
    // Empty when saved, else the message for the user.
    QString save() const;
};
