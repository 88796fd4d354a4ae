#pragma once

class QWidget;
class VlcPlayer;

// The player's subtitle and audio-track menus (opening upward from their button), loading a
// subtitle file, and the stream-information window.
namespace trackmenus {
void showSubtitleMenu(VlcPlayer* player, QWidget* button);
void showAudioMenu(VlcPlayer* player, QWidget* button);
void loadSubtitleFile(VlcPlayer* player, QWidget* parent);
void showStreamInfo(VlcPlayer* player, QWidget* parent);
} // namespace trackmenus
