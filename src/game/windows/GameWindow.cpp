#include "game/windows/GameWindow.h"

#include <tinyxml.h>

#include "gui/GuiNames.h"

namespace nimbus {

Window* GameWindow::create(const TiXmlElement* element, Gui&) {
    WindowAttributes attributes;
    if (!parseWindowAttributes(element, attributes)) return nullptr;
    return new GameWindow(attributes);
}

TiXmlElement& GameWindow::toXml(TiXmlElement& element) const {
    writeXml(element, kClassGame);
    return element;
}

}  // namespace nimbus
