#pragma once

#include <cstddef>
#include <string>

#include "core/ProcessWide.h"
#include "gui/ClassRegistry.h"

class TiXmlElement;

namespace nimbus {

class Gui;
class Window;

// Builds one window of a class from its element; null (reported) when the element is
// missing what the class needs. The caller owns the window.
using WindowCreator = Window* (*)(const TiXmlElement* element, Gui& gui);
using WindowClass = ClassEntry<WindowCreator>;

// Turns elements of the GUI document into windows by their "class" attribute. The GUI
// registers its standard classes (registerStandardWindows), the game its own before the
// document loads.
class WindowFactory {
public:
    // False, reported, when the name is registered already in any letter case.
    bool registerClass(const std::string& name, WindowCreator creator) {
        return classes_.registerClass(name, creator);
    }
    // Registers every class of a table in order; false when any was refused.
    template <size_t N>
    bool registerClasses(const WindowClass (&table)[N]) {
        return classes_.registerClasses(table, N);
    }
    // The window of the element with its child elements built as its children, or null,
    // reported. A child that cannot be built is reported and left out.
    Window* create(const TiXmlElement* element, Gui& gui) const;

private:
    ClassRegistry<WindowCreator> classes_;
};

// The process-wide factory; the setter returns the previous one for its owner.
inline WindowFactory* windowFactory() { return ProcessWide<WindowFactory>::get(); }
inline WindowFactory* setWindowFactory(WindowFactory* factory) {
    return ProcessWide<WindowFactory>::set(factory);
}

}  // namespace nimbus
