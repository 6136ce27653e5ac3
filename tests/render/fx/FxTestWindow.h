#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "../support/PixelColor.h"

#include "render/fx/Fx.h"

// A small GL window for the effect runtime's tests, opened with SDL alone so the runtime
// is tested without the render core. Each test gets a context with render states.
class FxTest : public ::testing::Test {
protected:
    static constexpr int kSize = 32;

    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Compiles the text and validates every technique; fails the test when it does not
    // compile.
    nimbus::fx::Effect* compile(const char* text);
    // Draws a quad over the whole window through every pass of the technique, feeding
    // its POSITION input; returns the number of passes drawn.
    int drawQuad(nimbus::fx::Technique* technique, float depth = 0.0f);
    // The RGBA bytes of the pixel at (x, y), from the bottom left.
    static uint32_t pixel(int x, int y);
    static void clear(float r, float g, float b, float a);

    nimbus::fx::Context* context_ = nullptr;
    nimbus::fx::Effect* effect_ = nullptr;
    static int errors_;
};


