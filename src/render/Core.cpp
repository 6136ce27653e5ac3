#include "render/Core.h"

namespace nimbus {

namespace {
Core* gCore = nullptr;
}  // namespace

Core* core() { return gCore; }

Core* setCore(Core* core) {
    Core* previous = gCore;
    gCore = core;
    return previous;
}

}  // namespace nimbus
