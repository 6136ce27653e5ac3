#include "gui/windows/PropertyText.h"

#include <tinyxml.h>

#include "gui/AttributeFormat.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/windows/Button.h"
#include "gui/windows/WindowText.h"
#include "render/font/DrawText.h"

namespace nimbus {

PropertyText::PropertyText(const WindowAttributes& attributes, std::string property,
                           ResourceHandle<BitmapFont> font, const Color& color, const Color& glow,
                           bool centred)
    : Window(attributes),
      property_(std::move(property)),
      font_(font),
      color_(color),
      glow_(glow),
      centred_(centred) {}

Window* PropertyText::create(const TiXmlElement* element, Gui& gui) {
    WindowAttributes attributes;
    if (!parseWindowAttributes(element, attributes)) return nullptr;
    const char* property = requiredAttribute(element, kAttributeProperty);
    if (!property) return nullptr;
    Color color = Button::kDefaultColor, glow = Button::kDefaultGlow;
    readColorAttribute(*element, kAttributeColor, color);
    readColorAttribute(*element, kAttributeGlow, glow);
    const char* align = element->Attribute(kAttributeAlign);
    return new PropertyText(attributes, property, gui.getFont(kDefaultFontName), color, glow,
                            align && std::string(align) == kAlignCentre);
}

TiXmlElement& PropertyText::toXml(TiXmlElement& element) const {
    writeXml(element, kClassPropertyText);
    element.SetAttribute(kAttributeProperty, property_.c_str());
    element.SetAttribute(kAttributeFont, kDefaultFontName);
    writeColorAttribute(element, kAttributeColor, color_);
    writeColorAttribute(element, kAttributeGlow, glow_);
    if (centred_) element.SetAttribute(kAttributeAlign, kAlignCentre);
    return element;
}

void PropertyText::draw(const Camera&, ScreenspaceRenderer& renderer, float, const Vector2& parentAbsolute,
                        Gui& gui) {
    const Vector2 centre = parentAbsolute + position();
    TextStyle style;
    style.height = size().y;
    style.horizontal = centred_ ? TextAlignment::kCentre : TextAlignment::kLeft;
    style.color = &color_;
    style.glow = &glow_;
    style.glowAdds = true;
    style.fitWidth = size().x;
    drawWindowText(font_.get(), gui.getProperty(property_), style,
                   Vector2(centred_ ? centre.x : centre.x - size().x / 2, centre.y), renderer);
}

}  // namespace nimbus
