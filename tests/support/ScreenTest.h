#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/ResourceManager.h"
#include "render/ScreenspaceRenderer.h"
#include "render/Texture.h"
#include "render/gl/OglScreenspaceRenderer.h"
#include "support/GlWindowTest.h"
#include "support/RecordingCore.h"

namespace nimbus {

// The game window with its screen-space effect as "Shaders/ScreenSpace"; each test gets a
// recording core and a renderer for the game's 4:3 view.
class ScreenTest : public GlWindowTest {
protected:
    static void SetUpTestSuite() { openScreen(1024, 768); }
    // Opens the window at the size given, with the effect.
    static void openScreen(int width, int height);
    void SetUp() override;
    void TearDown() override;

    // A new one-texel texture of the colour.
    static Texture* solidTexture(uint8_t r, uint8_t g, uint8_t b, uint8_t a);
    // Loads "<file>.texture" of the built data directory as "Textures/<its stem>".
    static void loadDataTexture(const std::string& file);
    // A quad over the GUI rectangle, all corners of one colour, texture coordinates 0 to 1.
    static ScreenQuad quad(float x0, float y0, float x1, float y1, float r = 1, float g = 1, float b = 1,
                           float a = 1);

    std::unique_ptr<RecordingCore> recorder_;
    std::unique_ptr<OglScreenspaceRenderer> renderer_;
};

}  // namespace nimbus
