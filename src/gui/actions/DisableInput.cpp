#include "gui/actions/DisableInput.h"

#include "gui/GuiNames.h"
#include "gui/windows/Window.h"

namespace nimbus {

Action* DisableInput::create(const TiXmlElement* element, Gui& gui) {
    Window* target = findTarget(element, gui);
    return target ? new DisableInput(*target) : nullptr;
}

TiXmlElement& DisableInput::toXml(TiXmlElement& element) const {
    writeXml(element, kActionDisableInput);
    return element;
}

int DisableInput::execute(float, Gui&) {
    target().disableInput();
    return kFinished;
}

}  // namespace nimbus
