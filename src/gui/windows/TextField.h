#pragma once

#include <cstddef>
#include <string>

#include "core/ResourceHandle.h"
#include "core/math/Color.h"
#include "gui/windows/Window.h"
#include "render/font/BitmapFont.h"

namespace nimbus {

// A line of text the player types into, kept in a property. Unlike the edit box it takes
// keys only while typing: a left press on the field starts the typing (a caret shows at
// its end); Enter, Tab, a press beside it that no other window takes, or another field
// starting to type ends it. While typing it takes every key press: a printable
// character is added (up to "length" bytes, default 64), backspace removes the last.
// The property kPropertyTyping names the property of the field typing (empty for none),
// so that a state can keep its own keys to itself meanwhile and end the typing by
// clearing it (Escape never reaches a window). An empty field shows its "prompt" dimmed.
class TextField : public Window {
public:
    static constexpr size_t kDefaultLength = 64;

    TextField(const WindowAttributes& attributes, std::string property, std::string prompt, size_t length,
              ResourceHandle<BitmapFont> font, const Color& color);
    // "property" (required), "prompt", "length", "color".
    static Window* create(const TiXmlElement* element, Gui& gui);

    TiXmlElement& toXml(TiXmlElement& element) const override;
    bool clipsChildren() const override { return true; }
    void update(float dt, SignalQueue& signals, Gui& gui, const Vector2& pointer) override;
    bool onKey(const InputEvent& event, SignalQueue& signals, Gui& gui) override;
    bool onMouseButton(const Vector2& pointer, bool pressed, int32_t button, SignalQueue& signals) override;
    void draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
              const Vector2& parentAbsolute, Gui& gui) override;

    bool typing() const { return typing_; }
    const std::string& text() const { return text_; }

private:
    void setTyping(bool typing, Gui& gui);
    std::string property_;
    std::string prompt_;
    size_t length_;
    ResourceHandle<BitmapFont> font_;
    Color color_;
    std::string text_;
    bool typing_ = false;
    std::string withCaret_;
    // A press seen since the last update: on the field (1) or beside it (-1).
    int press_ = 0;
    float blink_ = 0.0f;
};

}  // namespace nimbus
