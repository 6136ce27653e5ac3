#pragma once

#include <string>

#include "core/ResourceHandle.h"
#include "gui/windows/Window.h"
#include "render/font/BitmapFont.h"

namespace nimbus {

// A line the player types into, such as a name for the high-score table; the text lives
// in a property. Every key press that reaches it is consumed, except those that step the
// keyboard focus. It shows its own copy of the text, refreshed by its own typing and every
// frame from the property, so a name the game sets (the one saved last time) shows too.
class EditBox : public Window {
public:
    EditBox(const WindowAttributes& attributes, std::string property, std::string text,
            ResourceHandle<BitmapFont> font);
    // "property" (required), "initial" (default "not set"); sets the property to the
    // initial text.
    static Window* create(const TiXmlElement* element, Gui& gui);

    TiXmlElement& toXml(TiXmlElement& element) const override;
    bool clipsChildren() const override { return true; }
    void update(float dt, SignalQueue& signals, Gui& gui, const Vector2& pointer) override;
    bool onKey(const InputEvent& event, SignalQueue& signals, Gui& gui) override;
    bool focusable() const override { return true; }
    void draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
              const Vector2& parentAbsolute, Gui& gui) override;

    const std::string& text() const { return text_; }

private:
    std::string property_;
    std::string text_;
    ResourceHandle<BitmapFont> font_;
};

}  // namespace nimbus
