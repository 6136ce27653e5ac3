#include "PlayerView.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "Desktop.h"
#include "WindowPixel.h"
#include "game/level/LevelCompiler.h"
#include "game/level/LevelSource.h"
#include "game/solver/SolutionReplay.h"
#include "game/solver/SolverTurns.h"
#include "game/states/GameInput.h"
#include "gui/KeyNames.h"

namespace player {

namespace {

// Pairs of points on a screen's buttons: a screen is seen when both are its blue. Each pair
// lies where no other screen, at rest or sliding away to the left, shows its blue: right
// of the options' buttons for the menu, above the menu's buttons (for one of two) for the
// options.
constexpr Place kPlayButtonRight{0.25f, -0.19f};
constexpr Place kLevelsButtonRight{0.25f, -0.34f};
// Right of the Levels button's centre, beyond the arcade panel's Next button.
constexpr Place kPracticeLevelsButtonRight{0.75f, -0.44f};
constexpr Place kFullscreenButtonTop{-0.45f, 0.15f};
constexpr Place kFullscreenButtonBottom{-0.45f, 0.06f};
constexpr Place kLevelsBackButton{0.0f, -0.89f};
constexpr Place kLevelsBackButtonLeft{-0.18f, -0.89f};
// The Levels screen's page of plans: its first plan's centre, the steps to the next
// column and row, and around a plan's centre the rectangles of its map and its best.
constexpr Place kFirstPlan{-0.96f, 0.5f};
constexpr Place kPlanStep{0.64f, -0.5f};
constexpr int kPlanColumns = 4;
constexpr float kPlanMap[4] = {-0.26f, -0.13f, 0.26f, 0.1f};
constexpr float kPlanBest[4] = {-0.26f, -0.22f, 0.26f, -0.15f};
// Right of the caption of a plan's Edit button, from the plan's centre.
constexpr Place kPlanEditRight{0.24f, 0.165f};
// Right of the captions of the level editor's Undo and Back buttons; the middle of its
// board, where a new level's 9 by 7 cells lie a square of kEditorCell apart.
constexpr Place kEditorUndoRight{1.25f, 0.76f};
constexpr Place kEditorBackRight{1.25f, -0.6f};
constexpr Place kEditorBoardCentre{-0.025f, 0.06f};
constexpr float kEditorCell = 0.174f;
// The centres of the rounded frames (0.7 wide or more) of the buttons the menus are known
// by, whose rows run through the captions' letters.
constexpr Place kPlayFrame{0.0f, -0.16f};
constexpr Place kFullscreenFrame{-0.15f, 0.1f};
constexpr Place kNextFrame{0.0f, -0.42f};
constexpr Place kLevelsBackFrame{0.0f, -0.87f};
constexpr Place kKeysDefaultsFrame{-0.45f, -0.62f};
// Either side of a frame's centre, the last points of its own blue: beyond them its
// rounded ends blend with the panel, which lets the moving backdrop through.
constexpr float kFrameInside = 0.3f;
constexpr float kSmallFrameInside = 0.18f;
// Beyond every menu's panel: only the backdrop.
constexpr float kBackdropSide = 0.9f;
constexpr Place kKeysDefaultsLeft{-0.7f, -0.64f};
constexpr Place kKeysBackRight{0.7f, -0.64f};
// The Keys screen's rows: the first of each column, and the step down to the next.
constexpr Place kFirstKeyRows[2] = {{-0.56f, 0.45f}, {0.56f, 0.45f}};
constexpr float kKeyRowStep = 0.12f;
constexpr int kKeyRowsPerColumn = 7;
constexpr Place kMusicTwoThirds{0.3f, 0.42f};
constexpr Place kScorePanel{-0.85f, -0.5f};
constexpr Place kScorePanelRight{0.85f, 0.5f};
// Beside the captions of the Pause and Menu buttons over a level: the right end of the
// screen, which the game view covers last as it slides in.
constexpr Place kPausePane{0.8f, 0.9f};
constexpr Place kMenuPane{1.27f, 0.9f};
constexpr float kSeventhRow[4] = {-0.78f, -0.36f, -0.2f, -0.27f};
// The hearts of the HUD: the first one's centre and the step between them.
constexpr Place kFirstHeart{-1.17f, -0.82f};
constexpr float kHeartStep = 0.176f;

// Keys reach the game through xdotool and the X server: each turn's key goes a quarter
// of a second after the die is due to take it, so that the key before has surely been
// taken (a key pressed while the die turns replaces the one waiting).
constexpr int kKeyLateFrames = 15;

// A player at the desktop's keys, in real time.
class KeyboardPlayer final : public nimbus::ReplayTarget {
public:
    KeyboardPlayer(Desktop& desktop, const nimbus::KeyBindings& keys) : desktop_(desktop), keys_(keys) {}

