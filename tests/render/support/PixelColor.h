#pragma once

#include <gtest/gtest.h>

#include <cstdint>

// 0xRRGGBBAA of four bytes.
constexpr uint32_t rgba(uint32_t r, uint32_t g, uint32_t b, uint32_t a) { return r << 24 | g << 16 | b << 8 | a; }

// The colour of one pixel of the current framebuffer, as 0xRRGGBBAA.
uint32_t readPixelColor(int x, int y);

// Whether two colours agree within two steps per channel, with both shown in hex.
::testing::AssertionResult sameColor(uint32_t got, uint32_t want);
