#include "PixelColor.h"

#include <GL/glew.h>

#include <cstdio>
#include <cstdlib>

uint32_t readPixelColor(int x, int y) {
    unsigned char p[4] = {0, 0, 0, 0};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return rgba(p[0], p[1], p[2], p[3]);
}

::testing::AssertionResult sameColor(uint32_t got, uint32_t want) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int a = static_cast<int>((got >> shift) & 0xFF), b = static_cast<int>((want >> shift) & 0xFF);
        if (std::abs(a - b) > 2) {
            char text[64];
            std::snprintf(text, sizeof text, "got %08x, want %08x", got, want);
            return ::testing::AssertionFailure() << text;
        }
    }
    return ::testing::AssertionSuccess();
}
