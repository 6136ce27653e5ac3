#include <gtest/gtest.h>
#include <tinyxml.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/rules/HighScoreList.h"
#include "game/windows/GameWindowClasses.h"
#include "game/windows/HighScoreWindow.h"
#include "game/windows/PublishHighScores.h"
#include "gui/EditableGui.h"
#include "gui/GuiNames.h"
#include "gui/actions/ActionFactory.h"
#include "gui/actions/StandardActions.h"
#include "gui/windows/StandardWindows.h"
#include "gui/windows/Window.h"
#include "gui/windows/WindowFactory.h"
#include "render/Camera.h"
#include "support/LogCapture.h"
#include "support/RecordingRenderer.h"
#include "support/SceneTest.h"
#include "support/TempFolder.h"

using namespace nimbus;

namespace {

const char* const kDocument = NIMBUS_DATA_DIR "/Frontend/gui.xml";
constexpr int kMaxDrawnCharacters = 32;
constexpr float kSlack = 1e-4f;

// Long values of the properties the game fills in, to be sure they fit too.
const std::map<std::string, std::string> kSampleProperties = {
    {kPropertyScore, "1234567"},
    {kPropertyLevelScore, "Level: 123456"},
    {kPropertyTotalScore, "Total: 1234567"},
};

// The signals the game states push; each must fire a transition.
const char* const kStateSignals[] = {kSignalShowGame,      kSignalHideGame, kSignalShowLevelComplete,
                                     kSignalShowHighScore, kSignalGameOver, kSignalMainMenu};

struct Box {
    float minX = 1e9f, minY = 1e9f, maxX = -1e9f, maxY = -1e9f;
    bool inside(const Box& outer) const {
        return minX >= outer.minX - kSlack && maxX <= outer.maxX + kSlack && minY >= outer.minY - kSlack &&
               maxY <= outer.maxY + kSlack;
    }
};

Box rectangleOf(const Window& window) {
    const Vector2 centre = window.absolutePosition(), half = window.size() * 0.5f;
    return {centre.x - half.x, centre.y - half.y, centre.x + half.x, centre.y + half.y};
}

// The shipped document in the game's window with everything of the data directory the
// scene draws, and the standard and game window classes registered. The log lines of
// the load are kept.
class ShippedGui : public SceneTest {
protected:
    static void SetUpTestSuite() {
        SceneTest::SetUpTestSuite();
        registerStandardWindows(windows_);
        registerStandardActions(actions_);
        ASSERT_TRUE(registerGameWindows(windows_));
        setWindowFactory(&windows_);
        setActionFactory(&actions_);
        // The document names the font's glyph file relative to the game's directory.
        ASSERT_EQ(chdir(NIMBUS_DATA_DIR "/.."), 0);
        gui_ = new EditableGui(width_, height_);
        LogCapture log;
        loaded_ = gui_->load(kDocument);
        loadLog_ = log.all();
    }
    static void TearDownTestSuite() {
        delete gui_;
        setWindowFactory(nullptr);
        setActionFactory(nullptr);
        SceneTest::TearDownTestSuite();
    }

