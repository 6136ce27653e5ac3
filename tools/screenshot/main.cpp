// Draws a page of text in the game's font, sharp and with its glow layer, through the
// game's own screen-space renderer in the 1024 x 768 window, and writes the frame as a
// PNG so the font can be judged by eye. Needs an X display; exits 1 when anything fails.
#include <GL/glew.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "PictureSource.h"
#include "TextPage.h"
#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "render/Core.h"
#include "render/Video.h"

using namespace nimbus;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <data directory> <output png>\n", argv[0]);
        return 1;
    }
    VideoMode mode;
    bool started = false;
    Core* core = openVideo(mode, started);
    bool drawn = false;
    std::vector<unsigned char> rows(static_cast<size_t>(mode.width) * mode.height * 4);
    if (core) {
        auto* manager = new ResourceManager();
        setResourceManager(manager);
        drawn = drawTextPage(*core, argv[1]);
        if (drawn) {
            std::vector<unsigned char> frame(rows.size());
            glReadPixels(0, 0, mode.width, mode.height, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
            // GL counts rows from the bottom, the picture from the top; the frame is opaque.
            const size_t stride = static_cast<size_t>(mode.width) * 4;
            for (int y = 0; y < mode.height; ++y) {
                std::copy_n(&frame[(mode.height - 1 - y) * stride], stride, &rows[y * stride]);
                for (size_t x = 3; x < stride; x += 4) rows[y * stride + x] = 255;
            }
        }
        setResourceManager(nullptr);
        delete manager;
        delete core;
    }
    if (started) closeVideo();
    if (!drawn) return 1;
    return writePng(argv[2], mode.width, mode.height, rows.data()) ? 0 : 1;
}
