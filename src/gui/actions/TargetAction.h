#pragma once

#include "gui/actions/Action.h"

namespace nimbus {

class Window;

// An action aimed at a window of the document, found by name when the document loads,
// so the window must come before the transition that names it.
class TargetAction : public Action {
public:
    Window& target() const { return *target_; }

protected:
    explicit TargetAction(Window& target) : target_(&target) {}
    // The window named by "target"; null, reported, when the attribute is missing or no
    // window has that name (ignoring letter case).
    static Window* findTarget(const TiXmlElement* element, Gui& gui);
    // Names the element "action" and writes the class and the target's current name.
    void writeXml(TiXmlElement& element, const char* className) const;

private:
    Window* target_;
};

}  // namespace nimbus
