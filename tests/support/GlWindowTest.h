#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace nimbus {

class Core;
class ResourceManager;

// A window per suite, opened as the game opens its own (1024 x 768 unless asked), with its
// core and a process-wide resource manager; each test starts black and leaves no GL error.
class GlWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { openWindow(1024, 768); }
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;
    static void openWindow(int width, int height);

    // The colour of the frame at a pixel counted from the bottom left, as 0xRRGGBBAA.
    static uint32_t pixel(int x, int y);
    // The window pixel under a point of the game's 4:3 GUI view (x from -4/3 to 4/3,
    // y from -1 to 1), and its colour.
    static void guiToPixel(float x, float y, int& px, int& py);
    static uint32_t guiPixel(float x, float y);

    static Core* core_;
    static ResourceManager* resources_;
    static int width_, height_;
};

constexpr uint32_t rgba(uint32_t r, uint32_t g, uint32_t b, uint32_t a) {
    return r << 24 | g << 16 | b << 8 | a;
}
inline int red(uint32_t c) { return static_cast<int>(c >> 24); }
inline int green(uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); }
inline int blue(uint32_t c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int brightest(uint32_t c) { return std::max({red(c), green(c), blue(c)}); }

// Whether two colours agree within three steps in red, green and blue, both shown in hex.
// The window keeps no alpha, so alpha is not compared.
::testing::AssertionResult sameColor(uint32_t got, uint32_t want);

}  // namespace nimbus
