#include "gui/windows/RoundedPane.h"

#include <tinyxml.h>

#include "core/Log.h"
#include "core/ResourceManager.h"
#include "gui/AttributeFormat.h"
#include "gui/GuiNames.h"
#include "gui/windows/Quads.h"

namespace nimbus {

RoundedPane::RoundedPane(const WindowAttributes& attributes, float radius, const Color& color)
    : Window(attributes),
      radius_(radius),
      color_(color),
      circle_(getResource<Texture>(kCircleTextureName, kTextureTypeName)) {}

Window* RoundedPane::create(const TiXmlElement* element, Gui&) {
    WindowAttributes attributes;
    if (!parseWindowAttributes(element, attributes)) return nullptr;
    double radius = 0.0;
    if (element->QueryDoubleAttribute(kAttributeRadius, &radius) != TIXML_SUCCESS) {
        LOG_ERROR("Missing radius attribute");
        return nullptr;
    }
    Color color(1, 1, 1, 1);
    readColorAttribute(*element, kAttributeColor, color);
    return new RoundedPane(attributes, static_cast<float>(radius), color);
}

TiXmlElement& RoundedPane::toXml(TiXmlElement& element) const {
    writeXml(element, kClassRoundedPane);
    writeFloatAttribute(element, kAttributeRadius, radius_);
    writeColorAttribute(element, kAttributeColor, color_);
    return element;
}

void RoundedPane::draw(const Camera&, ScreenspaceRenderer& renderer, float, const Vector2& parentAbsolute,
                       Gui&) {
    const Vector2 centre = parentAbsolute + position(), half = size() * 0.5f;
    addRoundedRectangle(renderer, circle_, centre - half, centre + half, radius_, color_);
}

}  // namespace nimbus
