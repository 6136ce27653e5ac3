#pragma once

#include <cstddef>
#include <string>

#include "core/ProcessWide.h"
#include "gui/ClassRegistry.h"

class TiXmlElement;

namespace nimbus {

class Action;
class Gui;

// Builds one action of a class from its element; null (reported) when the element is
// missing what the class needs. The caller owns the action.
using ActionCreator = Action* (*)(const TiXmlElement* element, Gui& gui);
using ActionClass = ClassEntry<ActionCreator>;

// Turns the child elements of a transition into actions by their "class" attribute.
class ActionFactory {
public:
    // False, reported, when the name is registered already in any letter case.
    bool registerClass(const std::string& name, ActionCreator creator) {
        return classes_.registerClass(name, creator);
    }
    // Registers every class of a table in order; false when any was refused.
    template <size_t N>
    bool registerClasses(const ActionClass (&table)[N]) {
        return classes_.registerClasses(table, N);
    }
    // The action of the element, or null, reported. Child elements are ignored.
    Action* create(const TiXmlElement* element, Gui& gui) const;

private:
    ClassRegistry<ActionCreator> classes_;
};

// The process-wide factory; the setter returns the previous one for its owner.
inline ActionFactory* actionFactory() { return ProcessWide<ActionFactory>::get(); }
inline ActionFactory* setActionFactory(ActionFactory* factory) {
    return ProcessWide<ActionFactory>::set(factory);
}

}  // namespace nimbus
