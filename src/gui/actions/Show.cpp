#include "gui/actions/Show.h"

#include "gui/GuiNames.h"
#include "gui/windows/Window.h"

namespace nimbus {

Action* Show::create(const TiXmlElement* element, Gui& gui) {
    Window* target = findTarget(element, gui);
    return target ? new Show(*target) : nullptr;
}

TiXmlElement& Show::toXml(TiXmlElement& element) const {
    writeXml(element, kActionShow);
    return element;
}

int Show::execute(float dt, Gui&) {
    if (elapsed() == 0.0f && target().visible()) return kFinished;
    target().show();
    return slide(dt, true) ? kFinished : kRunning;
}

}  // namespace nimbus
