// Draws a page of text in the game's font, sharp and with its glow layer, through the
// game's own screen-space renderer in the 1024 x 768 window, and writes the frame as a
// PNG so the font can be judged by eye. Needs an X display; exits 1 when anything fails.
#include <cstdio>

#include "FrameCapture.h"
#include "TextPage.h"
#include "core/ResourceManager.h"
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
    bool written = false;
    if (core) {
        auto* manager = new ResourceManager();
        setResourceManager(manager);
        written = drawTextPage(*core, argv[1]) && writeFramePng(argv[2], mode.width, mode.height);
        setResourceManager(nullptr);
        delete manager;
        delete core;
    }
    if (started) closeVideo();
    return written ? 0 : 1;
}
