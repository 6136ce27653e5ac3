#pragma once

namespace nimbus {

class ActionFactory;

// Registers the GUI's five action classes: "show", "hide", "setprop", "enableinput" and
// "disableinput". False when one was taken already.
bool registerStandardActions(ActionFactory& factory);

}  // namespace nimbus
