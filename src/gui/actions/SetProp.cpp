#include "gui/actions/SetProp.h"

#include <tinyxml.h>

#include "core/Log.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"

namespace nimbus {

SetProp::SetProp(Window& target, std::string property, std::string value)
    : TargetAction(target), property_(std::move(property)), value_(std::move(value)) {}

Action* SetProp::create(const TiXmlElement* element, Gui& gui) {
    Window* target = findTarget(element, gui);
    if (!target) return nullptr;
    const char* property = element->Attribute(kAttributeProperty);
    if (!property) {
        LOG_ERROR("Missing property attribute");
        return nullptr;
    }
    const char* value = element->Attribute(kAttributeValue);
    if (!value) {
        LOG_ERROR("Missing value attribute");
        return nullptr;
    }
    return new SetProp(*target, property, value);
}

TiXmlElement& SetProp::toXml(TiXmlElement& element) const {
    writeXml(element, kActionSetPropSaved);
    element.SetAttribute(kAttributeProperty, property_.c_str());
    element.SetAttribute(kAttributeValue, value_.c_str());
    return element;
}

int SetProp::execute(float, Gui& gui) {
    gui.setProperty(property_, value_);
    return kFinished;
}

}  // namespace nimbus
