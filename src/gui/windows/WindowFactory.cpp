#include "gui/windows/WindowFactory.h"

#include <tinyxml.h>

#include "core/Log.h"
#include "gui/windows/Window.h"

namespace nimbus {

Window* WindowFactory::create(const TiXmlElement* element, Gui& gui) const {
    if (!element) return nullptr;
    const WindowCreator creator = classes_.creatorFor(*element);
    if (!creator) return nullptr;
    Window* window = creator(element, gui);
    if (!window) return nullptr;
    for (const TiXmlElement* child = element->FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        Window* built = create(child, gui);
        if (!built) {
            LOG_ERROR("Failed to create child window");
            continue;
        }
        window->addChild(built);
    }
    return window;
}

}  // namespace nimbus
