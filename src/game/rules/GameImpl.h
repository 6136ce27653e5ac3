#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "core/ResourceHandle.h"
#include "core/math/Transform.h"
#include "game/rules/Board.h"
#include "game/rules/FloatingTextList.h"
#include "game/rules/Game.h"
#include "game/rules/GameAction.h"
#include "game/rules/GameCommand.h"
#include "game/rules/GameDice.h"
#include "render/Texture.h"

namespace nimbus {

class GameSound;
class InArchive;
class SoundInterface;
struct PlayerStats;
struct RunRecording;

// One level being played: the board in play (a fresh copy of the loaded board at every
// start and restart), the die, the queue of running pick-up effects and the floating
// texts, and the rules that tie them together.
//
// How the playing state drives it, once per frame:
//   - hand the oldest queued command to `execute`; drop it when that returns true, keep
//     it for the next frame when it returns false (the die was still turning);
//   - call `update` with the frame's step; true means the level is complete.
// A move may only land a die face on a tile of a matching colour that still stands; a
// refused move plays "Failed" and is consumed. A new tile scores 50 × the multiplier,
// which doubles (up to 32) while new tiles follow each other within 4 s. The level clock
// makes inner tiles crumble; a die on a crumbled tile costs a life and restarts the
// level (score, lives, effects and texts carry over), and so does the player's restart
// while the level runs. Reaching a goal scores 1000.
//
// A level whose map did not load has no board: `loaded()` is false, moves fail and
// `update` does nothing, and the caller should refuse to play it.
class GameImpl : public Game {
public:
    // What a hint costs: a quarter of what reaching the goal scores.
    static constexpr int32_t kHintCost = 250;

    // Plays through `sound` (owned; a recorder in tests) on a copy of `loadedBoard`,
    // which may be null for a level that did not load. `stats` is not owned and must
    // outlive the game.
    GameImpl(std::unique_ptr<SoundInterface> sound, PlayerStats* stats, int32_t levelIndex,
             std::unique_ptr<Board> loadedBoard);
    // Loads level `levelNames[levelIndex]` from "/Levels/<name>/Level.map" of the archive.
    GameImpl(std::unique_ptr<SoundInterface> sound, PlayerStats* stats, int32_t levelIndex,
             const std::vector<std::string>& levelNames, InArchive* archive);
    // The game's usual start: its own initialised copy of the application's sound, the
    // level from the process-wide input archive.
    GameImpl(const GameSound& sound, PlayerStats* stats, int32_t levelIndex,
             const std::vector<std::string>& levelNames);
    // A level that is not the game's (the player's own), on a copy of the application's
    // sound; its drawing resources are fetched here. Not loaded without a board.
    GameImpl(const GameSound& sound, PlayerStats* stats, const Board* board);
    ~GameImpl() override;
    GameImpl(const GameImpl&) = delete;
    GameImpl& operator=(const GameImpl&) = delete;

    // True when the command is consumed, false when it must be handed in again later.
    bool execute(const GameCommand& command);
    // Advances one frame of dt seconds; true once the die stands on a goal tile (the
    // goal is scored once; later calls keep returning true and change nothing).
    bool update(float dt);

    // Keeps the run from here on in `recording` (not owned; null stops recording): every
    // update that runs, every command consumed and every hint's price. Attached as the
    // level starts, the recording plays back into the same level (RunPlayback).
    void record(RunRecording* recording);

    PlayerStats* stats() const override { return stats_; }
    int32_t levelIndex() const { return levelIndex_; }
    bool loaded() const { return loadedBoard_ != nullptr; }
    bool levelComplete() const { return complete_; }
    // The last life is gone; the playing state ends the game.
    bool levelFailed() const;
    bool paused() const { return paused_; }
    bool hidden() const { return hidden_; }
    void setPaused(bool paused) { paused_ = paused; }
    void setHidden(bool hidden) { hidden_ = hidden; }
    float levelClock() const { return levelClock_; }
    // The rolls and twists the die made since the level last started.
    int32_t commands() const { return commands_; }
    Position dieCell() const { return die_->position(); }
    // The board in play; null when the level did not load.
    const Board* board() const { return board_.get(); }
    // The board as the level's map gave it; null when the level did not load.
    const Board* loadedBoard() const { return loadedBoard_.get(); }
    const GameDice& die() const { return *die_; }
    const std::deque<std::unique_ptr<GameAction>>& actions() const { return actions_; }
    const FloatingTextList& floatingTexts() const { return texts_; }

    // Takes points off the score (never below 0) and shows the loss over the die, as a
    // gain is shown.
    void takePoints(int32_t points);
    // A line of text rising over the die for a few seconds.
    void announce(const std::string& text);
    // The roll a hint points out, drawn over the other arrows; -1 for none.
    Direction hintedRoll() const { return hintedRoll_; }
    void setHintedRoll(Direction direction) { hintedRoll_ = direction; }

    // Drawing resources, and the camera the scene was last drawn through (identity
    // before the first frame), which pointer picking reads.
    const ResourceHandle<Texture>& backdrop() const { return backdrop_; }
    const ResourceHandle<Texture>& hudIcons() const { return hudIcons_; }
    const ResourceHandle<Texture>& hudIconsGlow() const { return hudIconsGlow_; }
    const Transform& cameraTransform() const { return cameraTransform_; }
    void setCameraTransform(const Transform& transform) { cameraTransform_ = transform; }

private:
    bool carryOut(const GameCommand& command);
    void restart();
    // A fall, or the player's restart: a life, "Death", and the level from its start.
    void loseLife();
    // Whether the move in the direction was consumed.
    bool move(Direction direction);
    void visit(const Position& cell);
    float runActions(float dt);
    void spawnChangeTexts(int32_t oldScore, int32_t oldMultiplier);
    Vector3 overDie(float height) const;

    std::unique_ptr<SoundInterface> sound_;  // before the effects, which play through it
    PlayerStats* stats_;
    int32_t levelIndex_;
    float levelClock_ = 0.0f;
    int32_t commands_ = 0;
    std::unique_ptr<Board> loadedBoard_;
    std::unique_ptr<Board> board_;
    std::unique_ptr<GameDice> die_;
    bool paused_ = false;
    bool hidden_ = false;
    bool complete_ = false;
    Direction hintedRoll_ = -1;
    std::deque<std::unique_ptr<GameAction>> actions_;
    FloatingTextList texts_;
    ResourceHandle<Texture> backdrop_;
    ResourceHandle<Texture> hudIcons_;
    ResourceHandle<Texture> hudIconsGlow_;
    Transform cameraTransform_;
    RunRecording* recording_ = nullptr;
};

}  // namespace nimbus
