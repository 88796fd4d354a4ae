#pragma once

#include "player/vlcplayer.h"

class QWidget;

// The native window of `widget` for VlcPlayer to draw into, made native on first use. Guarded:
// once the widget is gone (the panel may go first at shut-down) the player draws nowhere.
VlcPlayer::VideoWindow videoSurfaceOf(QWidget* widget);
