#include <SDL/SDL.h>

#include <cstdlib>
#include <iostream>

#include "core/Log.h"
#include "core/memory/MemoryManager.h"
#include "game/Application.h"
#include "game/launch/GameLaunch.h"
#include "game/launch/ReplayCheck.h"
#include "game/scene/ColorSymbols.h"
#include "game/solver/SearchThread.h"

using nimbus::Application;
using nimbus::GameLaunch;

int main(int argc, char** argv) {
    GameLaunch launch(std::getenv, GameLaunch::executableDirectory());
    const int answered = launch.prepare(argc - 1, argv + 1, std::cout, std::cerr);
    if (answered >= 0) return answered;
    // Without a log every error goes to the error stream as one line.
    if (!launch.replayToCheck().empty())
        return nimbus::checkReplay(launch.replayToCheck(), launch.dataDirectory(), std::cout);
    nimbus::initLog();
    nimbus::showColorSymbols(launch.symbols());
    auto* application = new Application(launch.fullscreen(), launch.dataDirectory(), launch.highScorePlace());
    if (!launch.screenChosen()) application->followScreenSetting();
    Application::setInstance(application);
    application->setDemoAfter(launch.demoAfterSeconds());
    application->setSystemLanguage(launch.language().code);
    const bool started = application->run();
    Application::setInstance(nullptr);
    delete application;
    // The application shuts the windowing library down once it started it; a start that
    // failed earlier may still have touched it.
    SDL_Quit();
    nimbus::SearchThread::awaitAll();
    delete nimbus::Log::setInstance(nullptr);
    nimbus::shutdownMemoryManager();
    return started ? 0 : 1;
}
