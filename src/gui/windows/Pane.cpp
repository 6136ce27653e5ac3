#include "gui/windows/Pane.h"

#include <tinyxml.h>

#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "gui/GuiNames.h"
#include "gui/windows/Quads.h"

namespace nimbus {

Pane::Pane(const WindowAttributes& attributes, std::string textureName)
    : Window(attributes),
      textureName_(std::move(textureName)),
      texture_(getResource<Texture>(textureName_.c_str(), kTextureTypeName)) {}

Window* Pane::create(const TiXmlElement* element, Gui&) {
    WindowAttributes attributes;
    if (!parseWindowAttributes(element, attributes)) return nullptr;
    const char* texture = element->Attribute(kAttributeTexture);
    return new Pane(attributes, texture ? texture : "");
}

TiXmlElement& Pane::toXml(TiXmlElement& element) const {
    writeXml(element, kClassPane);
    element.SetAttribute(kAttributeTexture, textureName_.c_str());
    return element;
}

void Pane::draw(const Camera&, ScreenspaceRenderer& renderer, float, const Vector2& parentAbsolute, Gui&) {
    const Vector2 centre = parentAbsolute + position(), half = size() * 0.5f;
    // Texture rows run downwards: the top edge shows the first row.
    const ScreenQuad quad =
        rectangleQuad(centre - half, centre + half, Vector2(0, 1), Vector2(1, 0), Color(1, 1, 1, 1));
    renderer.addQuad(quad, texture_, false);
}

}  // namespace nimbus
