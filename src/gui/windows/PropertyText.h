#pragma once

#include <string>

#include "core/ResourceHandle.h"
#include "core/math/Color.h"
#include "gui/windows/Window.h"
#include "render/font/BitmapFont.h"

namespace nimbus {

// Shows a property's current value, left-aligned at the window's left edge (or centred
// in it, for a heading), so the game can put a score or a name on screen by setting a
// property.
class PropertyText : public Window {
public:
    PropertyText(const WindowAttributes& attributes, std::string property, ResourceHandle<BitmapFont> font,
                 const Color& color, const Color& glow, bool centred = false);
    // "property" (required), "color", "glow", "align" ("centre", else left).
    static Window* create(const TiXmlElement* element, Gui& gui);

    TiXmlElement& toXml(TiXmlElement& element) const override;
    bool clipsChildren() const override { return false; }
    void draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
              const Vector2& parentAbsolute, Gui& gui) override;

private:
    std::string property_;
    ResourceHandle<BitmapFont> font_;
    Color color_;
    Color glow_;
    bool centred_;
};

}  // namespace nimbus
