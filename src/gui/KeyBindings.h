#pragma once

#include <cstdint>
#include <string>

#include "gui/InputActions.h"

namespace nimbus {

struct InputEvent;

// The key each action has (InputActions.h), as the player chose them on the Keys screen.
// No two actions share a key, but Back and Quit, which share Escape from the start: where
// there is a screen to go back from, the key goes back, elsewhere it quits. Enter and Tab
// work the menus and go to no action; every key an action gets has a name (KeyNames.h).
class KeyBindings {
public:
    enum class Choice { kBound, kTaken, kMenuKey, kUnnamed };

    // Every action on its default key.
    KeyBindings() { restoreDefaults(); }

    int32_t key(int32_t action) const { return keys_[action]; }
    // Gives the action the key, unless another action has it (kTaken, with that action
    // in `holder`), the menus need it (kMenuKey) or it has no name (kUnnamed).
    Choice bind(int32_t action, int32_t key, int32_t* holder = nullptr);
    // Gives the action the key, checking nothing: for reading a whole set of bindings,
    // which consistent() then judges.
    void assign(int32_t action, int32_t key) { keys_[action] = key; }
    // Whether no two actions share a key that may not, and every key is one bind takes.
    bool consistent() const;
    void restoreDefaults();

    // Whether the event is the action's key, pressed or let go, or the gamepad control
    // that stands for the action (InputEvent::action).
    bool matches(const InputEvent& event, int32_t action) const;
    // Whether the event presses the action's key or its pad control.
    bool pressed(const InputEvent& event, int32_t action) const;

    // The text with each "{name}" of an action replaced by the name of its key, and
    // "{rolls}" by "Arrows" while the rolls are on the arrows, else by their four keys
    // (up, left, down, right). Braces that name nothing stay as they are.
    std::string fill(const std::string& text) const;

    bool operator==(const KeyBindings& other) const;
    bool operator!=(const KeyBindings& other) const { return !(*this == other); }

private:
    // The action other than `action` that has the key and may not share it; kNoInputAction
    // for none.
    int32_t holderOf(int32_t key, int32_t action) const;
    // What "{rolls}" stands for.
    std::string rollsText() const;

    int32_t keys_[kInputCount];
};

}  // namespace nimbus
