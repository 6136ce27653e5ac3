#include "gui/actions/EnableInput.h"

#include "gui/GuiNames.h"
#include "gui/windows/Window.h"

namespace nimbus {

Action* EnableInput::create(const TiXmlElement* element, Gui& gui) {
    Window* target = findTarget(element, gui);
    return target ? new EnableInput(*target) : nullptr;
}

TiXmlElement& EnableInput::toXml(TiXmlElement& element) const {
    writeXml(element, kActionEnableInput);
    return element;
}

int EnableInput::execute(float, Gui&) {
    target().enableInput();
    return kFinished;
}

}  // namespace nimbus
