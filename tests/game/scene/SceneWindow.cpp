#include "SceneWindow.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>

#include "../../render/support/GuiPixel.h"
#include "../rules/GameFixture.h"
#include "SceneData.h"
#include "core/math/Color.h"
#include "game/scene/GameScene.h"
#include "render/Video.h"
#include "render/ViewSize.h"
#include "render/gl/OglScreenspaceRenderer.h"
#include "sound/GameSound.h"

using namespace nimbus;

Core* SceneTest::core_ = nullptr;
ResourceManager* SceneTest::manager_ = nullptr;

void SceneTest::SetUpTestSuite() {
    VideoMode mode;
    bool started = false;
    core_ = openVideo(mode, started);
    ASSERT_NE(core_, nullptr);
    setCore(core_);
    manager_ = new ResourceManager();
    setResourceManager(manager_);
    ASSERT_TRUE(loadSceneData(*core_, NIMBUS_DATA_DIR));
}

void SceneTest::TearDownTestSuite() {
    setResourceManager(nullptr);
    delete manager_;
    setCore(nullptr);
    delete core_;
    closeVideo();
}

void SceneTest::SetUp() { ASSERT_NE(core_, nullptr); }

void SceneTest::start(const std::vector<std::string>& rows, const std::vector<Position>& fallAtTwoSeconds) {
    auto board = std::make_unique<Board>(boardFromRows(rows));
    for (const Position& p : fallAtTwoSeconds) board->tileAt(p).fallStep = 1;
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
    return pixelAtGui(x * kViewAspect, y);
}

uint32_t SceneTest::pixelAtGui(float x, float y) { return guiPixelColor(x, y, kWidth, kHeight); }
