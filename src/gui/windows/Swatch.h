#pragma once

#include <string>

#include "core/ResourceHandle.h"
#include "core/math/Color.h"
#include "gui/windows/Window.h"
#include "render/Texture.h"
#include "render/font/BitmapFont.h"

namespace nimbus {

// One choice of a palette: a rounded square of its colour with a short caption on it,
// ringed while its property holds its value. A left press on it, or Enter or Space while
// it has the keyboard focus, puts the value into the property (pressed choices of one
// palette share the property, so one of them is ringed at a time).
class Swatch : public Window {
public:
    Swatch(const WindowAttributes& attributes, std::string property, std::string value, std::string caption,
           ResourceHandle<BitmapFont> font, const Color& color);
    // "property" and "value" (required), "caption", "color".
    static Window* create(const TiXmlElement* element, Gui& gui);

    TiXmlElement& toXml(TiXmlElement& element) const override;
    bool clipsChildren() const override { return false; }
    void update(float dt, SignalQueue& signals, Gui& gui, const Vector2& pointer) override;
    bool onKey(const InputEvent& event, SignalQueue& signals, Gui& gui) override;
    bool focusable() const override { return true; }
    bool onMouseButton(const Vector2& pointer, bool pressed, int32_t button, SignalQueue& signals) override;
    void draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
              const Vector2& parentAbsolute, Gui& gui) override;

    bool chosen() const { return chosen_; }

private:
    std::string property_;
    std::string value_;
    std::string caption_;
    ResourceHandle<BitmapFont> font_;
    ResourceHandle<Texture> circle_;
    Color color_;
    bool chosen_ = false;
    bool pressed_ = false;
};

}  // namespace nimbus
