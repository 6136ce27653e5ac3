#include "gui/windows/Button.h"

#include <tinyxml.h>

#include <algorithm>

#include "gui/AttributeFormat.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/KeyboardFocus.h"
#include "gui/windows/WindowText.h"
#include "render/font/DrawText.h"

namespace nimbus {

namespace {

constexpr const char* kDefaultCaption = "undefined";

// Red, green and blue halved: how a button that takes no input looks.
Color greyed(const Color& color) { return Color(color.r() / 2, color.g() / 2, color.b() / 2, color.a()); }

}  // namespace

Button::Button(const WindowAttributes& attributes, std::string action, std::string caption,
               ResourceHandle<BitmapFont> font, const Color& color, const Color& glow)
    : Window(attributes),
      action_(std::move(action)),
      caption_(std::move(caption)),
      font_(font),
      color_(color),
      glow_(glow) {}

Window* Button::create(const TiXmlElement* element, Gui& gui) {
    WindowAttributes attributes;
    if (!parseWindowAttributes(element, attributes)) return nullptr;
    const char* action = requiredAttribute(element, kAttributeAction);
    if (!action) return nullptr;
    const char* caption = element->Attribute(kAttributeCaption);
    Color color = kDefaultColor, glow = kDefaultGlow;
    readColorAttribute(*element, kAttributeColor, color);
    readColorAttribute(*element, kAttributeGlow, glow);
    return new Button(attributes, action, caption ? caption : kDefaultCaption, gui.getFont(kDefaultFontName),
                      color, glow);
}

TiXmlElement& Button::toXml(TiXmlElement& element) const {
    writeXml(element, kClassButton);
    element.SetAttribute(kAttributeCaption, caption_.c_str());
    element.SetAttribute(kAttributeAction, action_.c_str());
    writeColorAttribute(element, kAttributeColor, color_);
    writeColorAttribute(element, kAttributeGlow, glow_);
    return element;
}

float Button::swell(float scale, bool lit, float dt) {
    return lit ? std::min(scale + kHoverRate * dt, kMaxHoverScale) : std::max(scale - kHoverRate * dt, 1.0f);
}

void Button::update(float dt, SignalQueue&, Gui& gui, const Vector2& pointer) {
    hoverScale_ = swell(hoverScale_, contains(pointer) || gui.focus() == this, dt);
}

void Button::editText(const InputEvent& event) { typeInto(caption_, event); }

bool Button::onKey(const InputEvent& event, SignalQueue& signals, Gui& gui) {
    if (!KeyboardFocus::isPress(event) || gui.focus() != this) return false;
    signals.push_back(action_);
    return true;
}

bool Button::onMouseButton(const Vector2& pointer, bool pressed, int32_t button, SignalQueue& signals) {
    if (!pressed || button != InputEvent::kLeftButton || !contains(pointer)) return false;
    signals.push_back(action_);
    return true;
}

void Button::draw(const Camera&, ScreenspaceRenderer& renderer, float, const Vector2& parentAbsolute, Gui&) {
    const Color color = inputEnabled() ? color_ : greyed(color_);
    const Color glow = inputEnabled() ? glow_ : greyed(glow_);
    TextStyle style;
    style.height = size().y * 0.5f * hoverScale_;
    style.horizontal = TextAlignment::kCentre;
    style.color = &color;
    style.glow = &glow;
    style.glowAdds = false;
    // Clear of the rounded ends of the pane a button sits on.
    style.fitWidth = size().x - size().y;
    style.translate = true;
    drawWindowText(font_.get(), caption_, style, parentAbsolute + position(), renderer);
}

}  // namespace nimbus
