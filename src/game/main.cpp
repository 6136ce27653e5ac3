#include <SDL/SDL.h>

#include "core/Log.h"
#include "core/memory/MemoryManager.h"
#include "game/Application.h"

using nimbus::Application;

int main(int argc, char** argv) {
    const bool fullscreen = Application::fullscreenRequested(argc, argv);
    nimbus::initLog();
    auto* application = new Application(fullscreen, Application::executableDirectory());
    Application::setInstance(application);
    const bool started = application->run();
    Application::setInstance(nullptr);
    delete application;
    // The application shuts the windowing library down once it started it; a start that
    // failed earlier may still have touched it.
    SDL_Quit();
    delete nimbus::Log::setInstance(nullptr);
    nimbus::shutdownMemoryManager();
    return started ? 0 : 1;
}