    static inline WindowFactory windows_;
    static inline ActionFactory actions_;
    static inline EditableGui* gui_ = nullptr;
    static inline bool loaded_ = false;
    static inline std::string loadLog_;
};

// Calls the visitor on every window of the tree, parents first.
template <typename Visit>
void forEachWindow(Window& window, const Visit& visit) {
    visit(window);
    for (int32_t i = 0; i < window.childCount(); ++i) forEachWindow(*window.child(i), visit);
}

TEST_F(ShippedGui, LoadsWithoutAnErrorLine) {
    EXPECT_TRUE(loaded_);
    EXPECT_EQ(loadLog_, "");
}

// Every button's signal and every signal the game states push fires a transition. (An
// action naming no window is an error line of the load, caught above.)
TEST_F(ShippedGui, EverySignalHasATransition) {
    std::vector<std::string> signals(std::begin(kStateSignals), std::end(kStateSignals));
    for (int32_t i = 0; i < gui_->windowCount(); ++i) {
        forEachWindow(*gui_->window(i), [&](Window& window) {
            TiXmlElement element(kElementWindow);
            window.toXml(element);
            if (const char* action = element.Attribute(kAttributeAction)) signals.push_back(action);
        });
    }
    for (const std::string& signal : signals) {
        const auto found = gui_->transitions().find(signal);
        EXPECT_TRUE(found != gui_->transitions().end() && !found->second.empty()) << signal;
    }
}

// Each text as it is drawn at its largest (a button swollen under the pointer, the
// properties at long values, the high-score table full) lies across its own window, inside
// every window that clips it and on the screen, and has at most the 32 characters drawn.
TEST_F(ShippedGui, EveryTextFitsItsWindow) {
    for (const auto& property : kSampleProperties) gui_->setProperty(property.first, property.second);
    HighScoreList list;
    for (int i = 0; i < HighScoreWindow::kRows; ++i) list.add("Maximilian " + std::to_string(i), 1234567);
    publishHighScores(*gui_, list);

    const Camera camera = makeStandardCamera();
    const Box screen{-gui_->aspect(), -1, gui_->aspect(), 1};
    int texts = 0;
    for (int32_t i = 0; i < gui_->windowCount(); ++i) {
        forEachWindow(*gui_->window(i), [&](Window& window) {
            TiXmlElement element(kElementWindow);
            window.toXml(element);
            const std::string kind = element.Attribute(kAttributeClass);
            const bool isText = kind == kClassButton || kind == kClassText || kind == kClassPropertyText ||
                                kind == kClassEditBox || kind == kClassHighScore;
            if (!isText) return;
            for (const char* attribute : {kAttributeCaption, kAttributeMessage, kAttributeInitial}) {
                const char* text = element.Attribute(attribute);
                if (text) {
                    EXPECT_LE(std::strlen(text), size_t(kMaxDrawnCharacters)) << window.name();
                }
            }
            if (kind == kClassHighScore) window.show();
            SignalQueue signals;
            window.update(1.0f, signals, *gui_, window.position());
            RecordingRenderer renderer;
            const Vector2 parent = window.parent() ? window.parent()->absolutePosition() : Vector2();
            window.draw(camera, renderer, gui_->aspect(), parent, *gui_);
            ASSERT_FALSE(renderer.added.empty()) << window.name();
            ++texts;
            Box drawn;
            for (const RecordingRenderer::Added& added : renderer.added) {
                for (const ScreenVertex& corner : added.quad.corners) {
                    drawn.minX = std::min(drawn.minX, corner.x);
                    drawn.maxX = std::max(drawn.maxX, corner.x);
                    drawn.minY = std::min(drawn.minY, corner.y);
                    drawn.maxY = std::max(drawn.maxY, corner.y);
                }
            }
            // Glyph quads reach a little past the letters to leave room for the glow.
            const float margin = 0.25f * (drawn.maxY - drawn.minY);
            const Box own = rectangleOf(window);
            EXPECT_TRUE(drawn.minX >= own.minX - margin && drawn.maxX <= own.maxX + margin)
                << window.name() << " spans " << drawn.minX << " to " << drawn.maxX << " in " << own.minX
                << " to " << own.maxX;
            EXPECT_TRUE(drawn.inside(screen)) << window.name() << " leaves the screen";
            for (const Window* clip = &window; clip; clip = clip->parent()) {
                if (clip->clipsChildren()) {
                    EXPECT_TRUE(drawn.inside(rectangleOf(*clip)))
                        << window.name() << " is cut by " << clip->name();
                }
            }
        });
    }
    EXPECT_GT(texts, 0);
}

// The document's side of the game's flow, step by step as the states and the buttons
// push the signals: what each leaves in the properties the states read, and which
// screens it leaves shown.
TEST_F(ShippedGui, SignalsLeadWhereTheStatesExpect) {
    const struct {
        const char* signal;
        const char* property;
        const char* value;
        std::vector<const char*> shown;
        std::vector<const char*> hidden;
    } steps[] = {
        {"play", kPropertyExitToState, kStatePlaying, {}, {"menu", "background"}},
        // A level that cannot be played sends the player back at once.
        {kSignalMainMenu, kPropertyExitToState, kStateFrontend, {"background", "menu"}, {}},
        {"play", kPropertyExitToState, kStatePlaying, {}, {"menu", "background"}},
        {kSignalShowGame, nullptr, nullptr, {"game"}, {"background"}},
        {"pause", kPropertyTogglePause, "yes", {"game"}, {}},
        {"to_menu", kPropertyExitToState, kStateFrontend, {"background", "menu"}, {"game"}},
        {"play", kPropertyExitToState, kStatePlaying, {}, {"menu", "background"}},
        {kSignalShowGame, nullptr, nullptr, {"game"}, {}},
        {kSignalHideGame, nullptr, nullptr, {}, {"game"}},
        {kSignalShowLevelComplete, nullptr, nullptr, {"background", "level_complete"}, {"menu"}},
        {"next_level", kPropertyExitToState, kStatePlaying, {}, {"level_complete", "background"}},
        {kSignalShowGame, nullptr, nullptr, {"game"}, {}},
        {kSignalGameOver, kPropertyExitToState, kStateGameOver, {"game"}, {}},
        {kSignalHideGame, nullptr, nullptr, {}, {"game"}},
        {kSignalShowHighScore, nullptr, nullptr, {"background", "highscore_panel", "highscores"}, {"menu"}},
        {kSignalMainMenu, kPropertyExitToState, kStateFrontend, {"background", "menu"}, {"highscores"}},
        {"show_scores", nullptr, nullptr, {"highscores"}, {"menu"}},
        {kSignalMainMenu, kPropertyExitToState, kStateFrontend, {"menu"}, {"highscores", "highscore_panel"}},
        {"quit", kPropertyExitToState, kStateQuitToWindows, {"menu"}, {}},
    };
    for (const auto& step : steps) {
        gui_->pushSignal(step.signal);
        // Long enough for every slide of any transition to end.
        for (int frame = 0; frame < 100; ++frame) gui_->update(0.1f, nullptr, 0);
        ASSERT_FALSE(gui_->busy()) << step.signal;
        if (step.property) {
            EXPECT_EQ(gui_->getProperty(step.property), step.value) << step.signal;
        }
        for (const char* name : step.shown) {
            EXPECT_TRUE(gui_->findWindow(name)->visible()) << step.signal << " " << name;
        }
        for (const char* name : step.hidden) {
            EXPECT_FALSE(gui_->findWindow(name)->visible()) << step.signal << " " << name;
        }
    }
}

// Expects the same window elements, class and name, in the same tree.
void expectSameWindows(const TiXmlElement* shipped, const TiXmlElement* saved) {
    for (; shipped && saved; shipped = shipped->NextSiblingElement(), saved = saved->NextSiblingElement()) {
        const std::string name = shipped->Attribute(kAttributeName);
        EXPECT_EQ(name, saved->Attribute(kAttributeName));
        EXPECT_STRCASEEQ(shipped->Attribute(kAttributeClass), saved->Attribute(kAttributeClass)) << name;
        expectSameWindows(shipped->FirstChildElement(), saved->FirstChildElement());
    }
    EXPECT_TRUE(!shipped && !saved) << "the saved document has other windows";
}

// What the layout editor saves holds every window of the shipped document under its own
// class, the game's own classes included, and reads back without a word of complaint.
TEST_F(ShippedGui, SavesEveryWindowUnderItsClass) {
    std::unique_ptr<TiXmlDocument> saved(gui_->toXml());
    TiXmlDocument shipped;
    ASSERT_TRUE(shipped.LoadFile(kDocument));
    const char* windows = kSectionWindows;
    expectSameWindows(shipped.RootElement()->FirstChildElement(windows)->FirstChildElement(),
                      saved->RootElement()->FirstChildElement(windows)->FirstChildElement());

    TempFolder folder;
    const std::string file = folder.file("saved.xml");
    ASSERT_TRUE(saved->SaveFile(file.c_str()));
    EditableGui reloaded(gui_->width(), gui_->height());
    LogCapture log;
    ASSERT_TRUE(reloaded.load(file.c_str()));
    EXPECT_TRUE(log.lines().empty()) << log.all();
    EXPECT_EQ(reloaded.transitions().size(), gui_->transitions().size());
}

}  // namespace
