#include "gui/KeyboardFocus.h"

#include <SDL/SDL_keysym.h>

#include <algorithm>
#include <cmath>

#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "gui/GuiNames.h"
#include "gui/InputEvent.h"
#include "gui/windows/Quads.h"
#include "gui/windows/Window.h"
#include "render/Texture.h"

namespace nimbus {

namespace {

struct FocusKey {
    int key;
    int step;
};

constexpr FocusKey kFocusKeys[] = {
    {SDLK_TAB, 1}, {SDLK_DOWN, 1}, {SDLK_RIGHT, 1}, {SDLK_UP, -1}, {SDLK_LEFT, -1},
};

// A bright blue light behind the focused window and its frame, showing as a rim around
// them in the rounded shape of the menus' button frames.
const Color kGlowColor(0.35f, 0.8f, 1.0f, 0.95f);
constexpr float kGlowRim = 0.03f;
// Rounding that a frame's size may carry from the document.
constexpr float kFrameSlack = 1e-4f;

// The focusable windows in document order, a window before its children; a window that
// is hidden or takes no input hides its whole tree.
void collect(Window& window, std::vector<Window*>& order) {
    if (!window.visible() || !window.inputEnabled()) return;
    if (window.focusable()) order.push_back(&window);
    for (int32_t i = 0; i < window.childCount(); ++i) collect(*window.child(i), order);
}

std::vector<Window*> focusOrder(const std::vector<Window*>& windows) {
    std::vector<Window*> order;
    for (Window* window : windows) collect(*window, order);
    return order;
}

// Whether the window is in the focus order of `windows`, found without building the
// order: the focus is asked for every frame.
bool inFocusOrder(const Window& window, const std::vector<Window*>& windows) {
    if (!window.focusable()) return false;
    const Window* top = &window;
    for (const Window* up = &window; up; up = up->parent()) {
        if (!up->visible() || !up->inputEnabled()) return false;
        top = up;
    }
    return std::find(windows.begin(), windows.end(), top) != windows.end();
}

}  // namespace

int KeyboardFocus::stepOf(const InputEvent& event) {
    if (event.type != InputEvent::Key || !event.pressed) return 0;
    for (const FocusKey& focusKey : kFocusKeys) {
        if (focusKey.key != event.key) continue;
        const bool backTab = event.key == SDLK_TAB && (event.modifiers & KMOD_SHIFT);
        return backTab ? -focusKey.step : focusKey.step;
    }
    return 0;
}

bool KeyboardFocus::isPress(const InputEvent& event) {
    if (event.type != InputEvent::Key || !event.pressed) return false;
    return event.key == SDLK_RETURN || event.key == SDLK_KP_ENTER || event.key == SDLK_SPACE;
}

Window* KeyboardFocus::current(const std::vector<Window*>& windows) const {
    if (!enabled_ || !focused_) return nullptr;
    return inFocusOrder(*focused_, windows) ? focused_ : nullptr;
}

bool KeyboardFocus::take(const std::vector<Window*>& windows, const InputEvent& event) {
    const int step = stepOf(event);
    if (!enabled_ || step == 0) return false;
    const std::vector<Window*> order = focusOrder(windows);
    const auto count = static_cast<int>(order.size());
    if (count == 0) {
        focused_ = nullptr;
        return false;
    }
    const auto found = std::find(order.begin(), order.end(), focused_);
    int next = step > 0 ? 0 : count - 1;
    if (found != order.end()) next = (static_cast<int>(found - order.begin()) + step + count) % count;
    focused_ = order[static_cast<size_t>(next)];
    return true;
}

const Window* KeyboardFocus::glowHost(const std::vector<Window*>& windows) const {
    const Window* host = current(windows);
    if (!host) return nullptr;
    const Vector2 reach = host->size() * 0.5f + Vector2(kGlowRim, kGlowRim);
    const Vector2 centre = host->absolutePosition();
    for (const Window* frame = host->parent(); frame; frame = frame->parent()) {
        const Vector2 half = frame->size() * 0.5f;
        const Vector2 offset = frame->absolutePosition() - centre;
        if (std::fabs(offset.x) + half.x > reach.x + kFrameSlack ||
            std::fabs(offset.y) + half.y > reach.y + kFrameSlack)
            break;
        host = frame;
    }
    return host;
}

void KeyboardFocus::drawGlow(const Window& host, const Vector2& absolute, ScreenspaceRenderer& renderer) {
    const Vector2 half = host.size() * 0.5f + Vector2(kGlowRim, kGlowRim);
    addRoundedRectangle(renderer, getResource<Texture>(kCircleTextureName, kTextureTypeName), absolute - half,
                        absolute + half, std::min(half.x, half.y), kGlowColor);
}

}  // namespace nimbus
