#include "ScreenTour.h"

#include <GL/glew.h>
#include <SDL/SDL.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

#include "FrameCapture.h"
#include "WindowPixel.h"
#include "game/Application.h"
#include "game/GameStateInfo.h"
#include "game/level/LevelCompiler.h"
#include "game/level/LevelSource.h"
#include "game/player/Progress.h"
#include "game/solver/SolutionReplay.h"
#include "game/solver/SolverTurns.h"
#include "game/states/GameInput.h"
#include "gui/EditableGui.h"
#include "gui/GuiNames.h"
#include "render/ViewSize.h"

namespace nimbus {

namespace {

constexpr float kStep = kFrameSeconds;
// Long enough for the slides of any transition of the document (one second each).
constexpr float kSettle = 4.0f;
constexpr float kPlaySeconds = 3.0f;

// GUI points of the shipped document's controls.
struct Point {
    float x, y;
};
constexpr Point kPlay{0.0f, -0.19f};
constexpr Point kLevels{0.0f, -0.34f};
constexpr Point kScores{0.0f, -0.51f};
constexpr Point kNext{0.0f, -0.44f};
constexpr Point kPracticeLevels{0.47f, -0.44f};
constexpr Point kFirstPlan{-0.96f, 0.5f};
constexpr Point kFirstWatch{-0.79f, 0.315f};
constexpr Point kPreviousPage{-0.96f, -0.89f};
constexpr Point kMenu{1.1f, 0.86f};
constexpr Point kOptions{0.0f, -0.66f};
constexpr Point kOptionsBack{0.0f, -0.7f};
constexpr Point kKeys{-0.2f, -0.52f};
constexpr Point kRollLeftRow{-0.56f, 0.21f};
constexpr Point kKeysDefaults{-0.45f, -0.64f};
constexpr Point kKeysBack{0.45f, -0.64f};
constexpr Point kMiddle{0.0f, 0.0f};
// The Levels screen's swap to the player's levels and its New level, and the level
// editor's controls.
constexpr Point kOwnLevels{-0.98f, 0.85f};
constexpr Point kNewLevel{0.98f, 0.85f};
constexpr Point kEditorBlueSwatch{-1.2f, 0.62f};
constexpr Point kEditorProveButton{1.055f, 0.14f};
constexpr Point kEditorSaveButton{1.055f, 0.03f};
constexpr Point kEditorTestButton{1.055f, 0.25f};
constexpr Point kEditorTitleField{-0.72f, 0.9f};
constexpr Point kTestBack{1.07f, 0.86f};

class Tour : private ReplayTarget {
public:
    Tour(Application& application, const std::string& out) : app_(application), out_(out) {}

    void run(float seconds) {
        for (int i = 0; i < frames(seconds); ++i) app_.frame(kStep);
    }

    // Frames at the display's pace, for what a worker thread prepares meanwhile.
    void runInRealTime(float seconds) {
        for (int i = 0; i < frames(seconds); ++i) {
            app_.frame(kStep);
            std::this_thread::sleep_for(std::chrono::duration<float>(kStep));
        }
    }

    bool shoot(const char* name) {
        const bool written = writeFramePng((out_ + "/" + name + ".png").c_str(), kViewWidth, kViewHeight);
        if (!written) std::fprintf(stderr, "picture %s not written\n", name);
        return written;
    }

    void press(const Point& p, bool down) {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = windowPixelX(p.x);
        event.motion.y = windowPixelY(p.y);
        SDL_PushEvent(&event);
        event = SDL_Event{};
        event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.button.x = windowPixelX(p.x);
        event.button.y = windowPixelY(p.y);
        SDL_PushEvent(&event);
        app_.frame(kStep);
    }

    void click(const Point& p) {
        press(p, true);
        press(p, false);
    }

    // Holds the left button from one point to the other.
    void drag(const Point& from, const Point& to) {
        press(from, true);
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = windowPixelX(to.x);
        event.motion.y = windowPixelY(to.y);
        SDL_PushEvent(&event);
        app_.frame(kStep);
        press(to, false);
    }

    void key(SDLKey symbol, uint16_t unicode = 0) {
        for (const bool down : {true, false}) {
            pushKey(symbol, down, unicode);
            app_.frame(kStep);
        }
    }

    // The key the player bound to the action.
    void action(int32_t inputAction, uint16_t unicode = 0) {
        key(static_cast<SDLKey>(app_.gui()->keys().key(inputAction)), unicode);
    }

    void type(const char* text) {
        for (const char* c = text; *c; ++c)
            key(static_cast<SDLKey>(*c >= 'A' && *c <= 'Z' ? *c - 'A' + 'a' : *c), *c);
    }

    // From the front end into the level of that index, with its shortest solution ready.
    void startLevel(int index, const std::string& source) {
        app_.stateInfo()->levelIndex = index;
        startLevel(kPlay, source);
    }

