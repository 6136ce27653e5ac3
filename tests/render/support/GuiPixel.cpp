#include "GuiPixel.h"

#include <GL/glew.h>

#include <cmath>

void guiPointToPixel(float x, float y, int width, int height, int& px, int& py) {
    px = static_cast<int>(std::floor((x * 0.75f + 1.0f) * static_cast<float>(width) / 2));
    py = static_cast<int>(std::floor((y + 1.0f) * static_cast<float>(height) / 2));
}

uint32_t guiPixelColor(float x, float y, int width, int height) {
    int px = 0, py = 0;
    guiPointToPixel(x, y, width, height, px, py);
    unsigned char p[4] = {0, 0, 0, 0};
    glReadPixels(px, py, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return static_cast<uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}
