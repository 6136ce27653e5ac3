#pragma once

#include "gui/windows/Null.h"

namespace nimbus {

// The rectangle of the GUI into which the playing state draws the game. Like a null
// window it draws nothing, takes no input and clips its children (the in-game buttons
// and texts); the hide-game state waits for it to be hidden before it moves on, so
// sliding it away is how the document takes the game view off the screen.
class GameWindow : public Null {
public:
    explicit GameWindow(const WindowAttributes& attributes) : Null(attributes) {}

    // The window of a "game" element; null, reported, when it lacks position or size.
    static Window* create(const TiXmlElement* element, Gui& gui);

    TiXmlElement& toXml(TiXmlElement& element) const override;
};

}  // namespace nimbus
