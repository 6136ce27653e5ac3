#pragma once

namespace nimbus {

class GameImpl;
class ScreenspaceRenderer;

// The flat overlay of a level in play, queued on the renderer in GUI coordinates at the
// lower left and top centre of the view: the running pick-up effects (front first),
// each wiped away round the clock as it runs out; one heart per life below them; and,
// while a combo lasts, a disc that empties as its time runs out. Drawn as a glow, then
// as the icons over it.
void drawHud(const GameImpl& game, ScreenspaceRenderer& renderer);

}  // namespace nimbus
