#pragma once

#include <string>

#include "gui/actions/TargetAction.h"

namespace nimbus {

// Sets a property, which is how a menu tells the game state what to do next. It names a
// target window like every action, though setting the property does not use it.
class SetProp : public TargetAction {
public:
    SetProp(Window& target, std::string property, std::string value);
    // "target", "property" and "value" (all required, checked in that order).
    static Action* create(const TiXmlElement* element, Gui& gui);
    TiXmlElement& toXml(TiXmlElement& element) const override;
    int execute(float dt, Gui& gui) override;

private:
    std::string property_;
    std::string value_;
};

}  // namespace nimbus
