#pragma once

namespace nimbus {

class GameImpl;
class ScreenspaceRenderer;
struct Camera;
struct Vector2;

// One frame of a level in play, into the game window whose lower-left corner (GUI
// coordinates) is given: the drifting backdrop (drawn at once), then, cut to the
// window, the board, the die and its arrows seen through `camera`, which is moved to
// follow the die and whose placement is stored in the game for pointer picking; then
// the floating texts and the HUD, queued on the renderer for the GUI's flush. A paused
// game is shown dimmed; a hidden one shows no die, arrows or HUD. `fitAngle` is
// atan(tan(fovy) × aspect) of the camera, how much of the board the view takes in.
// Reads the game and changes nothing of it but the stored camera placement.
void drawGame(GameImpl& game, const Vector2& lowerLeft, Camera& camera, ScreenspaceRenderer& renderer,
              float fitAngle);

}  // namespace nimbus
