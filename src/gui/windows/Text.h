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
    void editText(const InputEvent& event) override;
    void draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
              const Vector2& parentAbsolute, Gui& gui) override;

    const std::string& message() const { return message_; }

private:
    std::string message_;
    // The keys the message was last filled with, and what that made of it.
    KeyBindings shownWith_;
    std::string shown_;
    // The translation shown_ was made from: a new language, or a message edited, changes it.
    const char* shownFrom_ = nullptr;
    ResourceHandle<BitmapFont> font_;
    Color color_;
    Color glow_;
};

}  // namespace nimbus
