#pragma once

#include "gui/actions/SlideAction.h"

namespace nimbus {

// Slides a window out to the left, hides it and puts it back at rest for the next show;
// a hidden window is left alone.
class Hide : public SlideAction {
public:
    explicit Hide(Window& target) : SlideAction(target) {}
    // "target" (required).
    static Action* create(const TiXmlElement* element, Gui& gui);
    TiXmlElement& toXml(TiXmlElement& element) const override;
    int execute(float dt, Gui& gui) override;
};

}  // namespace nimbus
