#pragma once

#include <SDL/SDL_events.h>
#include <SDL/SDL_joystick.h>

namespace nimbus {

struct InputEvent;

// A gamepad plays through the actions and the menu keys the game already knows, so the
// menus and the die answer it without knowing it is there. Its controls set off the
// actions the input table gives them (InputActions.h), whatever keys the player chose for
// them; the d-pad and the left stick are also the arrow keys (they step the menus' focus)
// and the A button is Enter (it presses the focused button).
//
// A pad gives presses only, one per push: the stick counts once it is pushed past half
// way and again only after it came back under a quarter, so it never repeats while held;
// a d-pad held diagonally gives nothing. The keys carry no character, so a pad never
// types into the name field.
class Gamepad {
public:
    Gamepad() = default;
    ~Gamepad() { close(); }
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;

    // Opens the first pad connected; false, quietly, when there is none, since the game
    // plays as well on the keyboard.
    bool open();
    void close();

    // Writes the key press and the action that a joystick event stands for into the
    // record; false for every event that stands for neither. Remembers where the stick
    // stands.
    static bool convert(const SDL_Event& event, InputEvent& record);

private:
    SDL_Joystick* joystick_ = nullptr;
};

}  // namespace nimbus
