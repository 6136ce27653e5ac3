#include "game/states/HideGameState.h"

#include "game/rules/GameImpl.h"
#include "game/states/FrontendState.h"
#include "game/states/GameOverState.h"
#include "game/states/LevelCompleteState.h"
#include "game/states/LevelEditorState.h"
#include "game/states/LevelsState.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/windows/Window.h"

namespace nimbus {

HideGameState::HideGameState(std::unique_ptr<GameImpl> game) : game_(std::move(game)) {}

HideGameState::~HideGameState() = default;

void HideGameState::enter(GameStateInfo&) {}

GenericState* HideGameState::update(float dt, GameStateInfo& info) {
    standardFrame(dt, info);
    Gui& gui = *info.gui;
    const Window* view = gui.findWindow(gameView(info));
    if (view && view->visible()) return this;
    GenericState* next = nullptr;
    if (exitTo(gui, kStateEditor))
        next = new LevelEditorState;
    else if (exitTo(gui, kStateLevelComplete))
        next = new LevelCompleteState;
    else if (exitTo(gui, kStateFrontend))
        next = new FrontendState;
    else if (exitTo(gui, kStateGameOver))
        next = new GameOverState;
    else if (exitTo(gui, kStateLevels))
        next = new LevelsState;
    if (!next) return this;
    clearExit(gui);
    return next;
}

void HideGameState::drawUnderGui(GameStateInfo& info, const Camera& camera) {
    if (game_) drawGameView(*game_, info, camera);
}

}  // namespace nimbus
