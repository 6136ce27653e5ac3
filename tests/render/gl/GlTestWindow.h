#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "../support/PixelColor.h"
#include <memory>

#include "core/math/Color.h"
#include "render/Core.h"
#include "render/Shader.h"
#include "render/VertexBuffer.h"

// One small window for the whole program, opened the way the game opens its own, and a
// core bound to it. Each test starts from a black frame with the window's GL state.
class GlTest : public ::testing::Test {
protected:
    static constexpr int kSize = 64;

    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Compiles effect text through the core; fails the test when it does not compile.
    std::unique_ptr<nimbus::Shader> compile(const char* text);
    // A quad of Position vertices over the rectangle, at depth z.
    std::unique_ptr<nimbus::VertexBuffer> quad(float x0, float y0, float x1, float y1, float z = 0.0f);

    // The RGBA bytes of the pixel at (x, y) from the bottom left, as 0xRRGGBBAA.
    static uint32_t pixel(int x, int y);

    static nimbus::Core* core_;
};

// The test window and its current GL context, as the windowing library reports them.
nimbus::CoreDesc windowDesc();



// A vertex program that passes POSITION through, and a fragment program of one colour
// parameter, as the start of most test effects.
extern const char* const kFlatEffect;
