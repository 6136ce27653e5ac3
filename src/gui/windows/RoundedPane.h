#pragma once

#include "core/ResourceHandle.h"
#include "core/math/Color.h"
#include "gui/windows/Window.h"
#include "render/Texture.h"

namespace nimbus {

// A plain panel of one colour with rounded corners (addRoundedRectangle). Nothing clamps
// the radius; one larger than half the size makes the slices overlap.
class RoundedPane : public Window {
public:
    RoundedPane(const WindowAttributes& attributes, float radius, const Color& color);
    // "radius" (required, a number), "color" (default opaque white).
    static Window* create(const TiXmlElement* element, Gui& gui);

    TiXmlElement& toXml(TiXmlElement& element) const override;
    bool clipsChildren() const override { return false; }
    void draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
              const Vector2& parentAbsolute, Gui& gui) override;

private:
    float radius_;
    Color color_;
    ResourceHandle<Texture> circle_;
};

}  // namespace nimbus
