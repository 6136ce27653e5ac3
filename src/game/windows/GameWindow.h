#pragma once

#include "gui/windows/Window.h"

namespace nimbus {

// The rectangle of the GUI into which the playing state draws the game. It draws nothing
// and takes no input; the hide-game state waits for it to be hidden before it moves on,
// so sliding it away is how the document takes the game view off the screen. The
// in-game buttons and texts are its children and are clipped to it.
class GameWindow : public Window {
public:
    explicit GameWindow(const WindowAttributes& attributes) : Window(attributes) {}

    // The window of a "game" element; null, reported, when it lacks position or size.
    static Window* create(const TiXmlElement* element, Gui& gui);

    TiXmlElement& toXml(TiXmlElement& element) const override;
    bool clipsChildren() const override { return true; }
    void update(float, SignalQueue&, Gui&, const Vector2&) override {}
    bool onKey(const InputEvent&, SignalQueue&, Gui&) override { return false; }
    bool onMouseButton(const Vector2&, bool, int32_t, SignalQueue&) override { return false; }
    void draw(const Camera&, ScreenspaceRenderer&, float, const Vector2&, Gui&) override {}
};

}  // namespace nimbus
