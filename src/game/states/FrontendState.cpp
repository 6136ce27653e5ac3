#include "game/states/FrontendState.h"

#include "core/Log.h"
#include "game/GameNames.h"
#include "game/states/PlayingState.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "sound/SoundStartup.h"

namespace nimbus {

bool FrontendState::enter(GameStateInfo& info) {
    requestMusic(*info.music, kMusicMenu);
    info.levelIndex = 0;
    info.stats.reset();
    return true;
}

GenericState* FrontendState::update(float dt, GameStateInfo& info) {
    standardFrame(dt, info);
    Gui& gui = *info.gui;
    if (exitTo(gui, kStatePlaying)) {
        clearExit(gui);
        if (info.levelNames.empty()) {
            LOG_ERROR("There is no level to play");
            return this;
        }
        info.stats = std::make_unique<PlayerStats>();
        return new PlayingState;
    }
    if (exitTo(gui, kStateQuitToWindows)) info.quit = true;
    return this;
}

}  // namespace nimbus
