#pragma once

#include "gui/actions/SlideAction.h"

namespace nimbus {

// Shows a window sliding in from the left; a window already shown does not move.
class Show : public SlideAction {
public:
    explicit Show(Window& target) : SlideAction(target) {}
    // "target" (required).
    static Action* create(const TiXmlElement* element, Gui& gui);
    TiXmlElement& toXml(TiXmlElement& element) const override;
    int execute(float dt, Gui& gui) override;
};

}  // namespace nimbus
