#include "PlayerView.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "Desktop.h"
#include "game/level/LevelCompiler.h"
#include "game/level/LevelSource.h"
#include "game/solver/SolutionReplay.h"
#include "game/solver/SolverTurns.h"

namespace player {

namespace {

// Points left of the buttons' centres: a button is seen when both are its blue.
constexpr Place kPlayButtonLeft{-0.25f, -0.34f};
constexpr Place kNextButtonLeft{-0.25f, -0.29f};
constexpr Place kFullscreenButtonLeft{-0.45f, -0.1f};
constexpr Place kSymbolsButtonLeft{-0.45f, -0.25f};
constexpr Place kMusicTwoThirds{0.3f, 0.22f};
constexpr Place kScorePanel{-0.85f, -0.5f};
constexpr Place kScorePanelRight{0.85f, 0.5f};
// Beside the captions of the Pause and Menu buttons over a level: the right end of the
// screen, which the game view covers last as it slides in.
constexpr Place kPausePane{0.8f, 0.9f};
constexpr Place kMenuPane{1.27f, 0.9f};
constexpr float kSeventhRow[4] = {-0.78f, -0.36f, -0.2f, -0.27f};

// Keys reach the game through xdotool and the X server: each turn's key goes a quarter
// of a second after the die is due to take it, so that the key before has surely been
// taken (a key pressed while the die turns replaces the one waiting).
constexpr int kKeyLateFrames = 15;

// A player at the desktop's keys, in real time.
class KeyboardPlayer final : public nimbus::ReplayTarget {
public:
    explicit KeyboardPlayer(Desktop& desktop) : desktop_(desktop) {}

    bool handIn(const nimbus::SolutionStep& step) override {
        desktop_.key(nimbus::kSolverTurns[step.turn].keyName);
        return true;
    }

    bool passFrame() override {
        usleep(static_cast<useconds_t>(nimbus::kFrameSeconds * 1e6f));
        return false;
    }

private:
    Desktop& desktop_;
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

bool shows(Desktop& desktop, Place a, Place b, bool (*test)(unsigned)) {
    return test(desktop.pixel(a.x, a.y)) && test(desktop.pixel(b.x, b.y));
}

}  // namespace

bool frontEndShown(Desktop& desktop) { return shows(desktop, kPlayButton, kPlayButtonLeft, isButtonBlue); }

bool levelCompleteShown(Desktop& desktop) {
    return shows(desktop, kNextButton, kNextButtonLeft, isButtonBlue);
}

bool scoresShown(Desktop& desktop) { return shows(desktop, kScorePanel, kScorePanelRight, isPanelNavy); }

bool optionsShown(Desktop& desktop) {
    return shows(desktop, kFullscreenButtonLeft, kSymbolsButtonLeft, isButtonBlue);
}

bool musicAboveTwoThirds(Desktop& desktop) {
    return isButtonBlue(desktop.pixel(kMusicTwoThirds.x, kMusicTwoThirds.y));
}

bool seventhRowShown(Desktop& desktop) {
    return desktop.brightPixels(kSeventhRow[0], kSeventhRow[1], kSeventhRow[2], kSeventhRow[3], 150) > 20;
}

bool levelArrives(Desktop& desktop) {
    return waitFor(kWait, [&] { return shows(desktop, kPausePane, kMenuPane, isPanelNavy); });
}

bool clickUntil(Desktop& desktop, Place place, bool (*shown)(Desktop&)) {
    return waitFor(kWait, [&] {
        desktop.click(place.x, place.y);
        return waitFor(1.0f, [&] { return shown(desktop); });
    });
}

bool playSolution(Desktop& desktop, const std::string& levelSource, int turns) {
    nimbus::LevelSource level;
    if (!nimbus::LevelSourceParser::read(levelSource, level)) return false;
    std::vector<nimbus::SolutionStep> steps = nimbus::solveLevel(level).steps;
    if (turns >= 0 && static_cast<size_t>(turns) < steps.size()) steps.resize(static_cast<size_t>(turns));
    KeyboardPlayer player(desktop);
    nimbus::SolutionReplay replay(steps, kKeyLateFrames);
    while (!replay.finished()) replay.play(player, 1);
    return true;
}

}  // namespace player
