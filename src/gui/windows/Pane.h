#pragma once

#include <string>

#include "core/ResourceHandle.h"
#include "gui/windows/Window.h"
#include "render/Texture.h"

namespace nimbus {

// A texture stretched over the window; its children are clipped to it. Without the
// texture the renderer shows only the outline.
class Pane : public Window {
public:
    Pane(const WindowAttributes& attributes, std::string textureName);
    // "texture" (default empty): the resource name of a texture.
    static Window* create(const TiXmlElement* element, Gui& gui);

    TiXmlElement& toXml(TiXmlElement& element) const override;
    bool clipsChildren() const override { return true; }
    void draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
              const Vector2& parentAbsolute, Gui& gui) override;

private:
    std::string textureName_;
    ResourceHandle<Texture> texture_;
};

}  // namespace nimbus
