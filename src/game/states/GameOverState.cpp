#include "game/states/GameOverState.h"

#include "game/states/FrontendState.h"
#include "game/windows/PublishHighScores.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"

namespace nimbus {

void GameOverState::enter(GameStateInfo& info) {
    Gui& gui = *info.gui;
    info.highScores.add(gui.getProperty(kPropertyPlayerName), info.stats->score);
    info.highScores.clamp(kTableRows);
    publishHighScores(gui, info.highScores);
    gui.pushSignal(kSignalShowHighScore);
}

GenericState* GameOverState::update(float dt, GameStateInfo& info) {
    standardFrame(dt, info);
    Gui& gui = *info.gui;
    if (!exitTo(gui, kStateFrontend)) return this;
    clearExit(gui);
    return new FrontendState;
}

}  // namespace nimbus