    bool handIn(const nimbus::SolutionStep& step) override {
        const int32_t action = nimbus::GameInput::actionFor(nimbus::kSolverTurns[step.turn].command);
        desktop_.key(nimbus::keyXName(keys_.key(action)));
        return true;
    }

    bool passFrame() override {
        usleep(static_cast<useconds_t>(nimbus::kFrameSeconds * 1e6f));
        return false;
    }

private:
    Desktop& desktop_;
    const nimbus::KeyBindings& keys_;
};

int channel(unsigned color, int shift) { return static_cast<int>(color >> shift & 255); }

// The blue of the menus' buttons.
bool isButtonBlue(unsigned color) {
    return std::abs(channel(color, 16) - 0x2f) < 40 && std::abs(channel(color, 8) - 0x6f) < 40 &&
           std::abs(channel(color, 0) - 0xd0) < 40;
}

// The dark blue of the high-score panel and of the panes over a level.
bool isPanelNavy(unsigned color) {
    return channel(color, 16) < 60 && channel(color, 8) < 70 && channel(color, 0) < 90 &&
           channel(color, 0) > channel(color, 16) + 10;
}

// The pink of the HUD's hearts.
bool isHeartPink(unsigned color) {
    return channel(color, 16) > 0xd0 && channel(color, 16) - channel(color, 8) > 0x40 &&
           channel(color, 0) > channel(color, 8);
}

bool shows(Desktop& desktop, Place a, Place b, bool (*test)(unsigned)) {
    return test(desktop.pixel(a.x, a.y)) && test(desktop.pixel(b.x, b.y));
}

// Between two looks at the row through the frame's caption: the button is there, and it
// kept every pixel while the backdrop moved.
bool stoodStill(const std::vector<unsigned>& before, const std::vector<unsigned>& now, Place frame,
                float inside) {
    const size_t left = static_cast<size_t>(nimbus::windowPixelX(frame.x - inside));
    const size_t right = static_cast<size_t>(nimbus::windowPixelX(frame.x + inside));
    const size_t sideLeft = static_cast<size_t>(nimbus::windowPixelX(-kBackdropSide));
    const size_t sideRight = static_cast<size_t>(nimbus::windowPixelX(kBackdropSide));
    if (now.size() != before.size() || now.size() <= sideRight) return false;
    if (!isButtonBlue(now[left]) || !isButtonBlue(now[right])) return false;
    bool backdropMoved = false;
    for (size_t x = 0; x < now.size(); ++x) {
        if (now[x] == before[x]) continue;
        if (x >= left && x <= right) return false;
        if (x < sideLeft || x > sideRight) backdropMoved = true;
    }
    return backdropMoved;
}

bool menuReady(Desktop& desktop, Place frame, float inside = kFrameInside) {
    std::vector<unsigned> before;
    return waitFor(kWait, [&] {
        std::vector<unsigned> now = desktop.rowColours(frame.y);
        const bool still = stoodStill(before, now, frame, inside);
        before = std::move(now);
        return still;
    });
}

bool levelShown(Desktop& desktop) { return shows(desktop, kPausePane, kMenuPane, isPanelNavy); }

}  // namespace

bool frontEndShown(Desktop& desktop) {
    return shows(desktop, kPlayButtonRight, kLevelsButtonRight, isButtonBlue);
}

bool levelsShown(Desktop& desktop) {
    return shows(desktop, kLevelsBackButton, kLevelsBackButtonLeft, isButtonBlue);
}

Place planAt(int slot) {
    return {kFirstPlan.x + kPlanStep.x * static_cast<float>(slot % kPlanColumns),
            kFirstPlan.y + kPlanStep.y * static_cast<float>(slot / kPlanColumns)};
}

int planMapLight(Desktop& desktop, int slot) {
    const Place p = planAt(slot);
    return desktop.brightPixels(p.x + kPlanMap[0], p.y + kPlanMap[1], p.x + kPlanMap[2], p.y + kPlanMap[3],
                                150);
}

int planBestLight(Desktop& desktop, int slot) {
    const Place p = planAt(slot);
    return desktop.brightPixels(p.x + kPlanBest[0], p.y + kPlanBest[1], p.x + kPlanBest[2],
                                p.y + kPlanBest[3], 120);
}

Place editorCell(int x, int y) {
    return {kEditorBoardCentre.x + kEditorCell * (static_cast<float>(x) - 4.0f),
            kEditorBoardCentre.y - kEditorCell * (static_cast<float>(y) - 3.0f)};
}

bool editorShown(Desktop& desktop) {
    return shows(desktop, kEditorUndoRight, kEditorBackRight, isButtonBlue);
}

bool editButtonShown(Desktop& desktop, int slot) {
    const Place p = planAt(slot);
    return isButtonBlue(desktop.pixel(p.x + kPlanEditRight.x, p.y + kPlanEditRight.y));
}

bool practiceCompleteShown(Desktop& desktop) {
    return shows(desktop, kPracticeLevelsButton, kPracticeLevelsButtonRight, isButtonBlue);
}

bool optionsShown(Desktop& desktop) {
    return shows(desktop, kFullscreenButtonTop, kFullscreenButtonBottom, isButtonBlue);
}

bool frontEndReady(Desktop& desktop) { return menuReady(desktop, kPlayFrame); }

bool optionsReady(Desktop& desktop) { return menuReady(desktop, kFullscreenFrame); }

bool levelCompleteReady(Desktop& desktop) { return menuReady(desktop, kNextFrame); }

bool levelsReady(Desktop& desktop) { return menuReady(desktop, kLevelsBackFrame, kSmallFrameInside); }

bool keysReady(Desktop& desktop) { return menuReady(desktop, kKeysDefaultsFrame, kSmallFrameInside); }

bool scoresShown(Desktop& desktop) { return shows(desktop, kScorePanel, kScorePanelRight, isPanelNavy); }

bool keysShown(Desktop& desktop) { return shows(desktop, kKeysDefaultsLeft, kKeysBackRight, isButtonBlue); }

Place keyRow(int32_t action) {
    const Place& first = kFirstKeyRows[action / kKeyRowsPerColumn];
    return {first.x, first.y - kKeyRowStep * static_cast<float>(action % kKeyRowsPerColumn)};
}

bool musicAboveTwoThirds(Desktop& desktop) {
    return isButtonBlue(desktop.pixel(kMusicTwoThirds.x, kMusicTwoThirds.y));
}

bool seventhRowShown(Desktop& desktop) {
    return desktop.brightPixels(kSeventhRow[0], kSeventhRow[1], kSeventhRow[2], kSeventhRow[3], 150) > 20;
}

bool heartShown(Desktop& desktop, int life) {
    return isHeartPink(desktop.pixel(kFirstHeart.x + kHeartStep * static_cast<float>(life), kFirstHeart.y));
}

bool levelArrives(Desktop& desktop) {
    return waitFor(kWait, [&] { return levelShown(desktop); });
}

bool playFrom(Desktop& desktop, Place place, bool (*screenShown)(Desktop&)) {
    return waitFor(kWait, [&] {
        if (screenShown(desktop)) desktop.click(place.x, place.y);
        return waitFor(1.0f, [&] { return levelShown(desktop); });
    });
}

bool playFromMenu(Desktop& desktop) { return playFrom(desktop, kPlayButton, frontEndShown); }

bool clickUntil(Desktop& desktop, Place place, bool (*shown)(Desktop&)) {
    return waitFor(kWait, [&] {
        desktop.click(place.x, place.y);
        return waitFor(1.0f, [&] { return shown(desktop); });
    });
}

bool playSolution(Desktop& desktop, const std::string& levelSource, int turns,
                  const nimbus::KeyBindings& keys) {
    nimbus::LevelSource level;
    if (!nimbus::LevelSourceParser::read(levelSource, level)) return false;
    std::vector<nimbus::SolutionStep> steps = nimbus::solveLevel(level).steps;
    if (turns >= 0 && static_cast<size_t>(turns) < steps.size()) steps.resize(static_cast<size_t>(turns));
    KeyboardPlayer player(desktop, keys);
    nimbus::SolutionReplay replay(steps, kKeyLateFrames);
    while (!replay.finished()) replay.play(player, 1);
    return true;
}

}  // namespace player
