#pragma once

#include <string>

#include "core/ResourceManager.h"
#include "gui/InputEvent.h"
#include "gui/actions/ActionFactory.h"
#include "gui/windows/WindowFactory.h"
#include "support/OwnProcessWide.h"
#include "support/TempFolder.h"

namespace nimbus {

class Gui;

// The test font and both factories' standard classes, process-wide for the test, and a folder.
class GuiEnvironment {
public:
    GuiEnvironment();

    // Writes a document of the given sections inside <gui> to a new file and returns its name.
    std::string write(const std::string& sections);
    // Loads a document of the given windows into the GUI; whether it loaded.
    bool load(Gui& gui, const std::string& windows);

    OwnProcessWide<ResourceManager> manager;
    OwnProcessWide<WindowFactory> windows;
    OwnProcessWide<ActionFactory> actions;
    TempFolder folder;

private:
    int files_ = 0;
};

// Input records as the GUI receives them.
inline InputEvent keyEvent(int32_t key, int32_t unicode, bool pressed, int32_t modifiers = 0) {
    return {InputEvent::Key, 0, 0, key, unicode, modifiers, 0, pressed};
}
inline InputEvent buttonEvent(InputEvent::Type type, int32_t x, int32_t y, int32_t button = 0) {
    return {type, x, y, -1, -1, 0, button, type == InputEvent::MouseDown};
}
inline InputEvent moveEvent(int32_t x, int32_t y) { return {InputEvent::MouseMove, x, y}; }

}  // namespace nimbus
