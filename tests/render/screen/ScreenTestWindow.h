#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "RecordingCore.h"
#include "core/ResourceHandle.h"
#include "core/ResourceManager.h"
#include "render/ScreenspaceRenderer.h"
#include "render/Texture.h"
#include "render/ViewSize.h"
#include "render/gl/OglScreenspaceRenderer.h"

// The game's 1024 x 768 window with its core and the game's own screen-space effect
// from the data sources, registered as "Shaders/ScreenSpace". Each test gets a
// recording core and a renderer for the game's 4:3 view, over a black frame.
class ScreenTest : public ::testing::Test {
protected:
    static constexpr int kWidth = nimbus::kViewWidth;
    static constexpr int kHeight = nimbus::kViewHeight;

    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // A one-texel texture of the colour, owned by the handle.
    static nimbus::ResourceHandle<nimbus::Texture> solidTexture(uint8_t r, uint8_t g, uint8_t b, uint8_t a);
    // A quad over the GUI rectangle, all corners of one colour, texture coordinates 0 to 1.
    static nimbus::ScreenQuad quad(float x0, float y0, float x1, float y1, float r = 1, float g = 1, float b = 1,
                                   float a = 1);
    // The window pixel under a GUI point of the 4:3 view.
    static void toPixel(float x, float y, int& px, int& py);
    // The RGBA bytes under a GUI point, as 0xRRGGBBAA.
    static uint32_t pixelAt(float x, float y);

    static nimbus::Core* core_;
    static nimbus::ResourceManager* manager_;
    std::unique_ptr<RecordingCore> recorder_;
    std::unique_ptr<nimbus::OglScreenspaceRenderer> renderer_;
};

constexpr uint32_t rgba(uint32_t r, uint32_t g, uint32_t b, uint32_t a) { return r << 24 | g << 16 | b << 8 | a; }

// Whether two colours agree within three steps per channel.
::testing::AssertionResult sameColor(uint32_t got, uint32_t want);
