#pragma once

#include <cstdint>

namespace nimbus {

// What the core is bound to: the window and the GL context the windowing library made
// for it. Handles are the platform's, carried untyped.
struct CoreDesc {
    // The native window; null makes initialisation fail at once.
    void* window = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    // The GL context that already exists for the window, or null.
    void* glContext = nullptr;
    // True keeps the driver's swap interval; false turns waiting for the vertical
    // retrace off where the driver allows it.
    bool verticalSync = true;
};

}  // namespace nimbus
