#include "support/GuiEnvironment.h"

#include "gui/Gui.h"
#include "gui/actions/StandardActions.h"
#include "gui/windows/StandardWindows.h"
#include "support/TestFont.h"

namespace nimbus {

GuiEnvironment::GuiEnvironment() {
    registerStandardWindows(*windows);
    registerStandardActions(*actions);
    registerTestFont();
}

std::string GuiEnvironment::write(const std::string& sections) {
    return folder.write("gui" + std::to_string(files_++) + ".xml", "<gui>" + sections + "</gui>");
}

bool GuiEnvironment::load(Gui& gui, const std::string& windows) {
    return gui.load(write("<windows>" + windows + "</windows>").c_str());
}

}  // namespace nimbus
