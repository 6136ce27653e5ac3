#include "gui/actions/TargetAction.h"

#include <tinyxml.h>

#include "core/Log.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/windows/Window.h"

namespace nimbus {

Window* TargetAction::findTarget(const TiXmlElement* element, Gui& gui) {
    const char* name = element ? element->Attribute(kAttributeTarget) : nullptr;
    if (!name) {
        LOG_ERROR("Missing target attribute");
        return nullptr;
    }
    Window* window = gui.findWindow(name);
    if (!window) LOG_ERROR("Couldn't find window");
    return window;
}

void TargetAction::writeXml(TiXmlElement& element, const char* className) const {
    element.SetValue(kElementAction);
    element.SetAttribute(kAttributeClass, className);
    element.SetAttribute(kAttributeTarget, target_->name().c_str());
}

}  // namespace nimbus
