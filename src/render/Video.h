#pragma once

#include <cstdint>

#include "render/ViewSize.h"

namespace nimbus {

class Core;

// The game window and its GL context, opened the same way by the game, the tools and the
// tests.
struct VideoMode {
    // The window's size; full screen takes the desktop's size instead.
    int32_t width = kViewWidth;
    int32_t height = kViewHeight;
    // Full screen at the desktop's own size: the monitor keeps its mode, and the view
    // sits centred in it (ViewFit).
    bool fullscreen = false;
    // Asks the driver to wait for the display's retrace when presenting.
    bool verticalSync = true;
};

// Starts SDL video on X (its x11 driver, unless SDL_VIDEODRIVER names one), opens a
// double-buffered OpenGL window with 8-bit colour channels and a 32-bit depth buffer,
// turns on depth testing and back-face culling and binds a new core to the window, which
// sets the viewport. Returns the core (owned by the caller, not published process-wide)
// or null, with the reason logged. `videoStarted` is set once SDL video is up, so the
// caller knows to call closeVideo even after a later failure.
Core* openVideo(const VideoMode& mode, bool& videoStarted);

enum class VideoSwitch {
    Done,
    // The windowing library refused the new mode; the window is as it was.
    Refused,
    // The GL context, and with it every texture, model and effect, did not survive, or
    // no window is left: nothing more can be drawn.
    Lost,
};

// Takes the open window to the mode given, full screen or a window, keeping its GL
// context and everything made on it (SDL 1.2 and sdl12-compat both resize the window
// and keep the context; the context is checked all the same); the core learns the new
// size. `core` is the one openVideo returned. Failures are logged.
VideoSwitch switchVideo(const VideoMode& mode, Core& core);

// Says the effects are made: the GL compiler's working memory goes back to the system.
// An effect made later still compiles, only more slowly.
void releaseShaderCompiler();

// Shuts SDL down; call after the core and everything it made are deleted.
void closeVideo();

// The frames a second the open window's display shows, or 0 where the driver does not
// tell.
float displayRate();

}  // namespace nimbus
