#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/ResourceManager.h"
#include "game/rules/HighScoreList.h"
#include "game/windows/HighScoreWindow.h"
#include "game/windows/PublishHighScores.h"
#include "gui/Gui.h"
#include "render/Camera.h"
#include "support/LogCapture.h"
#include "support/RecordingRenderer.h"
#include "support/TestFont.h"

namespace nimbus {
namespace {

struct DrawnText {
    std::string text;
    float red, green, blue;
};

class HighScoreWindowTest : public ::testing::Test {
protected:
    HighScoreWindowTest() : previous_(setResourceManager(&resources_)) {
        registerFont("Fonts/Alba", newTestFont(false));  // no glow layer: each text is drawn once
        TiXmlElement element("window");
        element.SetAttribute("class", "highscore");
        element.SetAttribute("x", "0");
        element.SetAttribute("y", "0");
        element.SetAttribute("w", "1.8");
        element.SetAttribute("h", "1.6");
        window_.reset(static_cast<HighScoreWindow*>(HighScoreWindow::create(&element, gui_)));
    }
    ~HighScoreWindowTest() override {
        window_.reset();
        setResourceManager(previous_);
    }

    // The texts of one draw, left column then right column of each row, top row first.
    std::vector<DrawnText> draw() {
        RecordingRenderer renderer;
        window_->draw(Camera(), renderer, 4.0f / 3.0f, Vector2(), gui_);
        std::map<std::pair<float, bool>, DrawnText> byPlace;
        for (const RecordingRenderer::Added& added : renderer.added) {
            const ScreenVertex& corner = added.quad.corners[0];
            DrawnText& text = byPlace[{-corner.y, corner.x > 0}];
            text.text += static_cast<char>(std::lround(corner.u));
            text.red = corner.r;
            text.green = corner.g;
            text.blue = corner.b;
        }
        std::vector<DrawnText> texts;
        for (const auto& place : byPlace) texts.push_back(place.second);
        return texts;
    }

