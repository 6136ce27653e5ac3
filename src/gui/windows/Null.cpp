#include "gui/windows/Null.h"

#include <tinyxml.h>

#include "gui/GuiNames.h"

namespace nimbus {

Window* Null::create(const TiXmlElement* element, Gui&) {
    WindowAttributes attributes;
    if (!parseWindowAttributes(element, attributes)) return nullptr;
    return new Null(attributes);
}

TiXmlElement& Null::toXml(TiXmlElement& element) const {
    writeXml(element, kClassNull);
    return element;
}

}  // namespace nimbus
