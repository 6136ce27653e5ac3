#pragma once

#include <string>

#include "core/ResourceHandle.h"
#include "core/math/Color.h"
#include "gui/windows/Window.h"
#include "render/Texture.h"
#include "render/font/BitmapFont.h"

namespace nimbus {

// A row of the Keys screen: an action's caption on the left and the name of its key on a
// key cap on the right, which swells while the pointer is over the row or the row has the
// keyboard focus. A left press on it, or Enter or Space while it has the focus, makes it
// wait for a key: the cap lights up with a question mark and every key goes to the row
// (Gui::keyCapture). The key pressed becomes the action's; Escape or the pad's Back stops
// waiting with the old key kept. A key that another action has, that the menus need, or
// that has no name is refused, and the row waits on; a click elsewhere ends the wait. What
// happened is written to the property "keys_message". The row lets go of the keys once
// the key that ended the choice is released, so that its release sets nothing off.
class KeyButton : public Window {
public:
    static constexpr Color kWaitingCap = Color(0.95f, 0.62f, 0.16f, 1.0f);

    KeyButton(const WindowAttributes& attributes, int32_t action, ResourceHandle<BitmapFont> font,
              const Color& color, const Color& glow);
    // "input" (required: an action's name in the input table), "color" (the caption's),
    // "glow" (the key cap's).
    static Window* create(const TiXmlElement* element, Gui& gui);

    TiXmlElement& toXml(TiXmlElement& element) const override;
    bool clipsChildren() const override { return false; }
    void update(float dt, SignalQueue& signals, Gui& gui, const Vector2& pointer) override;
    bool onKey(const InputEvent& event, SignalQueue& signals, Gui& gui) override;
    bool focusable() const override { return true; }
    bool onMouseButton(const Vector2& pointer, bool pressed, int32_t button, SignalQueue& signals) override;
    void draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
              const Vector2& parentAbsolute, Gui& gui) override;

    int32_t action() const { return action_; }
    // Whether the row waits for the player's key.
    bool waiting(const Gui& gui) const;

private:
    void startWaiting(Gui& gui);
    // A key event while the row has the keys.
    void choose(const InputEvent& event, Gui& gui);
    // The choice is made: the keys go back once `key` is released (at once for none).
    void finish(int32_t key, Gui& gui);

    int32_t action_;
    // The action's caption, kept so that drawing it allocates nothing.
    std::string caption_;
    ResourceHandle<BitmapFont> font_;
    ResourceHandle<Texture> circle_;
    Color color_;
    Color glow_;
    float hoverScale_ = 1.0f;
    // A press landed on the row; it starts waiting at the next update, which has the GUI.
    bool pressed_ = false;
    // The key whose release gives the keys back; -1 while the row waits for one.
    int32_t endingKey_ = -1;
    // Whether the row had the keys at its last update.
    bool holding_ = false;
};

}  // namespace nimbus
