#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/math/Vector3.h"
#include "game/rules/GameImpl.h"
#include "game/rules/PlayerStats.h"
#include "render/Camera.h"
#include "support/GlWindowTest.h"

namespace nimbus {

// The game window with everything the scene draws loaded from the built data directory.
class SceneTest : public GlWindowTest {
protected:
    static void SetUpTestSuite();

    // A game on the board drawn as rows (see boardFromRows), with its drawing resources.
    void start(const std::vector<std::string>& rows, const std::vector<Position>& fallAtTwoSeconds = {},
               const std::vector<std::pair<Position, int32_t>>& pickups = {});
    // One frame of the game as the playing state draws it into a full-screen game window;
    // the camera it was drawn through is kept.
    void drawFrame();
    // The pixel a point of the scene lands on in the last frame; it must lie in the window.
    uint32_t pixelOf(const Vector3& point) const;

    PlayerStats stats_;
    std::unique_ptr<GameImpl> game_;
    Camera camera_;
};

}  // namespace nimbus
