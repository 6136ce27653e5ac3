#include <gtest/gtest.h>
#include <tinyxml.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/MessageCatalogue.h"
#include "core/Utf8.h"
#include "core/posix/PosixInArchive.h"
#include "game/DataLayout.h"
#include "game/GameNames.h"
#include "game/player/Language.h"
#include "game/player/Progress.h"
#include "game/rules/HighScoreList.h"
#include "game/windows/GameWindowClasses.h"
#include "game/windows/HighScoreWindow.h"
#include "game/windows/PublishHighScores.h"
#include "game/windows/PublishLevels.h"
#include "gui/EditableGui.h"
#include "gui/GuiNames.h"
#include "gui/actions/ActionFactory.h"
#include "gui/actions/StandardActions.h"
#include "gui/windows/StandardWindows.h"
#include "gui/windows/Window.h"
#include "gui/windows/WindowFactory.h"
#include "gui/windows/WindowText.h"
#include "render/Camera.h"
#include "render/font/DrawText.h"
#include "render/font/LayoutText.h"
#include "support/Golden.h"
#include "support/LogCapture.h"
#include "support/RecordingRenderer.h"
#include "support/SceneTest.h"
#include "support/TempFolder.h"

using namespace nimbus;

namespace {

const std::string kDocument = std::string(NIMBUS_DATA_DIR "/") + kGuiDocument;

struct Box {
    float minX = 1e9f, minY = 1e9f, maxX = -1e9f, maxY = -1e9f;
    bool inside(const Box& outer) const {
        const float slack = 1e-4f;
        return minX >= outer.minX - slack && maxX <= outer.maxX + slack && minY >= outer.minY - slack &&
               maxY <= outer.maxY + slack;
    }
};

Box rectangleOf(const Window& window) {
    const Vector2 centre = window.absolutePosition(), half = window.size() * 0.5f;
    return {centre.x - half.x, centre.y - half.y, centre.x + half.x, centre.y + half.y};
}

// The shipped document in the game's window with the scene's data and all window classes.
class ShippedGui : public SceneTest {
protected:
    static void SetUpTestSuite() {
        SceneTest::SetUpTestSuite();
        registerStandardWindows(windows_);
        registerStandardActions(actions_);
        ASSERT_TRUE(registerGameWindows(windows_));
        setWindowFactory(&windows_);
        setActionFactory(&actions_);
        // The document names the font's glyph file relative to the data directory.
        ASSERT_EQ(chdir(NIMBUS_DATA_DIR), 0);
        gui_ = new EditableGui(width_, height_);
        LogCapture log;
        loaded_ = gui_->load(kDocument.c_str());
        loadLog_ = log.all();
    }
    static void TearDownTestSuite() {
        delete gui_;
        setWindowFactory(nullptr);
        setActionFactory(nullptr);
        SceneTest::TearDownTestSuite();
    }
    // Every window, parents first, with its element as the editor would save it.
    static std::vector<std::pair<Window*, TiXmlElement>> windows() {
        std::vector<std::pair<Window*, TiXmlElement>> all;
        std::vector<Window*> open;
        for (int32_t i = gui_->windowCount() - 1; i >= 0; --i) open.push_back(gui_->window(i));
        while (!open.empty()) {
            Window* window = open.back();
            open.pop_back();
            all.emplace_back(window, TiXmlElement(kElementWindow));
            window->toXml(all.back().second);
            for (int32_t i = window->childCount() - 1; i >= 0; --i) open.push_back(window->child(i));
        }
        return all;
    }

