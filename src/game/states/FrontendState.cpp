#include "game/states/FrontendState.h"

#include <SDL/SDL_keysym.h>

#include "core/Log.h"
#include "game/GameNames.h"
#include "game/states/PlayingState.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/windows/Window.h"
#include "sound/SoundStartup.h"

namespace nimbus {

bool FrontendState::enter(GameStateInfo& info) {
    requestMusic(*info.music, kMusicMenu);
    info.levelIndex = 0;
    info.stats.reset();
    return true;
}

GenericState* FrontendState::update(float dt, GameStateInfo& info) {
    Gui& gui = *info.gui;
    pollEvents(info);
    escapeFromOptions(gui);
    updateServices(dt, info);
    drawFrame(info, true);
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

void FrontendState::escapeFromOptions(Gui& gui) {
    const Window* options = gui.findWindow(kWindowOptions);
    if (!options || !options->visible()) return;
    // The GUI would end the game on the release as well as on the press.
    for (int32_t i = 0; i < eventCount(); ++i) {
        InputEvent& event = events()[i];
        if (event.type != InputEvent::Key || event.key != SDLK_ESCAPE) continue;
        if (event.pressed) gui.pushSignal(kSignalOptionsBack);
        event.type = InputEvent::None;
    }
}

}  // namespace nimbus
