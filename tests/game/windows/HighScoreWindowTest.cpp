#include <SDL/SDL_keysym.h>
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cstring>
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
#include "support/Golden.h"
#include "support/GuiEnvironment.h"
#include "support/LogCapture.h"
#include "support/OwnProcessWide.h"
#include "support/RecordingRenderer.h"
#include "support/TestFont.h"

namespace nimbus {
namespace {

class HighScoreWindowTest : public ::testing::Test {
protected:
    HighScoreWindowTest() {
        registerFont("Fonts/Alba", newTestFont(false));  // no glow layer: each text is drawn once
        TiXmlDocument document;
        document.Parse(R"(<window class="highscore" x="0" y="0" w="1.8" h="1.6"/>)");
        window_.reset(static_cast<HighScoreWindow*>(HighScoreWindow::create(document.RootElement(), gui_)));
    }
    // The rows the window takes when shown anew, and what it draws a little later.
    std::string shown() {
        window_->show();
        std::string text = "newest " + std::to_string(window_->newest()) + ":";
        for (int row = 0; row < window_->rowCount(); ++row) text += " " + window_->rowName(row);
        SignalQueue signals;
        window_->update(0.05f, signals, gui_, Vector2());
        return text + "\n" + drawn();
    }
    std::string drawn() {
        RecordingRenderer renderer;
        window_->draw(Camera(), renderer, 4.0f / 3.0f, Vector2(), gui_);
        return quadText(renderer.added);
    }

    OwnProcessWide<ResourceManager> resources_;
    Gui gui_{1024, 768};
    std::unique_ptr<HighScoreWindow> window_;
};

// The newest row pulses white to yellow, the others stay green. Unset ranks close up when shown; the newest
// index counts published ranks, so it may point past the rows (no highlight). A long name is cut with an
// ellipsis before the score, the stored one whole. A hidden table draws nothing.
TEST_F(HighScoreWindowTest, ShowsThePublishedRowsWithTheNewestPulsingAndLongNamesCut) {
    const auto rank = [&](int i, const std::string& name, const char* score) {
        gui_.setProperty("highscore_name_" + std::to_string(i), name);
        gui_.setProperty("highscore_score_" + std::to_string(i), score);
    };
    rank(0, "Ada", "30");
    rank(1, "Bo", "20");
    rank(3, "Di", "5");
    std::string text;
    for (const char* newest : {"3", "-1"}) {
        gui_.setProperty("newest_entry", newest);
        text += shown();
    }
    rank(2, "Cy", "10");
    text += shown();
    gui_.setProperty("newest_entry", "banana");
    text += shown();
    // Only the best ten are published; ranks past a shorter list keep what a longer one left.
    HighScoreList longList, defaults;
    for (int i = 0; i < 12; ++i) longList.add("P" + std::to_string(i), i * 10);
    defaults.fillDefaults();
    for (const HighScoreList& list : {longList, HighScoreList(), defaults}) {
        publishHighScores(gui_, list);
        text += shown();
    }
    EXPECT_EQ(gui_.getProperty("highscore_name_10"), "not registered");
    for (const char* score : {"7", "2147483647"}) {
        rank(0, std::string(80, 'W'), score);
        text += shown();
    }
    window_->hide();
    text += "hidden\n" + drawn();
    EXPECT_TRUE(matchesGolden(text, 0xd34fd23d3deb3674));
}

// Any button, Enter and Space leave; a release or another key passes through. A missing element is no error.
TEST_F(HighScoreWindowTest, AnyPressSendsMainMenuAndTheCreatorRefusesAnElementWithoutSize) {
    // A mouse button or a key, pressed or let go, and whether it leaves.
    const std::tuple<bool, int32_t, bool, bool> inputs[] = {
        {true, 0, true, true},           {true, 2, true, true},
        {true, 0, false, false},         {false, SDLK_RETURN, true, true},
        {false, SDLK_SPACE, true, true}, {false, SDLK_RETURN, false, false},
        {false, SDLK_x, true, false}};
    for (const auto& [mouse, code, pressed, leaves] : inputs) {
        SignalQueue signals;
        EXPECT_EQ(mouse ? window_->onMouseButton(Vector2(5, 5), pressed, code, signals)
                        : window_->onKey(keyEvent(code, 0, pressed), signals, gui_),
                  leaves)
            << code;
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

using Entries = std::vector<std::pair<std::string, int32_t>>;

Entries entries(const HighScoreList& list) {
    Entries all;
    for (int i = 0; i < list.size(); ++i) all.emplace_back(list[i].name, list[i].score);
    return all;
}

// A table counts as saved only while every name and score matches.
TEST(HighScoreList, InsertsAboveEqualScoresClampsAndFillsDefaultsOnlyWhenEmpty) {
    HighScoreList list;
    for (const auto& [name, score, index] :
         {std::tuple("a", 1, 0), std::tuple("b", 10, 0), std::tuple("c", 0, 2), std::tuple("d", 1, 1)}) {
        EXPECT_EQ(list.add(name, score), index) << name;
    }
    list.fillDefaults();
    list.clamp(10);
    list.clamp(-1);
    EXPECT_EQ(entries(list), (Entries{{"b", 10}, {"d", 1}, {"a", 1}, {"c", 0}}));
    list.clamp(2);
    EXPECT_EQ(entries(list), (Entries{{"b", 10}, {"d", 1}}));
    for (const auto& [name, score] : {std::pair("b", 10), std::pair("e", 10), std::pair("b", 9)}) {
        HighScoreList other;
        other.add(name, score);
        other.add("d", 1);
        EXPECT_EQ(other.sameEntries(list), std::string(name) == "b" && score == 10) << name << score;
    }
}

// (The file round trip is StartupTest's, through the game's own save and load.)
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
