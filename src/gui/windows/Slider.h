#pragma once

#include <string>

#include "core/ResourceHandle.h"
#include "core/math/Color.h"
#include "gui/windows/Window.h"
#include "render/Texture.h"

namespace nimbus {

// A value set by dragging a knob along a track, or by stepping it with the left and right
// arrow keys while it has the keyboard focus. The value lives in a property as decimal
// text, from "min" to "max" in steps of "step" counted from "min"; the slider follows the
// property when something else changes it. The track is drawn in "color", the part left
// of the knob and the knob in "glow". A press on the slider moves the knob under the
// pointer, and the knob follows the pointer until the button is released.
class Slider : public Window {
public:
    static constexpr Color kDefaultColor = Color(0.04f, 0.1f, 0.18f, 1.0f);
    static constexpr Color kDefaultGlow = Color(0.18f, 0.44f, 0.82f, 1.0f);
    // The track's thickness, a share of the slider's height (the knob's diameter).
    static constexpr float kTrackThickness = 0.3f;

    struct Range {
        float min = 0.0f;
        float max = 100.0f;
        float step = 1.0f;
    };

    Slider(const WindowAttributes& attributes, std::string property, const Range& range, const Color& color,
           const Color& glow);
    // "property" (required), "min" (default 0), "max" (default 100, above min), "step"
    // (default 1; 0 or less for none), "color", "glow".
    static Window* create(const TiXmlElement* element, Gui& gui);

    TiXmlElement& toXml(TiXmlElement& element) const override;
    bool clipsChildren() const override { return false; }
    void update(float dt, SignalQueue& signals, Gui& gui, const Vector2& pointer) override;
    bool onKey(const InputEvent& event, SignalQueue& signals, Gui& gui) override;
    bool focusable() const override { return true; }
    bool onMouseButton(const Vector2& pointer, bool pressed, int32_t button, SignalQueue& signals) override;
    void draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
              const Vector2& parentAbsolute, Gui& gui) override;

    float value() const { return value_; }

private:
    // Snaps and clamps the value, then writes it to the property.
    void setValue(float value, Gui& gui);
    // The value whose knob sits under x (in the parent's coordinates).
    float valueAt(float x) const;
    // How far the knob's centre can travel: from the left end to the right end.
    float travel() const;

    std::string property_;
    Range range_;
    Color color_;
    Color glow_;
    ResourceHandle<Texture> circle_;
    float value_;
    bool dragging_ = false;
    // Where a press landed, until the next update moves the knob there.
    bool pressed_ = false;
    float pressX_ = 0.0f;
};

}  // namespace nimbus
