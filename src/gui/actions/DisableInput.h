#pragma once

#include "gui/actions/TargetAction.h"

namespace nimbus {

// Stops a window, and with it its children, from taking key and button input; a button shows greyed.
class DisableInput : public TargetAction {
public:
    explicit DisableInput(Window& target) : TargetAction(target) {}
    // "target" (required).
    static Action* create(const TiXmlElement* element, Gui& gui);
    TiXmlElement& toXml(TiXmlElement& element) const override;
    int execute(float dt, Gui& gui) override;
};

}  // namespace nimbus
