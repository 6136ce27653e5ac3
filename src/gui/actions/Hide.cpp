#include "gui/actions/Hide.h"

#include "gui/GuiNames.h"
#include "gui/windows/Window.h"

namespace nimbus {

Action* Hide::create(const TiXmlElement* element, Gui& gui) {
    Window* target = findTarget(element, gui);
    return target ? new Hide(*target) : nullptr;
}

TiXmlElement& Hide::toXml(TiXmlElement& element) const {
    writeXml(element, kActionHide);
    return element;
}

int Hide::execute(float dt, Gui&) {
    if (!target().visible()) return kFinished;
    if (!slide(dt, false)) return kRunning;
    target().hide();
    return kFinished;
}

}  // namespace nimbus
