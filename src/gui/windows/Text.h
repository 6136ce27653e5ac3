#pragma once

#include <string>

#include "core/ResourceHandle.h"
#include "core/math/Color.h"
#include "gui/KeyBindings.h"
#include "gui/windows/Window.h"
#include "render/font/BitmapFont.h"

namespace nimbus {

// A fixed line of glowing text, centred on the window; its height is the window's. The
// message may name the keys of actions ("{pause} pauses"): they are shown as bound.
class Text : public Window {
public:
    Text(const WindowAttributes& attributes, std::string message, ResourceHandle<BitmapFont> font,
         const Color& color, const Color& glow);
    // "message" (required), "color", "glow".
    static Window* create(const TiXmlElement* element, Gui& gui);

    TiXmlElement& toXml(TiXmlElement& element) const override;
    bool clipsChildren() const override { return false; }
    void update(float, SignalQueue&, Gui&, const Vector2&) override {}
    void editText(const InputEvent& event) override;
    bool onKey(const InputEvent&, SignalQueue&, Gui&) override { return false; }
    bool onMouseButton(const Vector2&, bool, int32_t, SignalQueue&) override { return false; }
    void draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
              const Vector2& parentAbsolute, Gui& gui) override;

    const std::string& message() const { return message_; }

private:
    std::string message_;
    // The keys the message was last filled with, and what that made of it.
    KeyBindings shownWith_;
    std::string shown_;
    ResourceHandle<BitmapFont> font_;
    Color color_;
    Color glow_;
};

}  // namespace nimbus
