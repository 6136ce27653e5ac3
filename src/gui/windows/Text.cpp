#include "gui/windows/Text.h"

#include <tinyxml.h>

#include "gui/AttributeFormat.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/windows/Button.h"
#include "gui/windows/WindowText.h"
#include "render/font/DrawText.h"

namespace nimbus {

Text::Text(const WindowAttributes& attributes, std::string message, ResourceHandle<BitmapFont> font,
           const Color& color, const Color& glow)
    : Window(attributes), message_(std::move(message)), font_(font), color_(color), glow_(glow) {}

Window* Text::create(const TiXmlElement* element, Gui& gui) {
    WindowAttributes attributes;
    if (!parseWindowAttributes(element, attributes)) return nullptr;
    const char* message = requiredAttribute(element, kAttributeMessage);
    if (!message) return nullptr;
    Color color = Button::kDefaultColor, glow = Button::kDefaultGlow;
    readColorAttribute(*element, kAttributeColor, color);
    readColorAttribute(*element, kAttributeGlow, glow);
    return new Text(attributes, message, gui.getFont(kDefaultFontName), color, glow);
}

TiXmlElement& Text::toXml(TiXmlElement& element) const {
    writeXml(element, kClassText);
    element.SetAttribute(kAttributeMessage, message_.c_str());
    writeColorAttribute(element, kAttributeColor, color_);
    writeColorAttribute(element, kAttributeGlow, glow_);
    return element;
}

void Text::editText(const InputEvent& event) { typeInto(message_, event); }

void Text::draw(const Camera&, ScreenspaceRenderer& renderer, float, const Vector2& parentAbsolute, Gui&) {
    TextStyle style;
    style.height = size().y;
    style.horizontal = TextAlignment::kCentre;
    style.color = &color_;
    style.glow = &glow_;
    style.glowAdds = true;
    style.fitWidth = size().x;
    style.translate = true;
    drawWindowText(font_.get(), message_, style, parentAbsolute + position(), renderer);
}

}  // namespace nimbus
