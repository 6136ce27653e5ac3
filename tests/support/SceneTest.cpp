#include "support/SceneTest.h"

#include <cmath>

#include "SceneData.h"
#include "core/math/Color.h"
#include "game/scene/GameScene.h"
#include "render/Core.h"
#include "render/ViewSize.h"
#include "render/gl/OglScreenspaceRenderer.h"
#include "sound/GameSound.h"
#include "support/GameFixture.h"

namespace nimbus {

void SceneTest::SetUpTestSuite() {
    GlWindowTest::SetUpTestSuite();
    ASSERT_TRUE(loadSceneData(*core_, NIMBUS_DATA_DIR));
}

void SceneTest::start(const std::vector<std::string>& rows, const std::vector<Position>& fallAtTwoSeconds,
                      const std::vector<std::pair<Position, int32_t>>& pickups) {
    auto board = std::make_unique<Board>(boardFromRows(rows));
    for (const Position& p : fallAtTwoSeconds) board->tileAt(p).fallStep = 1;
    for (const auto& [p, kind] : pickups) board->tileAt(p).pickup = kind;
    board->fetchResources();
    game_ = std::make_unique<GameImpl>(std::make_unique<GameSound>(), &stats_, 0, std::move(board));
}

void SceneTest::drawFrame() {
    OglScreenspaceRenderer renderer(*core_, kViewMax, kViewMin);
    camera_ = makeStandardCamera();
    core_->clear(Color(0, 0, 0, 1));
    drawGame(*game_, kViewMin, kViewMax, camera_, renderer);
    renderer.flush();
}

uint32_t SceneTest::pixelOf(const Vector3& point) const {
    const Vector4 clip = Vector4(point, 1.0f) * camera_.viewProjection;
    EXPECT_GT(clip.w, 0.0f);
    const float x = clip.x / clip.w, y = clip.y / clip.w;
    EXPECT_TRUE(std::fabs(x) < 0.95f && std::fabs(y) < 0.95f) << "off screen: " << x << ", " << y;
    return guiPixel(x * 4.0f / 3.0f, y);
}

}  // namespace nimbus
