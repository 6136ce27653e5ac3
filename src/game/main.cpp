#include <cstdio>

#include "core/Log.h"
#include "core/memory/MemoryManager.h"

int main() {
    nimbus::initLog();
    std::printf("nimbus: the game is not built yet.\n");
    delete nimbus::Log::setInstance(nullptr);
    nimbus::shutdownMemoryManager();
    return 0;
}
