#include "game/states/FrontendState.h"

#include "core/Log.h"
#include "game/GameNames.h"
#include "game/states/DemoState.h"
#include "game/states/LevelsState.h"
#include "game/states/PlayingState.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/windows/Window.h"
#include "sound/SoundStartup.h"

namespace nimbus {

namespace {

// The screens the Back key leaves, with the signal that leaves each, the Keys screen
// before the options it lies on.
struct BackSignal {
    const char* window;
    const char* signal;
};

constexpr BackSignal kBackSignals[] = {
    {kWindowKeys, kSignalKeysBack},
    {kWindowOptions, kSignalOptionsBack},
};

bool anyInput(const InputEvent* events, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        if (events[i].type != InputEvent::None) return true;
    }
    return false;
}

}  // namespace

FrontendState::FrontendState() = default;

FrontendState::~FrontendState() = default;

void FrontendState::enter(GameStateInfo& info) {
    requestMusic(*info.music, kMusicMenu);
    info.levelIndex = 0;
    info.practice = false;
    info.ownLevels = false;
    info.ownLevel.clear();
    info.stats.reset();
    // Wherever the player comes from, the menu is there (already, mostly).
    info.gui->pushSignal(kSignalShowMenu);
}

GenericState* FrontendState::update(float dt, GameStateInfo& info) {
    Gui& gui = *info.gui;
    pollEvents(info);
    // Before the GUI, which marks the events it takes as none.
    idle_ = anyInput(events(), eventCount()) ? 0.0f : idle_ + dt;
    backFromScreens(gui);
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
    if (exitTo(gui, kStateLevels)) {
        clearExit(gui);
        return new LevelsState;
    }
    if (exitTo(gui, kStateQuitToWindows)) info.quit = true;
    return demoWhenIdle(info);
}

GenericState* FrontendState::demoWhenIdle(GameStateInfo& info) {
    // Prepared once the player has rested half the time.
    if (!demo_ && demoTries_ < kDemoTries && idle_ >= info.demoAfterSeconds * 0.5f) {
        demo_ = std::make_unique<DemoState>(info);
        ++demoTries_;
    }
    if (!demo_) return this;
    const HintSearch::Status status = demo_->search();
    if (status == HintSearch::Status::kSearching) return this;
    // No win found on that level: another one next frame.
    if (status != HintSearch::Status::kFound) {
        demo_.reset();
        return this;
    }
    const Window* menu = info.gui->findWindow(kWindowMenu);
    if (idle_ < info.demoAfterSeconds || !menu || !menu->visible()) return this;
    return demo_.release();
}

void FrontendState::backFromScreens(Gui& gui) {
    if (gui.keyCapture()) return;
    const BackSignal* back = nullptr;
    for (const BackSignal& screen : kBackSignals) {
        const Window* window = gui.findWindow(screen.window);
        if (window && window->visible()) {
            back = &screen;
            break;
        }
    }
    if (back) escapeTo(gui, back->signal);
}

}  // namespace nimbus
