#include "gui/windows/KeyButton.h"

#include <SDL/SDL_keysym.h>
#include <tinyxml.h>

#include <cstdio>

#include "core/Log.h"
#include "core/MessageCatalogue.h"
#include "core/ResourceManager.h"
#include "gui/AttributeFormat.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/KeyNames.h"
#include "gui/KeyboardFocus.h"
#include "gui/windows/Button.h"
#include "gui/windows/Quads.h"
#include "gui/windows/WindowText.h"
#include "render/font/DrawText.h"

namespace nimbus {

namespace {

constexpr const char* kWaitingText = "?";
// The key cap's share of the row's width, the captions' heights as shares of the row's,
// and how far below the middle their baselines lie, as shares of their heights.
constexpr float kCapWidth = 0.3f;
constexpr float kCaptionHeight = 0.6f;
constexpr float kCapTextHeight = 0.55f;
constexpr float kBaselineDrop = 0.35f;
const Color kCapText(1.0f, 1.0f, 1.0f, 1.0f);

void drawLine(const BitmapFont* font, const std::string& text, float height, int32_t alignment,
              const Color& color, const Vector2& middle, ScreenspaceRenderer& renderer, bool translate,
              float fitWidth) {
    TextStyle style;
    style.translate = translate;
    style.fitWidth = fitWidth;
    style.height = height;
    style.horizontal = alignment;
    style.color = &color;
    drawWindowText(font, text, style, Vector2(middle.x, middle.y - height * kBaselineDrop), renderer);
}

// The room a caption has in a row of that width: all but the key cap at its largest, and
// a gap of a cap's tenth.
float captionWidth(float rowWidth) { return rowWidth * (1.0f - kCapWidth * (Button::kMaxHoverScale + 0.1f)); }

std::string formatted(const char* format, const char* value) {
    char text[128];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

KeyButton::KeyButton(const WindowAttributes& attributes, int32_t action, ResourceHandle<BitmapFont> font,
                     const Color& color, const Color& glow)
    : Window(attributes),
      action_(action),
      caption_(kInputActions[action].caption),
      font_(font),
      circle_(getResource<Texture>(kCircleTextureName, kTextureTypeName)),
      color_(color),
      glow_(glow) {}

Window* KeyButton::create(const TiXmlElement* element, Gui& gui) {
    WindowAttributes attributes;
    if (!parseWindowAttributes(element, attributes)) return nullptr;
    const char* name = requiredAttribute(element, kAttributeInput);
    if (!name) return nullptr;
    const int32_t action = inputActionNamed(name);
    if (action == kNoInputAction) {
        LOG_ERROR("No action called '" << name << "' to choose a key for");
        return nullptr;
    }
    Color color = Button::kDefaultColor, glow = Button::kDefaultGlow;
    readColorAttribute(*element, kAttributeColor, color);
    readColorAttribute(*element, kAttributeGlow, glow);
    return new KeyButton(attributes, action, gui.getFont(kDefaultFontName), color, glow);
}

TiXmlElement& KeyButton::toXml(TiXmlElement& element) const {
    writeXml(element, kClassKeyButton);
    element.SetAttribute(kAttributeInput, kInputActions[action_].name);
    writeColorAttribute(element, kAttributeColor, color_);
    writeColorAttribute(element, kAttributeGlow, glow_);
    return element;
}

bool KeyButton::waiting(const Gui& gui) const { return gui.keyCapture() == this && endingKey_ == -1; }

void KeyButton::update(float dt, SignalQueue&, Gui& gui, const Vector2& pointer) {
    if (pressed_) startWaiting(gui);
    pressed_ = false;
    // Let go from outside, by a click elsewhere or the screen going: nothing is awaited.
    if (holding_ && !gui.keyCapture()) gui.setProperty(kPropertyKeysMessage, "");
    holding_ = gui.keyCapture() == this;
    if (!holding_) endingKey_ = -1;
    hoverScale_ = Button::swell(hoverScale_, contains(pointer) || gui.focus() == this || waiting(gui), dt);
}

bool KeyButton::onKey(const InputEvent& event, SignalQueue&, Gui& gui) {
    if (gui.keyCapture() == this) {
        choose(event, gui);
        return true;
    }
    if (!KeyboardFocus::isPress(event) || gui.focus() != this) return false;
    startWaiting(gui);
    return true;
}

bool KeyButton::onMouseButton(const Vector2& pointer, bool pressed, int32_t button, SignalQueue&) {
    if (!pressed || button != InputEvent::kLeftButton || !contains(pointer)) return false;
    pressed_ = true;
    return true;
}

void KeyButton::startWaiting(Gui& gui) {
    gui.setKeyCapture(this);
    endingKey_ = -1;
    gui.setProperty(kPropertyKeysMessage, translated(kKeysAskText));
}

void KeyButton::choose(const InputEvent& event, Gui& gui) {
    if (endingKey_ != -1) {
        if (event.pressed || event.key == endingKey_) finish(-1, gui);
        return;
    }
    if (!event.pressed) return;
    if (event.action == kInputBack || event.key == SDLK_ESCAPE) {
        gui.setProperty(kPropertyKeysMessage, "");
        finish(event.action == kNoInputAction ? event.key : -1, gui);
        return;
    }
    // The pad's other controls are no keys to choose.
    if (event.action != kNoInputAction) return;
    int32_t holder = kNoInputAction;
    switch (gui.keys().bind(action_, event.key, &holder)) {
        case KeyBindings::Choice::kBound:
            gui.setProperty(kPropertyKeysMessage, "");
            finish(event.key, gui);
            break;
        case KeyBindings::Choice::kTaken:
            gui.setProperty(kPropertyKeysMessage, formatted(translated(kKeysTakenFormat),
                                                            translated(kInputActions[holder].caption)));
            break;
        case KeyBindings::Choice::kMenuKey:
            gui.setProperty(kPropertyKeysMessage,
                            formatted(translated(kKeysMenuKeyFormat), keyName(event.key)));
            break;
        case KeyBindings::Choice::kUnnamed:
            gui.setProperty(kPropertyKeysMessage, translated(kKeysUnnamedText));
            break;
    }
}

void KeyButton::finish(int32_t key, Gui& gui) {
    endingKey_ = key;
    if (key == -1) gui.setKeyCapture(nullptr);
}

void KeyButton::draw(const Camera&, ScreenspaceRenderer& renderer, float, const Vector2& parentAbsolute,
                     Gui& gui) {
    const Vector2 centre = parentAbsolute + position(), half = size() * 0.5f;
    drawLine(font_.get(), caption_, size().y * kCaptionHeight, TextAlignment::kLeft, color_,
             Vector2(centre.x - half.x, centre.y), renderer, true, captionWidth(size().x));
    const bool waits = waiting(gui);
    // Right-aligned so that even swollen the cap stays on the row.
    const float capHalfWidth = size().x * kCapWidth * 0.5f;
    const Vector2 capCentre(centre.x + half.x - capHalfWidth * Button::kMaxHoverScale, centre.y);
    const Vector2 capHalf = Vector2(capHalfWidth, half.y) * hoverScale_;
    addRoundedRectangle(renderer, circle_, capCentre - capHalf, capCentre + capHalf, capHalf.y,
                        waits ? kWaitingCap : glow_);
    // Key names are short enough to be kept in the string itself, without allocation.
    const char* key = waits ? kWaitingText : keyName(gui.keys().key(action_));
    drawLine(font_.get(), key ? key : "", size().y * kCapTextHeight * hoverScale_, TextAlignment::kCentre,
             kCapText, capCentre, renderer, false, 0.0f);
}

}  // namespace nimbus
