#include "game/scene/ColorSymbols.h"

namespace nimbus {

namespace {

bool shown = false;

}  // namespace

bool colorSymbolsShown() { return shown; }

bool showColorSymbols(bool on) {
    const bool previous = shown;
    shown = on;
    return previous;
}

}  // namespace nimbus
