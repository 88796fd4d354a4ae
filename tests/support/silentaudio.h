#pragma once

// Test machines have no sound card and no sound server, and libVLC then drops audio altogether
// (an audio-only stream never advances). This points ALSA's default device at its "null" sink,
// which accepts and discards samples, so audio plays, paces and is counted like on a desktop.
// Call before the first libVLC instance is created; the player itself is not told anything.
void useSilentAudioOutput();
