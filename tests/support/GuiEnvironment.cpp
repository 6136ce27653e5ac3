#include "support/GuiEnvironment.h"

#include "gui/actions/StandardActions.h"
#include "gui/windows/StandardWindows.h"
#include "support/TestFont.h"

namespace nimbus {

GuiEnvironment::GuiEnvironment()
    : previousManager_(setResourceManager(&manager)),
      previousWindows_(setWindowFactory(&windows)),
      previousActions_(setActionFactory(&actions)) {
    registerStandardWindows(windows);
    registerStandardActions(actions);
    registerTestFont();
}

GuiEnvironment::~GuiEnvironment() {
    setResourceManager(previousManager_);
    setWindowFactory(previousWindows_);
    setActionFactory(previousActions_);
}

std::string GuiEnvironment::write(const std::string& sections) {
    return folder.write("gui" + std::to_string(files_++) + ".xml", "<gui>" + sections + "</gui>");
}

InputEvent keyEvent(int32_t key, int32_t unicode, bool pressed, int32_t modifiers) {
    InputEvent event;
    event.type = InputEvent::Key;
    event.key = key;
    event.unicode = unicode;
    event.pressed = pressed;
    event.modifiers = modifiers;
    return event;
}

InputEvent buttonEvent(InputEvent::Type type, int32_t x, int32_t y, int32_t button) {
    InputEvent event;
    event.type = type;
    event.x = x;
    event.y = y;
    event.button = button;
    event.pressed = type == InputEvent::MouseDown;
    return event;
}

InputEvent moveEvent(int32_t x, int32_t y) {
    InputEvent event;
    event.type = InputEvent::MouseMove;
    event.x = x;
    event.y = y;
    return event;
}

}  // namespace nimbus
