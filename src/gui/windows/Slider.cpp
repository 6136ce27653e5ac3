#include "gui/windows/Slider.h"

#include <SDL/SDL_keysym.h>
#include <tinyxml.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/Log.h"
#include "core/ResourceManager.h"
#include "gui/AttributeFormat.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/InputEvent.h"
#include "gui/windows/Quads.h"

namespace nimbus {

namespace {

// The attribute as a number; a missing one leaves the default.
void readNumber(const TiXmlElement& element, const char* name, float& value) {
    double number = value;
    element.QueryDoubleAttribute(name, &number);
    value = static_cast<float>(number);
}

}  // namespace

Slider::Slider(const WindowAttributes& attributes, std::string property, const Range& range,
               const Color& color, const Color& glow)
    : Window(attributes),
      property_(std::move(property)),
      range_(range),
      color_(color),
      glow_(glow),
      circle_(getResource<Texture>(kCircleTextureName, kTextureTypeName)),
      value_(range.min) {}

Window* Slider::create(const TiXmlElement* element, Gui&) {
    WindowAttributes attributes;
    if (!parseWindowAttributes(element, attributes)) return nullptr;
    const char* property = requiredAttribute(element, kAttributeProperty);
    if (!property) return nullptr;
    Range range;
    readNumber(*element, kAttributeMin, range.min);
    readNumber(*element, kAttributeMax, range.max);
    readNumber(*element, kAttributeStep, range.step);
    if (!(range.max > range.min)) {
        LOG_ERROR("Slider range is empty");
        return nullptr;
    }
    Color color = kDefaultColor, glow = kDefaultGlow;
    readColorAttribute(*element, kAttributeColor, color);
    readColorAttribute(*element, kAttributeGlow, glow);
    return new Slider(attributes, property, range, color, glow);
}

TiXmlElement& Slider::toXml(TiXmlElement& element) const {
    writeXml(element, kClassSlider);
    element.SetAttribute(kAttributeProperty, property_.c_str());
    writeFloatAttribute(element, kAttributeMin, range_.min);
    writeFloatAttribute(element, kAttributeMax, range_.max);
    writeFloatAttribute(element, kAttributeStep, range_.step);
    writeColorAttribute(element, kAttributeColor, color_);
    writeColorAttribute(element, kAttributeGlow, glow_);
    return element;
}

void Slider::update(float, SignalQueue&, Gui& gui, const Vector2& pointer) {
    const std::string& text = gui.getProperty(property_);
    char* end = nullptr;
    const float held = std::strtof(text.c_str(), &end);
    if (!text.empty() && *end == '\0' && std::isfinite(held))
        value_ = std::clamp(held, range_.min, range_.max);
    if (pressed_) setValue(valueAt(pressX_), gui);
    pressed_ = false;
    if (dragging_) setValue(valueAt(pointer.x), gui);
}

bool Slider::onKey(const InputEvent& event, SignalQueue&, Gui& gui) {
    // Offered every key while shown; the arrows are its own only while it has the focus.
    if ((event.key != SDLK_LEFT && event.key != SDLK_RIGHT) || gui.focus() != this) return false;
    // The release of a key the slider stepped on is its own too.
    if (event.pressed) setValue(value_ + (event.key == SDLK_RIGHT ? range_.step : -range_.step), gui);
    return true;
}

bool Slider::onMouseButton(const Vector2& pointer, bool pressed, int32_t button, SignalQueue&) {
    if (button != InputEvent::kLeftButton) return false;
    if (!pressed) {
        const bool wasDragging = dragging_;
        dragging_ = false;
        return wasDragging;
    }
    if (!contains(pointer)) return false;
    dragging_ = true;
    pressed_ = true;
    pressX_ = pointer.x;
    return true;
}

void Slider::draw(const Camera&, ScreenspaceRenderer& renderer, float, const Vector2& parentAbsolute, Gui&) {
    const Vector2 centre = parentAbsolute + position();
    const float knob = size().y, thickness = knob * kTrackThickness, left = centre.x - travel() / 2;
    const float knobX = left + travel() * (value_ - range_.min) / (range_.max - range_.min);
    const Vector2 trackMin(left - thickness / 2, centre.y - thickness / 2);
    const Vector2 trackMax(centre.x + travel() / 2 + thickness / 2, centre.y + thickness / 2);
    addRoundedRectangle(renderer, circle_, trackMin, trackMax, thickness / 2, color_);
    addRoundedRectangle(renderer, circle_, trackMin, Vector2(knobX, trackMax.y), thickness / 2, glow_);
    const Vector2 half(knob / 2, knob / 2);
    addRoundedRectangle(renderer, circle_, Vector2(knobX, centre.y) - half, Vector2(knobX, centre.y) + half,
                        knob / 2, glow_);
}

void Slider::setValue(float value, Gui& gui) {
    if (range_.step > 0.0f) value = range_.min + std::round((value - range_.min) / range_.step) * range_.step;
    value_ = std::clamp(value, range_.min, range_.max);
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value_));
    gui.setProperty(property_, text);
}

float Slider::valueAt(float x) const {
    const float left = position().x - travel() / 2;
    const float share = travel() > 0.0f ? (x - left) / travel() : 0.0f;
    return range_.min + share * (range_.max - range_.min);
}

float Slider::travel() const { return std::max(size().x - size().y, 0.0f); }

}  // namespace nimbus
