#pragma once

#include <string>

#include "core/ResourceHandle.h"
#include "core/math/Color.h"
#include "gui/windows/Window.h"
#include "render/font/BitmapFont.h"

namespace nimbus {

// A caption that swells while the pointer is over it or it has the keyboard focus, and
// sends its action signal on a left press inside it (borders included), or on Enter or
// Space while it has the focus. Greyed while input is disabled.
class Button : public Window {
public:
    static constexpr Color kDefaultColor = Color(0.9f, 1.0f, 0.9f, 1.0f);
    static constexpr Color kDefaultGlow = Color(0.0f, 0.75f, 0.0f, 1.0f);
    // The hovered caption grows by a quarter over half a second.
    static constexpr float kMaxHoverScale = 1.25f;
    static constexpr float kHoverRate = 0.5f;

    Button(const WindowAttributes& attributes, std::string action, std::string caption,
           ResourceHandle<BitmapFont> font, const Color& color, const Color& glow);
    // "caption" (default "undefined"), "action" (required), "color", "glow".
    static Window* create(const TiXmlElement* element, Gui& gui);

    TiXmlElement& toXml(TiXmlElement& element) const override;
    bool clipsChildren() const override { return false; }
    void update(float dt, SignalQueue& signals, Gui& gui, const Vector2& pointer) override;
    void editText(const InputEvent& event) override;
    bool onKey(const InputEvent& event, SignalQueue& signals, Gui& gui) override;
    bool focusable() const override { return true; }
    bool onMouseButton(const Vector2& pointer, bool pressed, int32_t button, SignalQueue& signals) override;
    void draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
              const Vector2& parentAbsolute, Gui& gui) override;

    // The hover scale a frame later, growing while `lit`, shrinking back to 1 otherwise.
    static float swell(float scale, bool lit, float dt);

    const std::string& caption() const { return caption_; }
    float hoverScale() const { return hoverScale_; }

private:
    std::string action_;
    std::string caption_;
    ResourceHandle<BitmapFont> font_;
    Color color_;
    Color glow_;
    float hoverScale_ = 1.0f;
};

}  // namespace nimbus
