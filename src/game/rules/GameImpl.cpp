#include "game/rules/GameImpl.h"

#include <algorithm>

#include "core/InArchive.h"
#include "core/Log.h"
#include "core/MessageCatalogue.h"
#include "core/ResourceManager.h"
#include "game/rules/BoardFactory.h"
#include "game/rules/LevelMap.h"
#include "game/rules/PlayerStats.h"
#include "game/rules/RunRecording.h"
#include "gui/GuiNames.h"
#include "sound/GameSound.h"
#include "sound/SoundInterface.h"

namespace nimbus {

namespace {

constexpr int32_t kVisitPoints = 50;
constexpr int32_t kGoalPoints = 1000;
constexpr int32_t kMaxMultiplier = 32;
const Position kStartWithoutStartTile{1, 1};

std::unique_ptr<Board> loadLevel(int32_t levelIndex, const std::vector<std::string>& levelNames,
                                 InArchive* archive) {
    if (levelIndex < 0 || static_cast<size_t>(levelIndex) >= levelNames.size()) {
        LOG_ERROR("There is no level " << levelIndex << " among " << levelNames.size() << " levels");
        return nullptr;
    }
    const std::string& name = levelNames[levelIndex];
    std::unique_ptr<Board> board(archive ? BoardFactory().loadLevel(*archive, name) : nullptr);
    if (!board) LOG_ERROR("Level " << name << " could not be loaded");
    return board;
}

// The roll direction of a command, or -1 for none.
Direction directionOf(const GameCommand& command, const Position& die) {
    switch (command.kind) {
        case kCommandRollPlusY:
            return 3;
        case kCommandRollMinusY:
            return 2;
        case kCommandRollMinusX:
            return 0;
        case kCommandRollPlusX:
            return 1;
        case kCommandRollToCell: {
            const Position cell(command.x, command.y);
            if (manhattanDistance(cell, die) != 1) return -1;
            if (cell.x > die.x) return 1;
            if (cell.x < die.x) return 0;
            return cell.y > die.y ? 3 : 2;
        }
        default:
            return -1;
    }
}

// A copy of the board with its drawing resources; none without a board.
std::unique_ptr<Board> drawable(const Board* board) {
    if (!board) return nullptr;
    auto copy = std::make_unique<Board>(*board);
    copy->fetchResources();
    return copy;
}

}  // namespace

GameImpl::GameImpl(std::unique_ptr<SoundInterface> sound, PlayerStats* stats, int32_t levelIndex,
                   std::unique_ptr<Board> loadedBoard)
    : sound_(std::move(sound)),
      stats_(stats),
      levelIndex_(levelIndex),
      loadedBoard_(std::move(loadedBoard)),
      texts_(getResource<BitmapFont>(kDefaultFontResource, kFontTypeName)),
      backdrop_(getResource<Texture>("Textures/backdrop", "Texture")),
      hudIcons_(getResource<Texture>("Textures/hud_icons", "Texture")),
      hudIconsGlow_(getResource<Texture>("Textures/hud_icons_glow", "Texture")) {
    restart();
}

GameImpl::GameImpl(std::unique_ptr<SoundInterface> sound, PlayerStats* stats, int32_t levelIndex,
                   const std::vector<std::string>& levelNames, InArchive* archive)
    : GameImpl(std::move(sound), stats, levelIndex, loadLevel(levelIndex, levelNames, archive)) {}

GameImpl::GameImpl(const GameSound& sound, PlayerStats* stats, int32_t levelIndex,
                   const std::vector<std::string>& levelNames)
    : GameImpl(std::make_unique<GameSound>(sound), stats, levelIndex, levelNames, inArchive()) {}

GameImpl::GameImpl(const GameSound& sound, PlayerStats* stats, const Board* board)
    : GameImpl(std::make_unique<GameSound>(sound), stats, 0, drawable(board)) {}

GameImpl::~GameImpl() = default;

bool GameImpl::levelFailed() const { return stats_->lives <= 0; }

void GameImpl::restart() {
    levelClock_ = 0.0f;
    commands_ = 0;
    Position start = kStartWithoutStartTile;
    if (loadedBoard_) {
        board_ = std::make_unique<Board>(*loadedBoard_);
        board_->findStart(start);
    }
    die_ = std::make_unique<GameDice>(start);
    die_->fetchResources();
}

void GameImpl::loseLife() {
    stats_->lives -= 1;
    sound_->play("Death");
    restart();
}

void GameImpl::record(RunRecording* recording) {
    recording_ = recording;
    if (recording_) recording_->begin(loadedBoard_ ? levelHash(*loadedBoard_) : 0, *stats_);
}

bool GameImpl::execute(const GameCommand& command) {
    // A command that is not consumed changed nothing, and is handed in again.
    const bool consumed = carryOut(command);
    if (consumed && recording_) recording_->command(command);
    return consumed;
}

bool GameImpl::carryOut(const GameCommand& command) {
    switch (command.kind) {
        case kCommandNothing:
            return true;
        case kCommandTwist0:
        case kCommandTwist1: {
            const bool accepted = die_->twist(command.kind == kCommandTwist0 ? 0 : 1);
            if (!accepted) return false;
            sound_->play("Twist");
            ++commands_;
            return true;
        }
        case kCommandTogglePause:
            paused_ = !paused_;
            return true;
        case kCommandRestart:
            // Only a running level can be lost.
            if (board_ && !paused_ && !complete_) loseLife();
            return true;
        default:
            break;
    }
    const int32_t oldScore = stats_->score;
    const int32_t oldMultiplier = stats_->multiplier;
    if (!move(directionOf(command, die_->position()))) return false;
    spawnChangeTexts(oldScore, oldMultiplier);
    return true;
}

bool GameImpl::move(Direction direction) {
    const Position target = die_->position().stepped(direction);
    // The board is never read outside its cells: a level without a closed ring of
    // unenterable tiles simply refuses the step off its edge.
    const bool allowed = board_ && direction >= 0 && direction < 4 && board_->contains(target) &&
                         colorsMatch(board_->tileAt(target).color, die_->face(direction)) &&
                         !board_->isFallen(target, levelClock_);
    if (!allowed) {
        sound_->play("Failed");
        return true;
    }
    if (!die_->roll(direction)) return false;
    sound_->play("Move");
    ++commands_;
    visit(die_->position());
    return true;
}

void GameImpl::visit(const Position& cell) {
    Tile& tile = board_->tileAt(cell);
    if (tile.visited) return;
    stats_->score += stats_->multiplier * kVisitPoints;
    stats_->comboTimer = PlayerStats::kComboSeconds;
    stats_->multiplier = std::min(stats_->multiplier * 2, kMaxMultiplier);
    tile.visited = true;
    if (tile.pickup == kPickupNone) return;
    std::unique_ptr<GameAction> action(createAction(tile.pickup, *sound_));
    tile.pickup = kPickupNone;
    if (!action) return;
    action->begin(*this);
    texts_.spawn(translated(action->text()), 1.0f, overDie(1.5f), {0.0f, 0.0f}, 5.0f);
    if (action->progress() < 1.0f) actions_.push_back(std::move(action));
}

void GameImpl::spawnChangeTexts(int32_t oldScore, int32_t oldMultiplier) {
    if (stats_->score > oldScore) {
        texts_.spawn(std::to_string(stats_->score - oldScore), 2.0f, overDie(1.5f), {0.0f, 0.2f}, 1.0f);
    }
    if (stats_->multiplier != oldMultiplier) {
        texts_.spawn("X" + std::to_string(stats_->multiplier) + "!", 1.0f, overDie(0.0f), {0.0f, 0.0f}, 5.0f);
    }
}

void GameImpl::takePoints(int32_t points) {
    if (recording_) recording_->pointsTaken(points);
    const int32_t taken = std::min(points, stats_->score);
    stats_->score -= taken;
    if (taken > 0) texts_.spawn("-" + std::to_string(taken), 2.0f, overDie(1.5f), {0.0f, 0.2f}, 1.0f);
}

void GameImpl::announce(const std::string& text) {
    texts_.spawn(text, 3.0f, overDie(2.0f), {0.0f, 0.1f}, 1.0f);
}

Vector3 GameImpl::overDie(float height) const {
    const Position p = die_->position();
    return {p.x + 0.5f, height, p.y + 0.5f};
}

float GameImpl::runActions(float dt) {
    if (actions_.empty()) return dt;
    const float step = actions_.front()->update(*this, dt);
    if (actions_.front()->progress() >= 1.0f) {
        actions_.pop_front();
        if (!actions_.empty()) actions_.front()->begin(*this);
    }
    return step;
}

bool GameImpl::update(float dt) {
    if (complete_) return true;
    if (paused_ || !board_) return false;
    if (recording_) recording_->step(dt);
    levelClock_ += runActions(dt);
    const Position cell = die_->position();
    // A die started off the board (a level without a Start tile, smaller than 2 × 2)
    // stands on nothing: no goal, no crumbling.
    const bool onBoard = board_->contains(cell);
    if (onBoard && board_->tileAt(cell).color == kGoal) {
        stats_->score += kGoalPoints;
        sound_->play("EndLevel");
        complete_ = true;
        return true;
    }
    die_->update(dt);
    texts_.update(dt);
    stats_->comboTimer -= dt;
    if (stats_->comboTimer < 0.0f) stats_->multiplier = 1;
    if (onBoard && board_->isFallen(cell, levelClock_)) loseLife();
    sound_->update();
    return false;
}

}  // namespace nimbus
