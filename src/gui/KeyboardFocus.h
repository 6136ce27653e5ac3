#pragma once

#include <vector>

namespace nimbus {

class ScreenspaceRenderer;
class Window;
struct InputEvent;
struct Vector2;

// The keyboard focus of the menus: at most one focusable window, shown by a glow around
// it. Tab and the down and right arrows step to the next focusable window in document
// order, Shift+Tab and the up and left arrows to the previous one, wrapping at either
// end. Only windows that are shown and take input, with all their parents, can hold
// it. A focused window whose screen slides away is unlit while it is gone and lit again
// when it comes back, unless the focus moved on meanwhile: a player back in a menu finds
// the button they pressed last.
//
// The focus starts off, and a screen the focus has not been on slides in without it,
// until the first step: so a player who uses the mouse sees the screens as ever, and the
// first Tab or arrow lights the first window (a backward step the last). While the game
// is played the arrows roll the die instead, so the focus keys are switched off then,
// which also unlights the focus until they are on again.
class KeyboardFocus {
public:
    // +1 or -1 for a key press that steps the focus, 0 for other keys and releases.
    static int stepOf(const InputEvent& event);
    // Whether the event presses Enter, the keypad's Enter or Space: the keys that press
    // the focused button, and lead on where a click anywhere does.
    static bool isPress(const InputEvent& event);

    // The focused window while it can still hold the focus, else null.
    Window* current(const std::vector<Window*>& windows) const;
    // Steps the focus among the trees of `windows` for a key that steps it; false, doing
    // nothing, for other keys, while the focus keys are off and when no window is
    // focusable.
    bool take(const std::vector<Window*>& windows, const InputEvent& event);
    // Puts the focus on the window, as if stepped there: lit whenever it can hold it.
    void focusOn(Window* window) { focused_ = window; }
    // On after construction.
    void setEnabled(bool enabled) { enabled_ = enabled; }
    // The window the glow lies behind: the focused window, or the outermost of its
    // parents that frame it closely (no more than the glow's rim bigger on any side), so
    // that the glow shows as a halo around the frame. Null when nothing has the focus.
    const Window* glowHost(const std::vector<Window*>& windows) const;
    // The glow behind a window whose centre is at `absolute`: a rounded light a rim
    // bigger than the window.
    static void drawGlow(const Window& host, const Vector2& absolute, ScreenspaceRenderer& renderer);

private:
    Window* focused_ = nullptr;
    bool enabled_ = true;
};

}  // namespace nimbus
