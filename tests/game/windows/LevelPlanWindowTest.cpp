#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/posix/PosixInArchive.h"
#include "game/DataLayout.h"
#include "game/windows/LevelPlanWindow.h"
#include "game/windows/PublishLevels.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/SignalQueue.h"
#include "render/Camera.h"
#include "render/Texture.h"
#include "support/GameFixture.h"
#include "support/GlWindowTest.h"
#include "support/RecordingRenderer.h"
#include "support/TempFolder.h"
#include "support/TestFont.h"

using namespace nimbus;

using LevelPlanWindowTest = GlWindowTest;

// A one-tile goal level on a card 1 wide and 0.35 high, in a GUI 48 pixels high: the plan fills 0.55 of the
// card's height, its middle 0.035 of it below the card's, its tile 4 pixels a side, a chequer from a white
// corner with a clear pixel along the top and right. The card's texts do not glow.
TEST_F(LevelPlanWindowTest, APlanIsAChequeredGoalUnderTheHeadingAndItsTextsDoNotGlow) {
    TempFolder folder;
    folder.write(levelMapFile("1"), levelMapFromRows({"G"}));
    InArchive* previous = setInArchive(new PosixInArchive(folder.path()));
    registerTestFont();
    Gui gui(64, 48);
    WindowAttributes attributes;
    attributes.size = Vector2(1.0f, 0.35f);
    attributes.visible = true;
    LevelPlanWindow window(attributes, 0, gui);
    gui.setProperty(std::string(kPropertyLevelName) + "0", "1");
    gui.setProperty(kPropertyLevelsShown, "1");
    SignalQueue signals;
    window.update(0.0f, signals, gui, Vector2());
    RecordingRenderer renderer;
    window.draw(Camera(), renderer, 4.0f / 3.0f, Vector2(), gui);
    delete setInArchive(previous);

    const Texture* font = gui.getFont(kDefaultFontName)->texture().get();
    RecordingRenderer::Added plan{};
    int letters = 0;
    for (const RecordingRenderer::Added& added : renderer.added) {
        EXPECT_FALSE(added.glow);
        if (added.texture && added.texture != font) plan = added;
        letters += added.texture == font;
    }
    EXPECT_EQ(letters, 1) << "the level's number; no title or best was published";
    EXPECT_NEAR(renderer.added[0].quad.corners[0].x, -0.5f, 1e-5f) << "first the card, as wide as the window";
    ASSERT_TRUE(plan.texture);
    const ScreenVertex &low = plan.quad.corners[0], &high = plan.quad.corners[2];
    const float want[] = {-0.09625f, -0.1085f, 0.09625f, 0.084f};
    const float got[] = {low.x, low.y, high.x, high.y};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 1e-5f) << i;

    ASSERT_EQ(plan.texture->getWidth(), 4);
    std::vector<uint8_t> pixels(4 * 4 * 4);
    ASSERT_TRUE(plan.texture->readPixels(pixels.data(), static_cast<int64_t>(pixels.size())));
    EXPECT_EQ(std::vector<uint8_t>(pixels.begin(), pixels.begin() + 4),
              (std::vector<uint8_t>{255, 255, 255, 255}));
    EXPECT_EQ(pixels[3 * 4 + 3], 0) << "the gap right of the tile";
}

TEST(LevelPages, AreThePagesTheLevelsFillAndAtLeastOne) {
    for (const auto& [levels, pages] : {std::pair{0, 1}, {12, 1}, {13, 2}})
        EXPECT_EQ(levelPages(levels), pages);
}
