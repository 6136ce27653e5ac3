#pragma once

namespace nimbus {

// Whether each tile of the six die colours and each face of the die shows its colour's
// symbol as well as the colour, for players who cannot tell the colours apart. Off
// until the player asks for it; one switch for the whole game, read every frame.
bool colorSymbolsShown();
// Turns the symbols on or off for the frames drawn from now on; returns the switch's
// previous state.
bool showColorSymbols(bool on);

}  // namespace nimbus
