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

}  // namespace nimbus