    // Into the level the click starts, with the shortest solution of its source ready.
    void startLevel(const Point& start, const std::string& source) {
        LevelSource level;
        std::vector<SolutionStep> steps;
        if (LevelSourceParser::read(source, level)) steps = solveLevel(level).steps;
        replay_ = std::make_unique<SolutionReplay>(steps);
        click(start);
        run(kSettle);
    }

    // Plays on along the solution for the seconds given, keying each turn in.
    void play(float seconds) { replay_->play(*this, frames(seconds)); }

private:
    static int frames(float seconds) { return static_cast<int>(std::lround(seconds / kStep)); }

    static void pushKey(SDLKey symbol, bool down, uint16_t unicode) {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = symbol;
        event.key.keysym.unicode = down ? unicode : 0;
        SDL_PushEvent(&event);
    }

    bool handIn(const SolutionStep& step) override {
        const int32_t action = GameInput::actionFor(kSolverTurns[step.turn].command);
        const auto symbol = static_cast<SDLKey>(app_.gui()->keys().key(action));
        pushKey(symbol, true, 0);
        pushKey(symbol, false, 0);
        return true;
    }

    bool passFrame() override {
        app_.frame(kStep);
        return false;
    }

    Application& app_;
    std::string out_;
    std::unique_ptr<SolutionReplay> replay_;
};

// The front end, the name typed in, the high scores, the options with the keyboard focus
// on them, and the layout editor over the menu.
bool tourMenus(Tour& tour) {
    bool all = true;
    tour.run(1.0f);
    all = tour.shoot("frontend") && all;
    // Longer than the default name in any language.
    for (int i = 0; i < 12; ++i) tour.key(SDLK_BACKSPACE, 8);
    tour.type("Mira Quill");
    all = tour.shoot("name_entry") && all;
    tour.click(kScores);
    tour.run(kSettle);
    all = tour.shoot("highscores") && all;
    tour.click(kMiddle);
    tour.run(kSettle);
    tour.click(kOptions);
    tour.run(kSettle);
    all = tour.shoot("options") && all;
    tour.key(SDLK_TAB);
    tour.run(0.2f);
    all = tour.shoot("options_focus") && all;
    tour.click(kKeys);
    tour.run(kSettle);
    all = tour.shoot("keys") && all;
    // Left rolls on J for a moment, after a try with a key another roll has.
    tour.click(kRollLeftRow);
    tour.run(0.2f);
    tour.key(SDLK_DOWN);
    tour.run(0.5f);
    all = tour.shoot("keys_taken") && all;
    tour.key(SDLK_j, 'j');
    tour.run(0.2f);
    all = tour.shoot("keys_bound") && all;
    tour.click(kKeysDefaults);
    tour.click(kKeysBack);
    tour.run(kSettle);
    tour.click(kOptionsBack);
    tour.run(kSettle);

    // The player's levels, none yet, and the level editor: a new level, painted with the
    // mouse and the keys, proven, saved and tested.
    tour.click(kLevels);
    tour.run(kSettle);
    tour.click(kOwnLevels);
    tour.run(kSettle);
    all = tour.shoot("levels_own_empty") && all;
    tour.click(kNewLevel);
    tour.run(kSettle);
    all = tour.shoot("editor_new") && all;
    tour.click(kEditorTitleField);
    tour.type("Blue Bridge");
    tour.key(SDLK_RETURN, 13);
    tour.click(kEditorBlueSwatch);
    tour.drag({-0.3f, 0.06f}, {0.3f, 0.06f});
    tour.key(SDLK_RIGHT);
    tour.key(SDLK_DOWN);
    tour.key(SDLK_o, 'o');
    tour.key(SDLK_SPACE, ' ');
    tour.key(SDLK_3, '3');
    tour.key(SDLK_DOWN);
    tour.key(SDLK_SPACE, ' ');
    // A wave from the start's corner: the floor falls away from it.
    tour.key(SDLK_v, 'v');
    tour.key(SDLK_UP);
    tour.key(SDLK_LEFT);
    for (int i = 0; i < 5; ++i) tour.key(SDLK_LEFT);
    tour.key(SDLK_UP);
    tour.key(SDLK_UP);
    tour.key(SDLK_SPACE, ' ');
    tour.run(0.5f);
    all = tour.shoot("editor_painted") && all;
    tour.click(kEditorProveButton);
    tour.runInRealTime(2.0f);
    all = tour.shoot("editor_proven") && all;
    tour.click(kEditorSaveButton);
    tour.run(0.5f);
    all = tour.shoot("editor_saved") && all;
    tour.click(kEditorTestButton);
    tour.run(kSettle);
    all = tour.shoot("editor_test") && all;
    tour.click(kTestBack);
    tour.run(kSettle);
    // Back on the player's levels, the level saved among them; then the menu.
    tour.key(SDLK_ESCAPE, 27);
    tour.run(kSettle);
    all = tour.shoot("levels_own") && all;
    tour.key(SDLK_ESCAPE, 27);
    tour.run(kSettle);

    tour.action(kInputLayoutEditor);
    tour.click(kPlay);
    tour.run(0.2f);
    all = tour.shoot("editor") && all;
    tour.action(kInputLayoutEditor);
    return all;
}

// The first level in play and completed, then back to the menu.
bool tourCompletedLevel(Tour& tour, const std::string& source) {
    bool all = true;
    tour.startLevel(0, source);
    tour.play(kPlaySeconds / 2);
    all = tour.shoot("playing_01") && all;
    tour.play(kPlaySeconds);
    tour.run(kSettle);
    all = tour.shoot("level_complete") && all;
    tour.click(kNext);
    tour.run(kSettle);
    tour.click(kMenu);
    tour.run(kSettle);
    return all;
}

// From the Levels screen, level 01's kept run watched: at twice its pace, then over, with
// the score it recorded; then back to the Levels screen.
bool tourWatch(Tour& tour) {
    bool all = true;
    tour.click(kPreviousPage);
    tour.run(0.5f);
    tour.click(kFirstWatch);
    tour.run(kSettle);
    tour.key(SDLK_2);
    tour.run(0.5f);
    all = tour.shoot("watch") && all;
    tour.key(SDLK_4);
    tour.run(kSettle * 3.0f);
    all = tour.shoot("watch_end") && all;
    tour.action(kInputBack);
    tour.run(kSettle);
    return all;
}

// The Levels screen once more levels have been won, as if played: it opens on the page of
// the furthest, lit, with the levels not reached dimmed; then the first page, from which
// level 01 is practised again, its panel showing the bests beside the run, and its kept
// run watched. Then back to the menu.
bool tourLevels(Tour& tour, Application& application, const std::string& source) {
    bool all = true;
    GameStateInfo& info = *application.stateInfo();
    for (int i = 1; i < 14; ++i)
        info.progress.complete(i, info.levelNames, {900 + 37 * i, 1000 + 311 * i, 10 + i}, "Mira Quill",
                               todaysDate());
    tour.click(kLevels);
    tour.run(kSettle);
    all = tour.shoot("levels_later_page") && all;
    tour.click(kPreviousPage);
    tour.run(0.5f);
    all = tour.shoot("levels_first_page") && all;
    // Once the level has slid in, its number and title are still over it.
    tour.startLevel(kFirstPlan, source);
    all = tour.shoot("level_caption") && all;
    tour.play(2.0f * kPlaySeconds);
    tour.run(kSettle);
    all = tour.shoot("practice_complete") && all;
    tour.click(kPracticeLevels);
    tour.run(kSettle);
    all = tourWatch(tour) && all;
    tour.action(kInputBack);
    tour.run(kSettle);
    return all;
}

// Level 06 with a hint asked for, played on and paused, then back to the menu.
bool tourHintAndPause(Tour& tour, const std::string& source) {
    bool all = true;
    tour.startLevel(5, source);
    tour.action(kInputHint);
    tour.runInRealTime(1.0f);
    all = tour.shoot("hint") && all;
    tour.play(kPlaySeconds);
    all = tour.shoot("playing_06") && all;
    tour.action(kInputPause, ' ');
    tour.run(0.2f);
    all = tour.shoot("paused") && all;
    tour.action(kInputPause, ' ');
    tour.click(kMenu);
    tour.run(kSettle);
    return all;
}

// Level 20 until the last life is lost, the table with the new entry, then the demo.
bool tourGameOver(Tour& tour, Application& application, const std::string& source) {
    bool all = true;
    tour.startLevel(19, source);
    tour.play(kPlaySeconds);
    all = tour.shoot("playing_20") && all;
    // The last life lost: the board freezes under the game-over text.
    application.stateInfo()->stats->lives = 0;
    tour.run(0.5f);
    all = tour.shoot("game_over") && all;
    tour.press(kMiddle, true);
    tour.run(0.2f);
    tour.press(kMiddle, false);
    tour.run(kSettle);
    all = tour.shoot("highscores_new_entry") && all;
    tour.click(kMiddle);
    application.stateInfo()->demoAfterSeconds = 2.0f;
    tour.runInRealTime(kSettle + 6.0f);
    all = tour.shoot("demo") && all;
    return all;
}

}  // namespace

bool tourScreens(Application& application, const std::string& levelSources, const std::string& outputFolder) {
    Tour tour(application, outputFolder);
    const auto level = [&](const char* name) { return levelSources + "/" + name + ".level"; };
    // Every part runs, whatever the one before wrote.
    bool all = tourMenus(tour);
    all = tourCompletedLevel(tour, level("01")) && all;
    all = tourLevels(tour, application, level("01")) && all;
    all = tourHintAndPause(tour, level("06")) && all;
    return tourGameOver(tour, application, level("20")) && all;
}

}  // namespace nimbus
