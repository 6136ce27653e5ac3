#include "gui/actions/ActionFactory.h"

#include <tinyxml.h>

namespace nimbus {

Action* ActionFactory::create(const TiXmlElement* element, Gui& gui) const {
    if (!element) return nullptr;
    const ActionCreator creator = classes_.creatorFor(*element);
    return creator ? creator(element, gui) : nullptr;
}

}  // namespace nimbus
