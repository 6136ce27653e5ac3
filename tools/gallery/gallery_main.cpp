// The gallery: nimbus_gallery DATA_DIR LEVEL_SOURCES_DIR OUTPUT_DIR draws the game as
// the player sees it in the 1024 x 768 window and writes each picture as a PNG, for
// people to judge the look: every level at its start and a few seconds into its
// shortest solution (when a tile is falling near the die, if one does), one level
// paused, one with the colour symbols on, in colour and in grey, one played a little
// behind its best run with that run's ghost die ahead, and the menu backdrop. Needs an X display;
// exits 1 when anything fails to load, draw or write.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "FrameCapture.h"
#include "LevelPlayback.h"
#include "SceneData.h"
#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "game/rules/GhostRun.h"
#include "game/rules/RunRecording.h"
#include "game/scene/ColorSymbols.h"
#include "game/scene/GameScene.h"
#include "game/windows/BackgroundWindow.h"
#include "gui/Gui.h"
#include "render/Camera.h"
#include "render/Core.h"
#include "render/Video.h"
#include "render/ViewSize.h"
#include "render/gl/OglScreenspaceRenderer.h"

using namespace nimbus;
namespace fs = std::filesystem;

namespace {

// The moment of the playing picture: the first, from a few seconds in, at which a tile
// near the die is in the first half second of its fall, or the latest.
constexpr float kPlayFrom = 3.0f;
constexpr float kPlayUntil = 8.0f;
constexpr int kNear = 6;
const char* const kPausedLevel = "05";
// A level with all six die colours.
const char* const kSymbolsLevel = "04";
// The level played behind its best run, how far behind, and for how long.
const char* const kGhostLevel = "03";
constexpr int kGhostLeadFrames = 24;
constexpr float kGhostSeconds = 2.5f;

// One frame of the game in a full-screen game window, as the playing state draws it.
bool shootGame(Core& core, GameImpl& game, const std::string& path, bool greyscale = false,
               const GameDice* ghost = nullptr) {
    OglScreenspaceRenderer renderer(core, kViewMax, kViewMin);
    Camera camera = makeStandardCamera();
    core.clear(Color(0, 0, 0, 1));
    drawGame(game, kViewMin, kViewMax, camera, renderer, ghost);
    renderer.flush();
    int32_t width = 0, height = 0;
    core.getSize(width, height);
    return writeFramePng(path.c_str(), width, height, greyscale);
}

// The game with the colour symbols on, in colour and in grey: every die face must still
// be matched to its tiles.
bool shootSymbols(Core& core, GameImpl& game, const fs::path& out, const std::string& name) {
    const bool shown = showColorSymbols(true);
    const bool shot = shootGame(core, game, (out / (name + "_symbols.png")).string()) &&
                      shootGame(core, game, (out / (name + "_symbols_grey.png")).string(), true);
    showColorSymbols(shown);
    return shot;
}

bool tileFallingNearDie(const GameImpl& game) {
    const Board& board = *game.board();
    const Position die = game.dieCell();
    for (int32_t y = die.y - kNear; y <= die.y + kNear; ++y) {
        for (int32_t x = die.x - kNear; x <= die.x + kNear; ++x) {
            const Position cell(x, y);
            if (!board.contains(cell) || !board.isFallen(cell, game.levelClock())) continue;
            const float falling = game.levelClock() - board.fallTime(cell);
            if (falling > 0.15f && falling < 0.45f) return true;
        }
    }
    return false;
}

void playToAFall(LevelPlayback& playback) {
    playback.play(kPlayFrom);
    for (float t = kPlayFrom; t < kPlayUntil && !playback.game().levelComplete(); t += 1.0f / 60) {
        if (tileFallingNearDie(playback.game())) return;
        playback.play(1.0f / 60);
    }
}

// The level played again, each command a little later than its best run, whose ghost die
// is ahead by then.
bool shootGhost(Core& core, const fs::path& source, const fs::path& out) {
    LevelPlayback best, again;
    if (!best.start(source.string()) || !again.start(source.string(), kGhostLeadFrames)) return false;
    RunRecording run;
    best.game().record(&run);
    best.play(kPlayUntil);
    best.game().record(nullptr);
    GhostRun ghost(run, *again.game().loadedBoard());
    again.play(kGhostSeconds);
    ghost.advance(kGhostSeconds);
    return shootGame(core, again.game(), (out / (source.stem().string() + "_ghost.png")).string(), false,
                     &ghost.die());
}

bool shootLevel(Core& core, const fs::path& source, const fs::path& out) {
    const std::string name = source.stem().string();
    LevelPlayback playback;
    if (!playback.start(source.string()) ||
        !shootGame(core, playback.game(), (out / (name + "_start.png")).string()) ||
        (name == kSymbolsLevel && !shootSymbols(core, playback.game(), out, name)) ||
        (name == kGhostLevel && !shootGhost(core, source, out))) {
        return false;
    }
    playToAFall(playback);
    std::printf("%s: playing at level time %.2f s%s\n", name.c_str(), playback.game().levelClock(),
                tileFallingNearDie(playback.game()) ? ", a tile falling" : "");
    if (!shootGame(core, playback.game(), (out / (name + "_play.png")).string())) return false;
    if (name != kPausedLevel) return true;
    playback.game().setPaused(true);
    return shootGame(core, playback.game(), (out / (name + "_paused.png")).string());
}

// The menus' backdrop a few seconds after it appeared, as the GUI draws it full screen.
bool shootBackground(Core& core, const fs::path& out) {
    WindowAttributes attributes;
    attributes.size = kViewMax - kViewMin;
    attributes.visible = true;
    BackgroundWindow window(attributes);
    Gui gui(kViewWidth, kViewHeight);
    SignalQueue signals;
    for (int frame = 0; frame < 4 * 60; ++frame) window.update(1.0f / 60, signals, gui, Vector2());
    OglScreenspaceRenderer renderer(core, kViewMax, kViewMin);
    core.clear(Color(0, 0, 0, 1));
    window.draw(makeStandardCamera(), renderer, kViewAspect, Vector2(), gui);
    renderer.flush();
    int32_t width = 0, height = 0;
    core.getSize(width, height);
    return writeFramePng((out / "menu_background.png").string().c_str(), width, height);
}

bool shootAll(Core& core, const fs::path& data, const fs::path& levels, const fs::path& out) {
    if (!loadSceneData(core, data.string())) return false;
    std::vector<fs::path> sources;
    for (const auto& entry : fs::directory_iterator(levels)) {
        if (entry.path().extension() == ".level") sources.push_back(entry.path());
    }
    std::sort(sources.begin(), sources.end());
    for (const fs::path& source : sources) {
        if (!shootLevel(core, source, out)) return false;
    }
    return shootBackground(core, out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s DATA_DIR LEVEL_SOURCES_DIR OUTPUT_DIR\n", argv[0]);
        return 1;
    }
    std::error_code error;
    fs::create_directories(argv[3], error);
    VideoMode mode;
    bool started = false;
    Core* core = openVideo(mode, started);
    bool shot = false;
    if (core) {
        auto* manager = new ResourceManager();
        setResourceManager(manager);
        setCore(core);
        shot = shootAll(*core, argv[1], argv[2], argv[3]);
        setCore(nullptr);
        setResourceManager(nullptr);
        delete manager;
        delete core;
    }
    if (started) closeVideo();
    return shot ? 0 : 1;
}
