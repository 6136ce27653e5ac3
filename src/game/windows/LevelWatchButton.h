#pragma once

#include <cstdint>
#include <string>

#include "core/ResourceHandle.h"
#include "gui/windows/Button.h"
#include "render/Texture.h"

namespace nimbus {

// The Watch button on a level's plan, there only while the level of its slot has a kept
// run to watch (the slot's kPropertyLevelReplay is "yes"): otherwise it draws nothing,
// takes no press and cannot take the focus. It stands in the plan's corner on a rounded
// pane of its own and follows its plan in the document, so that the focus steps from a
// plan to its Watch button. Pressed, it leaves its level in "chosen_level" and sends its
// action, as a plan does.
//
// The same button with a "property" naming another slot property stands for another
// deed on the level: the Edit button of the player's own levels is shown by
// "level_editable_".
class LevelWatchButton : public Button {
public:
    LevelWatchButton(const WindowAttributes& attributes, int32_t slot, std::string shownBy,
                     std::string action, std::string caption, Gui& gui, const Color& color,
                     const Color& glow);
    // A "level_watch" element: a Button's attributes, a "slot" on the page and, at will,
    // the "property" that shows it, followed by the slot (kPropertyLevelReplay when none).
    static Window* create(const TiXmlElement* element, Gui& gui);

    TiXmlElement& toXml(TiXmlElement& element) const override;
    void update(float dt, SignalQueue& signals, Gui& gui, const Vector2& pointer) override;
    bool onKey(const InputEvent& event, SignalQueue& signals, Gui& gui) override;
    bool focusable() const override { return !level_.empty(); }
    bool onMouseButton(const Vector2& pointer, bool pressed, int32_t button, SignalQueue& signals) override;
    void draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
              const Vector2& parentAbsolute, Gui& gui) override;

    // The level it watches; empty while its slot has nothing to watch.
    const std::string& level() const { return level_; }

private:
    int32_t slot_;
    Gui* gui_;
    std::string shownBy_;
    std::string nameKey_, replayKey_;
    // The "levels_shown" the button shows.
    std::string shown_;
    std::string level_;
    ResourceHandle<Texture> circle_;
};

}  // namespace nimbus
