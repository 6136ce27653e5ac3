#include "gui/windows/Swatch.h"

#include <tinyxml.h>

#include "core/ResourceManager.h"
#include "gui/AttributeFormat.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/InputEvent.h"
#include "gui/KeyboardFocus.h"
#include "gui/windows/Quads.h"
#include "gui/windows/WindowText.h"
#include "render/font/DrawText.h"

namespace nimbus {

namespace {

// The ring round a chosen swatch and the rounding of its corners, as shares of its
// height; the caption's height likewise.
constexpr float kRing = 0.12f;
constexpr float kRounding = 0.2f;
constexpr float kCaptionHeight = 0.36f;
const Color kRingColor{1.0f, 1.0f, 1.0f, 1.0f};
const Color kShade{0.0f, 0.0f, 0.0f, 0.55f};

// Dark letters on a light colour, light ones on a dark colour.
Color captionColor(const Color& fill) {
    const float light = 0.3f * fill.r() + 0.55f * fill.g() + 0.15f * fill.b();
    return light > 0.55f ? Color(0.05f, 0.08f, 0.12f, 1.0f) : Color(1.0f, 1.0f, 1.0f, 1.0f);
}

}  // namespace

Swatch::Swatch(const WindowAttributes& attributes, std::string property, std::string value,
               std::string caption, ResourceHandle<BitmapFont> font, const Color& color)
    : Window(attributes),
      property_(std::move(property)),
      value_(std::move(value)),
      caption_(std::move(caption)),
      font_(font),
      circle_(getResource<Texture>(kCircleTextureName, kTextureTypeName)),
      color_(color) {}

Window* Swatch::create(const TiXmlElement* element, Gui& gui) {
    WindowAttributes attributes;
    if (!parseWindowAttributes(element, attributes)) return nullptr;
    const char* property = requiredAttribute(element, kAttributeProperty);
    const char* value = property ? requiredAttribute(element, kAttributeValue) : nullptr;
    if (!value) return nullptr;
    const char* caption = element->Attribute(kAttributeCaption);
    Color color(1.0f, 1.0f, 1.0f, 1.0f);
    readColorAttribute(*element, kAttributeColor, color);
    return new Swatch(attributes, property, value, caption ? caption : "", gui.getFont(kDefaultFontName),
                      color);
}

TiXmlElement& Swatch::toXml(TiXmlElement& element) const {
    writeXml(element, kClassSwatch);
    element.SetAttribute(kAttributeProperty, property_.c_str());
    element.SetAttribute(kAttributeValue, value_.c_str());
    element.SetAttribute(kAttributeCaption, caption_.c_str());
    writeColorAttribute(element, kAttributeColor, color_);
    return element;
}

void Swatch::update(float, SignalQueue&, Gui& gui, const Vector2&) {
    if (pressed_) gui.setProperty(property_, value_);
    pressed_ = false;
    chosen_ = gui.getProperty(property_) == value_;
}

bool Swatch::onKey(const InputEvent& event, SignalQueue&, Gui& gui) {
    // Offered every key while shown; only the keys that press a focused window choose it.
    if (!KeyboardFocus::isPress(event) || gui.focus() != this) return false;
    gui.setProperty(property_, value_);
    return true;
}

bool Swatch::onMouseButton(const Vector2& pointer, bool pressed, int32_t button, SignalQueue&) {
    if (!pressed || button != InputEvent::kLeftButton || !contains(pointer)) return false;
    pressed_ = true;
    return true;
}

void Swatch::draw(const Camera&, ScreenspaceRenderer& renderer, float, const Vector2& parentAbsolute, Gui&) {
    const Vector2 centre = parentAbsolute + position();
    const Vector2 half = size() * 0.5f;
    const float ring = size().y * kRing;
    const Vector2 inset(ring, ring);
    addRoundedRectangle(renderer, circle_, centre - half, centre + half, size().y * kRounding,
                        chosen_ ? kRingColor : kShade);
    addRoundedRectangle(renderer, circle_, centre - half + inset, centre + half - inset,
                        size().y * kRounding - ring, color_);
    const Color letters = captionColor(color_);
    TextStyle style;
    style.height = size().y * kCaptionHeight;
    style.horizontal = TextAlignment::kCentre;
    style.color = &letters;
    style.translate = true;
    drawWindowText(font_.get(), caption_, style, Vector2(centre.x, centre.y - style.height * 0.35f),
                   renderer);
}

}  // namespace nimbus
