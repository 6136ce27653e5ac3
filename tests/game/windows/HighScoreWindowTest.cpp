#include <SDL/SDL_keysym.h>
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "core/ResourceManager.h"
#include "core/VectorInBuffer.h"
#include "core/VectorOutBuffer.h"
#include "game/rules/HighScoreList.h"
#include "game/windows/HighScoreWindow.h"
#include "game/windows/PublishHighScores.h"
#include "gui/Gui.h"
#include "render/Camera.h"
#include "support/GuiEnvironment.h"
#include "support/LogCapture.h"
#include "support/RecordingRenderer.h"
#include "support/TestFont.h"

namespace nimbus {
namespace {

// A text as drawn: its characters, read back from the test font's texture coordinates,
// and its colour.
struct DrawnText {
    std::string text;
    float red, green, blue;
};

class HighScoreWindowTest : public ::testing::Test {
protected:
    HighScoreWindowTest() : previous_(setResourceManager(&resources_)) {
        registerFont("Fonts/Alba", newTestFont(false));  // no glow layer: each text is drawn once
        TiXmlElement element("window");
        for (const auto& [name, value] :
             {std::pair("class", "highscore"), {"x", "0"}, {"y", "0"}, {"w", "1.8"}, {"h", "1.6"}}) {
            element.SetAttribute(name, value);
        }
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
            text = {text.text + static_cast<char>(std::lround(corner.u)), corner.r, corner.g, corner.b};
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
    EXPECT_EQ((std::vector<std::string>{texts[0].text, texts[1].text, texts[10].text, texts[11].text}),
              (std::vector<std::string>{"1: Wenna", "7000", "6: Halvi", "1000"}));
    const float pulse = 0.9f * std::fabs(std::sin(0.5f));
    EXPECT_EQ(std::make_tuple(texts[0].blue, texts[1].blue, texts[2].green, texts[2].blue),
              std::make_tuple(pulse, pulse, 1.0f, 0.9f));
    window_->hide();
    EXPECT_TRUE(draw().empty()) << "a hidden table draws nothing";
}

// Unset ranks close up, rows change only when the window is shown again, and the newest
// index counts published ranks, so it can point past the rows (no highlight).
TEST_F(HighScoreWindowTest, ShowingClosesGapsOfUnsetRanks) {
    const std::tuple<std::map<std::string, std::string>, std::vector<std::string>, int> cases[] = {
        {{{"highscore_name_0", "Ada"},
          {"highscore_score_0", "30"},
          {"highscore_name_1", "Bo"},
          {"highscore_score_1", "20"},
          {"highscore_name_3", "Di"},
          {"highscore_score_3", "5"},
          {"newest_entry", "3"}},
         {"Ada", "Bo", "Di"},
         3},
        {{{"newest_entry", "-1"}}, {"Ada", "Bo", "Di"}, -1},
        {{{"highscore_name_2", "Cy"}, {"highscore_score_2", "10"}}, {"Ada", "Bo", "Cy", "Di"}, -1},
        {{{"newest_entry", "banana"}}, {"Ada", "Bo", "Cy", "Di"}, 0},
    };
    for (const auto& [properties, names, newest] : cases) {
        for (const auto& [name, value] : properties) gui_.setProperty(name, value);
        window_->show();
        ASSERT_EQ(window_->rowCount(), static_cast<int>(names.size()));
        for (int row = 0; row < window_->rowCount(); ++row) EXPECT_EQ(window_->rowName(row), names[row]);
        EXPECT_EQ(window_->newest(), newest);
    }
    EXPECT_EQ(draw()[6].text, "4: Di");
    EXPECT_EQ(draw()[7].text, "5");
}

// Any press leaves the table, whichever button, and so do Enter and Space; a release or
// another key passes through. An element without a size builds nothing and says why; a
// missing element is no error.
TEST_F(HighScoreWindowTest, AnyPressSendsMainMenuAndTheCreatorRefusesAnElementWithoutSize) {
    for (const auto& [pressed, button] : {std::pair(true, 0), std::pair(true, 2), std::pair(false, 0)}) {
        SignalQueue signals;
        EXPECT_EQ(window_->onMouseButton(Vector2(5, 5), pressed, button, signals), pressed);
        EXPECT_EQ(signals, pressed ? SignalQueue{"main_menu"} : SignalQueue{});
    }
    const std::tuple<int32_t, bool, bool> keys[] = {{SDLK_RETURN, true, true},
                                                    {SDLK_SPACE, true, true},
                                                    {SDLK_RETURN, false, false},
                                                    {SDLK_x, true, false}};
    for (const auto& [key, pressed, leaves] : keys) {
        SignalQueue signals;
        EXPECT_EQ(window_->onKey(keyEvent(key, 0, pressed), signals, gui_), leaves) << key;
        EXPECT_EQ(signals, leaves ? SignalQueue{"main_menu"} : SignalQueue{});
    }
    TiXmlElement element("window");
    for (const char* attribute : {"x", "y", "w"}) element.SetAttribute(attribute, "1");
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
    for (const auto& [name, score, shown] : {std::tuple(std::string("Wenna"), "7000", std::string("Wenna")),
                                             std::tuple(longName, "7", std::string("...")),
                                             std::tuple(longName, "2147483647", std::string("..."))}) {
        gui_.setProperty("highscore_name_0", name);
        gui_.setProperty("highscore_score_0", score);
        window_->show();
        EXPECT_EQ(window_->rowName(0), name);
        RecordingRenderer renderer;
        window_->draw(Camera(), renderer, 4.0f / 3.0f, Vector2(), gui_);
        // The label's glyphs come first, then the score's.
        const size_t label = renderer.added.size() - std::strlen(score);
        std::string text;
        float right = -10.0f, left = 10.0f;
        for (size_t i = 0; i < renderer.added.size(); ++i) {
            const ScreenVertex* corners = renderer.added[i].quad.corners;
            if (i >= label) {
                left = std::min(left, corners[0].x);
                continue;
            }
            text += static_cast<char>(std::lround(corners[0].u));
            right = std::max(right, corners[2].x);
        }
        EXPECT_LT(right, left) << score;
        EXPECT_EQ(text.substr(0, 4), "1: W");
        EXPECT_EQ(text.substr(text.size() - shown.size()), shown);
    }
}

// Only the best ten are published, with the newest index; ranks past a shorter list keep
// what an earlier, longer list left there.
TEST(PublishHighScores, PublishesTheBestTenAndTheNewestIndex) {
    Gui gui(1024, 768);
    HighScoreList longList;
    for (int i = 0; i < 12; ++i) longList.add("P" + std::to_string(i), i * 10);
    HighScoreList defaults;
    defaults.fillDefaults();
    const auto seen = [&](const HighScoreList& list, std::vector<std::string> names) {
        publishHighScores(gui, list);
        std::vector<std::string> values;
        for (const std::string& name : names) values.push_back(gui.getProperty(name));
        return values;
    };
    EXPECT_EQ(seen(longList, {"highscore_name_0", "highscore_score_0", "highscore_name_9",
                              "highscore_score_9", "highscore_name_10", "newest_entry"}),
              (std::vector<std::string>{"P11", "110", "P2", "20", "not registered", "0"}));
    EXPECT_EQ(seen(HighScoreList(), {"newest_entry", "highscore_name_0"}),
              (std::vector<std::string>{"-1", "P11"}));
    EXPECT_EQ(seen(defaults, {"highscore_name_0", "highscore_score_5", "highscore_name_6"}),
              (std::vector<std::string>{"Wenna", "1000", "P5"}));
}

std::vector<std::pair<std::string, int32_t>> entries(const HighScoreList& list) {
    std::vector<std::pair<std::string, int32_t>> all;
    for (int i = 0; i < list.size(); ++i) all.emplace_back(list[i].name, list[i].score);
    return all;
}

// The defaults themselves are read above.
TEST(HighScoreList, InsertsAboveEqualScoresClampsAndFillsDefaultsOnlyWhenEmpty) {
    HighScoreList list;
    EXPECT_EQ(-1, list.newestIndex());
    for (const auto& [name, score, index] :
         {std::tuple("a", 1, 0), std::tuple("b", 10, 0), std::tuple("c", 0, 2), std::tuple("d", 1, 1)}) {
        EXPECT_EQ(list.add(name, score), index) << name;
    }
    list.fillDefaults();
    list.clamp(10);
    list.clamp(-1);
    EXPECT_EQ(entries(list), (decltype(entries(list)){{"b", 10}, {"d", 1}, {"a", 1}, {"c", 0}}));
    list.clamp(2);
    EXPECT_EQ(entries(list), (decltype(entries(list)){{"b", 10}, {"d", 1}}));
    HighScoreList defaults;
    defaults.fillDefaults();
    EXPECT_EQ(0, defaults.newestIndex());
    EXPECT_EQ(6, defaults.size());
    // A table only counts as saved while every name and score matches.
    HighScoreList sameScore, sameName;
    sameScore.add("e", 10);
    sameScore.add("d", 1);
    sameName.add("b", 9);
    sameName.add("d", 1);
    HighScoreList top = list;
    EXPECT_TRUE(top.sameEntries(list));
    EXPECT_FALSE(sameScore.sameEntries(list) || sameName.sameEntries(list));
}

// The file round trip is StartupTest's, through the game's own save and load; an empty
// table reads back.
TEST(HighScoreList, DamagedCountsAreRefusedAndAnEmptyTableReadsBack) {
    VectorOutBuffer empty;
    ASSERT_TRUE(HighScoreList().write(empty));
    VectorInBuffer emptyIn(empty.bytes());
    EXPECT_TRUE(HighScoreList().read(emptyIn));
    for (int32_t count : {-1, 2, 1 << 30}) {
        std::vector<unsigned char> bytes(4);
        std::memcpy(bytes.data(), &count, 4);
        bytes.insert(bytes.end(), {'x', 0, 1, 0, 0, 0});
        VectorInBuffer in(bytes);
        HighScoreList list;
        LogCapture log;
        EXPECT_FALSE(list.read(in)) << count;
        EXPECT_EQ(0, list.size()) << count;
        EXPECT_EQ(1u, log.lines().size()) << count;
    }
}

}  // namespace
}  // namespace nimbus