    static inline WindowFactory windows_;
    static inline ActionFactory actions_;
    static inline EditableGui* gui_ = nullptr;
    static inline bool loaded_ = false;
    static inline std::string loadLog_;
};

// An action naming no window would be an error line; every signal fires a transition.
TEST_F(ShippedGui, LoadsWithoutAnErrorLineAndEverySignalHasATransition) {
    EXPECT_TRUE(loaded_);
    EXPECT_EQ(loadLog_, "");
    std::vector<std::string> signals = {kSignalShowGame,      kSignalHideGame, kSignalShowLevelComplete,
                                        kSignalShowHighScore, kSignalGameOver, kSignalMainMenu,
                                        kSignalOptionsBack,   kSignalKeysBack, kSignalShowOwnLevels};
    for (const auto& [window, element] : windows()) {
        if (const char* action = element.Attribute(kAttributeAction)) signals.push_back(action);
    }
    for (const std::string& signal : signals) {
        const auto found = gui_->transitions().find(signal);
        EXPECT_TRUE(found != gui_->transitions().end() && !found->second.empty()) << signal;
    }
}

// The properties at their longest: seven-digit scores, the longest language name, a full table.
void publishLongest(Gui& gui) {
    const auto format = [&gui](const char* property, const char* message, auto... values) {
        char text[64];
        std::snprintf(text, sizeof text, translated(message), values...);
        gui.setProperty(property, text);
    };
    gui.setProperty(kPropertyScore, "1234567");
    format(kPropertyLevelScore, kLevelScoreFormat, 123456);
    format(kPropertyTotalScore, kTotalScoreFormat, 1234567);
    for (const char* state : {kPropertyFullscreen, kPropertySymbols, kPropertyGhost})
        gui.setProperty(state, translated("Off"));
    const Language* longest = &kLanguages[0];
    for (const Language& language : kLanguages) {
        if (std::strlen(language.name) > std::strlen(longest->name)) longest = &language;
    }
    gui.setProperty(kPropertyLanguage, longest->name);
    format(kPropertyLevelTime, kLevelTimeFormat, "1234.56");
    format(kPropertyLevelCommands, kLevelCommandsFormat, 123456);
    for (const char* best : {kPropertyBestScore, kPropertyBestTime, kPropertyBestCommands})
        format(best, kBestTimeFormat, "1234.56");
    format(kPropertyLevelsPage, kLevelsPageFormat, 12, 12);
    Progress progress;
    progress.complete(0, {"40", "41"}, {1234567, 123456, 1234}, "Ann", "2026-05-01");
    publishLevels(
        gui, 0, -1,
        shippedPlans({"40", "41"}, {"Maze Under the Wave Again", "Safe Harbour"}, progress, {true, true}));
    gui.setProperty(kPropertyLevelsHeading, translated(kOwnLevelsHeading));
    format(kPropertyEditorSize, kEditorSizeFormat, 16, 16);
    format(kPropertyEditorStepText, kEditorStepFormat, 120, 60);
    format(kPropertyEditorEveryText, kEditorEveryFormat, 8);
    HighScoreList list;
    for (int i = 0; i < HighScoreWindow::kRows; ++i) list.add("Maximilian " + std::to_string(i), 1234567);
    publishHighScores(gui, list);
}

// The characters of a UTF-8 text.
size_t characters(const std::string& text) {
    size_t count = 0;
    for (size_t at = 0; at < text.size(); ++count) nextCodePoint(text, at);
    return count;
}

// Each caption and message, at its window's size (a caption half the button's height), fits
// its room (a button's clear of its rounded ends) in the 32 characters drawn. Drawn at its
// largest (a swollen button, long properties, a full table) each text lies across its own
// window, inside every window that clips it and on the screen.
TEST_F(ShippedGui, EveryTextFitsItsWindowInEveryLanguage) {
    PosixInArchive data{Path(NIMBUS_DATA_DIR)};
    const BitmapFont* font = gui_->getFont(kDefaultFontName).get();
    ASSERT_TRUE(font);
    const Box screen{-gui_->aspect(), -1, gui_->aspect(), 1};
    for (const Language& language : kLanguages) {
        SCOPED_TRACE(language.code);
        const std::unique_ptr<MessageCatalogue> catalogue = readCatalogue(data, language);
        setMessageCatalogue(catalogue.get());
        publishLongest(*gui_);
        int texts = 0;
        for (const auto& [window, element] : windows()) {
            const std::string kind = element.Attribute(kAttributeClass);
            if (kind != kClassButton && kind != kClassText && kind != kClassPropertyText &&
                kind != kClassEditBox && kind != kClassHighScore && kind != kClassKeyButton &&
                (kind != kClassLevelPlan || window->name() != "level_plan_0")) {
                continue;
            }
            for (const char* attribute : {kAttributeCaption, kAttributeMessage}) {
                if (!element.Attribute(attribute)) continue;
                const std::string shown = gui_->keys().fill(translated(element.Attribute(attribute)));
                const bool button = kind == kClassButton;
                const Vector2 size = window->size();
                ScreenQuad quads[kMaxWindowText];
                const float width = textExtent(layoutText(*font, quads, kMaxWindowText, shown.c_str(),
                                                          button ? size.y / 2 : size.y, 0.5f),
                                               quads);
                EXPECT_LE(width, button ? size.x - size.y : size.x) << window->name() << ": " << shown;
                EXPECT_LE(characters(shown), size_t(kMaxWindowText)) << window->name() << ": " << shown;
            }
            if (kind == kClassHighScore) window->show();
            SignalQueue signals;
            window->update(1.0f, signals, *gui_, window->position());
            RecordingRenderer renderer;
            window->draw(makeStandardCamera(), renderer, gui_->aspect(),
                         window->parent() ? window->parent()->absolutePosition() : Vector2(), *gui_);
            ASSERT_FALSE(renderer.added.empty()) << window->name();
            ++texts;
            Box drawn;
            for (const RecordingRenderer::Added& added : renderer.added) {
                for (const ScreenVertex& c : added.quad.corners) {
                    drawn = {std::min(drawn.minX, c.x), std::min(drawn.minY, c.y), std::max(drawn.maxX, c.x),
                             std::max(drawn.maxY, c.y)};
                }
            }
            // Glyph quads reach a little past the letters to leave room for the glow.
            const float margin = 0.25f * (drawn.maxY - drawn.minY);
            const Box own = rectangleOf(*window);
            EXPECT_TRUE(drawn.minX >= own.minX - margin && drawn.maxX <= own.maxX + margin)
                << window->name() << " spans " << drawn.minX << " to " << drawn.maxX << " in " << own.minX
                << " to " << own.maxX;
            EXPECT_TRUE(drawn.inside(screen)) << window->name() << " leaves the screen";
            for (const Window* clip = window; clip; clip = clip->parent()) {
                EXPECT_TRUE(!clip->clipsChildren() || drawn.inside(rectangleOf(*clip)))
                    << window->name() << " is cut by " << clip->name();
            }
        }
        EXPECT_GT(texts, 0);
    }
    setMessageCatalogue(nullptr);
}

// Each signal as the states and buttons push it, with the properties the states read and
// the screens shown after: Play, an unplayable level sent back, a game to its end and
// table, the table from the menu, the options and their Keys screen.
TEST_F(ShippedGui, SignalsLeadWhereTheStatesExpect) {
    const char* const screens[] = {
        "menu",       "background", "game",   "level_complete",    "highscore_panel",
        "highscores", "options",    "levels", "practice_complete", "keys"};
    gui_->findWindow("highscores")->hide();  // the check of the texts showed it
    std::string text;
    std::istringstream signals(
        "play main_menu play show_game pause to_menu show_menu play show_game hide_game show_level_complete "
        "next_level show_game game_over hide_game show_highscore main_menu show_scores main_menu "
        "show_options "
        "toggle_symbols show_keys keys_defaults keys_back options_back levels show_levels levels_next "
        "levels_previous play_level show_game "
        "hide_game show_practice_complete practice_next show_game to_menu hide_game show_levels play_level "
        "show_game hide_game show_practice_complete practice_levels show_levels levels_back show_menu quit");
    for (std::string signal; signals >> signal;) {
        gui_->pushSignal(signal);
        // Long enough for every slide of any transition to end.
        for (int frame = 0; frame < 100; ++frame) gui_->update(0.1f, nullptr, 0);
        ASSERT_FALSE(gui_->busy()) << signal;
        text += "\n" + signal + " " + gui_->getProperty(kPropertyExitToState) + " pause " +
                gui_->getProperty(kPropertyTogglePause) + " symbols " +
                gui_->getProperty(kPropertyToggleSymbols) + " turn " +
                gui_->getProperty(kPropertyLevelsTurn) + " keys " + gui_->getProperty(kPropertyKeysDefaults) +
                ", shown:";
        for (const char* name : screens)
            text += gui_->findWindow(name)->visible() ? std::string(" ") + name : "";
    }
    EXPECT_TRUE(matchesGolden(text, 0xadaf3906530773d0));
}

// Expects the same window elements, class and name, in the same tree.
void expectSameWindows(const TiXmlElement* shipped, const TiXmlElement* saved) {
    for (; shipped && saved; shipped = shipped->NextSiblingElement(), saved = saved->NextSiblingElement()) {
        EXPECT_STREQ(shipped->Attribute(kAttributeName), saved->Attribute(kAttributeName));
        EXPECT_STRCASEEQ(shipped->Attribute(kAttributeClass), saved->Attribute(kAttributeClass));
        expectSameWindows(shipped->FirstChildElement(), saved->FirstChildElement());
    }
    EXPECT_TRUE(!shipped && !saved) << "the saved document has other windows";
}

// The game's own classes included, and read back without complaint.
TEST_F(ShippedGui, SavesEveryWindowUnderItsClass) {
    std::unique_ptr<TiXmlDocument> saved(gui_->toXml());
    TiXmlDocument shipped;
    ASSERT_TRUE(shipped.LoadFile(kDocument.c_str()));
    expectSameWindows(shipped.RootElement()->FirstChildElement(kSectionWindows)->FirstChildElement(),
                      saved->RootElement()->FirstChildElement(kSectionWindows)->FirstChildElement());
    TempFolder folder;
    ASSERT_TRUE(saved->SaveFile(folder.file("saved.xml").c_str()));
    EditableGui reloaded(gui_->width(), gui_->height());
    LogCapture log;
    ASSERT_TRUE(reloaded.load(folder.file("saved.xml").c_str()));
    EXPECT_TRUE(log.lines().empty()) << log.all();
    EXPECT_EQ(reloaded.transitions().size(), gui_->transitions().size());
}

// Back on Your levels only the screen slides in, the swap buttons as left. Runs last: sets properties.
TEST_F(ShippedGui, TheLevelsScreenComesBackOnYourLevelsInOneSlide) {
    const auto steps = [](const char* signal) {
        gui_->pushSignal(signal);
        int step = 0;
        for (; step < 40 && (gui_->busy() || !gui_->signals().empty()); ++step)
            gui_->update(0.25f, nullptr, 0);
        return step;
    };
    for (const char* signal : {kSignalShowLevels, kSignalOwnLevels, kSignalLevelsBack}) steps(signal);
    EXPECT_LT(steps(kSignalShowOwnLevels), 10) << "under two one-second slides, at four steps a second";
    EXPECT_FALSE(gui_->findWindow("levels_own_frame")->visible()) << "Game levels is the swap shown";
}

}  // namespace
