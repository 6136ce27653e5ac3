#pragma once

namespace nimbus {

class GameDice;
class GameImpl;
class ScreenspaceRenderer;
struct Camera;
struct Vector2;

// One frame of a level in play, into the game window between the corners given (GUI
// coordinates), everything cut to the window: the drifting backdrop, then the board,
// the die and its arrows seen through `camera`, which is moved to follow the die, as
// far from it as keeps the board framed, and whose placement is stored in the game for
// pointer picking; then the floating texts and the HUD. The flat parts are queued on
// the renderer for the GUI's flush. A paused game is shown dimmed; a hidden one shows
// no die, arrows or HUD. Reads the game and changes nothing of it but the stored camera
// placement. A ghost's die, when given, is drawn see-through where it stands.
void drawGame(GameImpl& game, const Vector2& lowerLeft, const Vector2& upperRight, Camera& camera,
              ScreenspaceRenderer& renderer, const GameDice* ghost = nullptr);

}  // namespace nimbus
