#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/ResourceManager.h"
#include "core/math/Vector3.h"
#include "game/rules/GameImpl.h"
#include "game/rules/PlayerStats.h"
#include "render/Camera.h"
#include "render/Core.h"
#include "render/ViewSize.h"

// The game's 1024 x 768 window with everything the scene draws loaded from the built
// data directory, shared by the tests of a program. Each test gets a clear frame.
class SceneTest : public ::testing::Test {
protected:
    static constexpr int kWidth = nimbus::kViewWidth;
    static constexpr int kHeight = nimbus::kViewHeight;

    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // A game on the board drawn as rows (see boardFromRows), with its drawing resources.
    void start(const std::vector<std::string>& rows,
               const std::vector<nimbus::Position>& fallAtTwoSeconds = {});
    // One frame of the game as the playing state draws it into a full-screen game
    // window; the camera it was drawn through is kept.
    void drawFrame();
    // The pixel a point of the scene lands on in the last frame, as 0xRRGGBBAA, and
    // whether it lies inside the window.
    uint32_t pixelOf(const nimbus::Vector3& point) const;
    // The pixel under a GUI point.
    static uint32_t pixelAtGui(float x, float y);

    static nimbus::Core* core_;
    static nimbus::ResourceManager* manager_;
    nimbus::PlayerStats stats_;
    std::unique_ptr<nimbus::GameImpl> game_;
    nimbus::Camera camera_;
};

// The channels of 0xRRGGBBAA.
inline int red(uint32_t c) { return static_cast<int>(c >> 24); }
inline int green(uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); }
inline int blue(uint32_t c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int brightest(uint32_t c) { return std::max({red(c), green(c), blue(c)}); }
