#include "gui/KeyBindings.h"

#include <SDL/SDL_keysym.h>

#include "core/MessageCatalogue.h"
#include "gui/InputEvent.h"
#include "gui/KeyNames.h"

namespace nimbus {

namespace {

// The four arrow keys, as the hints name them together.
constexpr const char* kArrowsName = translatable("Arrows");
constexpr const char* kRollsName = "rolls";
constexpr const char* kRollsSeparator = "/";
// The rolls as "{rolls}" lists them, the order of W, A, S and D.
constexpr int32_t kRollsListed[] = {kInputRollUp, kInputRollLeft, kInputRollDown, kInputRollRight};

bool mayShare(int32_t a, int32_t b) {
    return (a == kInputBack && b == kInputQuit) || (a == kInputQuit && b == kInputBack);
}

bool isMenuKey(int32_t key) { return key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_TAB; }

const char* shownName(int32_t key) {
    const char* name = keyName(key);
    return name ? name : "";
}

}  // namespace

KeyBindings::Choice KeyBindings::bind(int32_t action, int32_t key, int32_t* holder) {
    if (isMenuKey(key)) return Choice::kMenuKey;
    if (!keyName(key)) return Choice::kUnnamed;
    const int32_t other = holderOf(key, action);
    if (other != kNoInputAction) {
        if (holder) *holder = other;
        return Choice::kTaken;
    }
    keys_[action] = key;
    return Choice::kBound;
}

bool KeyBindings::consistent() const {
    for (int32_t action = 0; action < kInputCount; ++action) {
        const int32_t key = keys_[action];
        if (isMenuKey(key) || !keyName(key) || holderOf(key, action) != kNoInputAction) return false;
    }
    return true;
}

void KeyBindings::restoreDefaults() {
    for (int32_t action = 0; action < kInputCount; ++action) keys_[action] = kInputActions[action].defaultKey;
}

int32_t KeyBindings::holderOf(int32_t key, int32_t action) const {
    for (int32_t other = 0; other < kInputCount; ++other) {
        if (other != action && keys_[other] == key && !mayShare(action, other)) return other;
    }
    return kNoInputAction;
}

bool KeyBindings::matches(const InputEvent& event, int32_t action) const {
    if (event.type != InputEvent::Key) return false;
    if (event.action != kNoInputAction) return event.action == action;
    return event.key == keys_[action];
}

bool KeyBindings::pressed(const InputEvent& event, int32_t action) const {
    return event.pressed && matches(event, action);
}

std::string KeyBindings::fill(const std::string& text) const {
    std::string filled;
    size_t from = 0;
    for (size_t open; (open = text.find('{', from)) != std::string::npos;) {
        const size_t close = text.find('}', open);
        if (close == std::string::npos) break;
        filled.append(text, from, open - from);
        from = close + 1;
        const std::string name = text.substr(open + 1, close - open - 1);
        const int32_t action = inputActionNamed(name.c_str());
        if (action != kNoInputAction)
            filled += shownName(keys_[action]);
        else if (name == kRollsName)
            filled += rollsText();
        else
            filled.append(text, open, from - open);
    }
    filled.append(text, from, std::string::npos);
    return filled;
}

std::string KeyBindings::rollsText() const {
    if (keys_[kInputRollUp] == SDLK_UP && keys_[kInputRollLeft] == SDLK_LEFT &&
        keys_[kInputRollDown] == SDLK_DOWN && keys_[kInputRollRight] == SDLK_RIGHT)
        return translated(kArrowsName);
    std::string text;
    for (int32_t roll : kRollsListed) {
        if (!text.empty()) text += kRollsSeparator;
        text += shownName(keys_[roll]);
    }
    return text;
}

bool KeyBindings::operator==(const KeyBindings& other) const {
    for (int32_t action = 0; action < kInputCount; ++action) {
        if (keys_[action] != other.keys_[action]) return false;
    }
    return true;
}

}  // namespace nimbus