    ResourceManager resources_;
    ResourceManager* previous_;
    Gui gui_{1024, 768};
    std::unique_ptr<HighScoreWindow> window_;
};

// The default table shown with its newest entry at the top: six rows, best first, rank
// and name on the left and the score on the right; the top row pulses between white and
// yellow while the others stay green.
TEST_F(HighScoreWindowTest, ShowsThePublishedTableWithTheNewestRowPulsing) {
    HighScoreList list;
    list.fillDefaults();
    publishHighScores(gui_, list);
    window_->show();
    ASSERT_EQ(window_->rowCount(), 6);
    SignalQueue signals;
    window_->update(0.05f, signals, gui_, Vector2());

    const std::vector<DrawnText> texts = draw();
    ASSERT_EQ(texts.size(), 12u);
    EXPECT_EQ(texts[0].text, "1: Wenna");
    EXPECT_EQ(texts[1].text, "7000");
    EXPECT_EQ(texts[10].text, "6: Halvi");
    EXPECT_EQ(texts[11].text, "1000");
    const float pulse = std::fabs(std::sin(0.5f));
    EXPECT_FLOAT_EQ(texts[0].blue, 0.9f * pulse);
    EXPECT_FLOAT_EQ(texts[1].blue, 0.9f * pulse);
    EXPECT_FLOAT_EQ(texts[2].green, 1.0f);
    EXPECT_FLOAT_EQ(texts[2].blue, 0.9f);
}

// Unset ranks close up, rows change only when the window is shown again, and the newest
// index counts published ranks, so it can point past the rows (no highlight).
TEST_F(HighScoreWindowTest, ShowingClosesGapsOfUnsetRanks) {
    const struct {
        std::map<std::string, std::string> properties;
        int rows;
        std::vector<std::string> names;
        int newest;
    } cases[] = {
        {{{"highscore_name_0", "Ada"},
          {"highscore_score_0", "30"},
          {"highscore_name_1", "Bo"},
          {"highscore_score_1", "20"},
          {"highscore_name_3", "Di"},
          {"highscore_score_3", "5"},
          {"newest_entry", "3"}},
         3,
         {"Ada", "Bo", "Di"},
         3},
        {{{"newest_entry", "-1"}}, 3, {"Ada", "Bo", "Di"}, -1},
        {{{"highscore_name_2", "Cy"}, {"highscore_score_2", "10"}}, 4, {"Ada", "Bo", "Cy", "Di"}, -1},
        {{{"newest_entry", "banana"}}, 4, {"Ada", "Bo", "Cy", "Di"}, 0},
    };
    for (const auto& c : cases) {
        for (const auto& property : c.properties) gui_.setProperty(property.first, property.second);
        window_->show();
        ASSERT_EQ(window_->rowCount(), c.rows);
        for (int row = 0; row < c.rows; ++row) EXPECT_EQ(window_->rowName(row), c.names[row]);
        EXPECT_EQ(window_->newest(), c.newest);
    }
    EXPECT_EQ(draw()[6].text, "4: Di");
    EXPECT_EQ(draw()[7].text, "5");
}

// Any press leaves the table, whichever button; a release passes through.
TEST_F(HighScoreWindowTest, AnyPressSendsMainMenuAndAReleaseDoesNot) {
    const struct {
        bool pressed;
        int button;
        bool consumed;
    } cases[] = {{true, 0, true}, {true, 2, true}, {false, 0, false}};
    for (const auto& c : cases) {
        SignalQueue signals;
        EXPECT_EQ(window_->onMouseButton(Vector2(5, 5), c.pressed, c.button, signals), c.consumed);
        EXPECT_EQ(signals, c.consumed ? SignalQueue{"main_menu"} : SignalQueue{});
    }
}

// An element without a size builds nothing and says why; a missing element is no error.
TEST_F(HighScoreWindowTest, CreatorRefusesAnElementWithoutSize) {
    TiXmlElement element("window");
    element.SetAttribute("x", "0");
    element.SetAttribute("y", "0");
    element.SetAttribute("w", "1");
    LogCapture log;
    EXPECT_EQ(HighScoreWindow::create(&element, gui_), nullptr);
    EXPECT_EQ(HighScoreWindow::create(nullptr, gui_), nullptr);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_TRUE(log.saw({"Missing size attribute"}));
}

// However long a name, its row ends it before the score begins: a name that fits is shown
// whole, a longer one cut short with an ellipsis, and the stored name stays whole.
TEST_F(HighScoreWindowTest, ALongNameStopsShortOfItsScore) {
    const std::string longName(80, 'W');
    const struct {
        std::string name;
        std::string score;
        bool cut;
    } cases[] = {{"Wenna", "7000", false}, {longName, "7", true}, {longName, "2147483647", true}};
    for (const auto& c : cases) {
        gui_.setProperty("highscore_name_0", c.name);
        gui_.setProperty("highscore_score_0", c.score);
        window_->show();
        EXPECT_EQ(window_->rowName(0), c.name);
        RecordingRenderer renderer;
        window_->draw(Camera(), renderer, 4.0f / 3.0f, Vector2(), gui_);
        // One row: its label's glyphs come first, then the score's.
        ASSERT_GT(renderer.added.size(), c.score.size());
        const size_t labelGlyphs = renderer.added.size() - c.score.size();
        float nameRight = -10.0f, scoreLeft = 10.0f;
        std::string shown;
        for (size_t i = 0; i < renderer.added.size(); ++i) {
            const ScreenQuad& quad = renderer.added[i].quad;
            if (i < labelGlyphs) {
                nameRight = std::max(nameRight, quad.corners[2].x);
                shown += static_cast<char>(std::lround(quad.corners[0].u));
            } else {
                scoreLeft = std::min(scoreLeft, quad.corners[0].x);
            }
        }
        EXPECT_LT(nameRight, scoreLeft) << c.score;
        if (c.cut) {
            EXPECT_EQ(shown.substr(0, 4), "1: W");
            EXPECT_EQ(shown.substr(shown.size() - 3), "...");
        } else {
            EXPECT_EQ(shown, "1: " + c.name);
        }
    }
}

// Only the best ten are published, with the newest index; ranks past a shorter list keep
// what an earlier, longer list left there.
TEST(PublishHighScores, PublishesTheBestTenAndTheNewestIndex) {
    Gui gui(1024, 768);
    HighScoreList longList;
    for (int i = 0; i < 12; ++i) longList.add("P" + std::to_string(i), i * 10);
    publishHighScores(gui, longList);
    EXPECT_EQ(gui.getProperty("highscore_name_0"), "P11");
    EXPECT_EQ(gui.getProperty("highscore_score_0"), "110");
    EXPECT_EQ(gui.getProperty("highscore_name_9"), "P2");
    EXPECT_EQ(gui.getProperty("highscore_score_9"), "20");
    EXPECT_EQ(gui.getProperty("highscore_name_10"), "not registered");
    EXPECT_EQ(gui.getProperty("newest_entry"), "0");

    HighScoreList defaults;
    defaults.fillDefaults();
    publishHighScores(gui, HighScoreList());
    EXPECT_EQ(gui.getProperty("newest_entry"), "-1");
    EXPECT_EQ(gui.getProperty("highscore_name_0"), "P11");
    publishHighScores(gui, defaults);
    EXPECT_EQ(gui.getProperty("highscore_name_0"), "Wenna");
    EXPECT_EQ(gui.getProperty("highscore_score_5"), "1000");
    EXPECT_EQ(gui.getProperty("highscore_name_6"), "P5");
}

}  // namespace
}  // namespace nimbus
