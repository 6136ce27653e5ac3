#include "gui/KeyNames.h"

#include <SDL/SDL_keysym.h>

#include <vector>

#include "gui/NoCase.h"

namespace nimbus {

namespace {

struct KeyName {
    int32_t key;
    std::string name;
    std::string xName;
};

struct FixedKeyName {
    SDLKey key;
    const char* name;
    const char* xName;
};

// Every named key but the runs below (letters, digits, function keys, keypad digits).
constexpr FixedKeyName kFixedNames[] = {
    {SDLK_UP, "Up", "Up"},
    {SDLK_DOWN, "Down", "Down"},
    {SDLK_LEFT, "Left", "Left"},
    {SDLK_RIGHT, "Right", "Right"},
    {SDLK_SPACE, "Space", "space"},
    {SDLK_RETURN, "Enter", "Return"},
    {SDLK_TAB, "Tab", "Tab"},
    {SDLK_BACKSPACE, "Backspace", "BackSpace"},
    {SDLK_ESCAPE, "Escape", "Escape"},
    {SDLK_INSERT, "Insert", "Insert"},
    {SDLK_DELETE, "Delete", "Delete"},
    {SDLK_HOME, "Home", "Home"},
    {SDLK_END, "End", "End"},
    {SDLK_PAGEUP, "Page Up", "Prior"},
    {SDLK_PAGEDOWN, "Page Down", "Next"},
    {SDLK_LSHIFT, "Left Shift", "Shift_L"},
    {SDLK_RSHIFT, "Right Shift", "Shift_R"},
    {SDLK_LCTRL, "Left Ctrl", "Control_L"},
    {SDLK_RCTRL, "Right Ctrl", "Control_R"},
    {SDLK_LALT, "Left Alt", "Alt_L"},
    {SDLK_RALT, "Right Alt", "Alt_R"},
    {SDLK_COMMA, ",", "comma"},
    {SDLK_PERIOD, ".", "period"},
    {SDLK_SLASH, "/", "slash"},
    {SDLK_SEMICOLON, ";", "semicolon"},
    {SDLK_QUOTE, "'", "apostrophe"},
    {SDLK_LEFTBRACKET, "[", "bracketleft"},
    {SDLK_RIGHTBRACKET, "]", "bracketright"},
    {SDLK_BACKSLASH, "\\", "backslash"},
    {SDLK_MINUS, "-", "minus"},
    {SDLK_EQUALS, "=", "equal"},
    {SDLK_BACKQUOTE, "`", "grave"},
    {SDLK_KP_PERIOD, "Keypad .", "KP_Decimal"},
    {SDLK_KP_DIVIDE, "Keypad /", "KP_Divide"},
    {SDLK_KP_MULTIPLY, "Keypad *", "KP_Multiply"},
    {SDLK_KP_MINUS, "Keypad -", "KP_Subtract"},
    {SDLK_KP_PLUS, "Keypad +", "KP_Add"},
    {SDLK_KP_ENTER, "Keypad Enter", "KP_Enter"},
};

constexpr int kFunctionKeys = SDLK_F15 - SDLK_F1 + 1;

std::vector<KeyName> allNames() {
    std::vector<KeyName> names;
    for (char c = 'a'; c <= 'z'; ++c) {
        names.push_back({c, std::string(1, static_cast<char>(c - 'a' + 'A')), std::string(1, c)});
    }
    for (char c = '0'; c <= '9'; ++c) {
        names.push_back({c, std::string(1, c), std::string(1, c)});
        names.push_back({SDLK_KP0 + (c - '0'), std::string("Keypad ") + c, std::string("KP_") + c});
    }
    for (int i = 1; i <= kFunctionKeys; ++i) {
        const std::string name = "F" + std::to_string(i);
        names.push_back({SDLK_F1 + i - 1, name, name});
    }
    for (const FixedKeyName& fixed : kFixedNames) names.push_back({fixed.key, fixed.name, fixed.xName});
    return names;
}

const std::vector<KeyName>& names() {
    static const std::vector<KeyName> all = allNames();
    return all;
}

const KeyName* entryOf(int32_t key) {
    for (const KeyName& entry : names()) {
        if (entry.key == key) return &entry;
    }
    return nullptr;
}

}  // namespace

const char* keyName(int32_t key) {
    const KeyName* entry = entryOf(key);
    return entry ? entry->name.c_str() : nullptr;
}

int32_t keyNamed(const std::string& name) {
    for (const KeyName& entry : names()) {
        if (equalsNoCase(entry.name.c_str(), name.c_str())) return entry.key;
    }
    return -1;
}

const char* keyXName(int32_t key) {
    const KeyName* entry = entryOf(key);
    return entry ? entry->xName.c_str() : nullptr;
}

}  // namespace nimbus
