#pragma once

#include "gui/actions/TargetAction.h"

namespace nimbus {

// Lets a window take key and button input again.
class EnableInput : public TargetAction {
public:
    explicit EnableInput(Window& target) : TargetAction(target) {}
    // "target" (required).
    static Action* create(const TiXmlElement* element, Gui& gui);
    TiXmlElement& toXml(TiXmlElement& element) const override;
    int execute(float dt, Gui& gui) override;
};

}  // namespace nimbus
