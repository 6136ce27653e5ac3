#pragma once

namespace nimbus {

class WindowFactory;

// Registers the GUI's eight window classes: "button", "null", "pane", "text",
// "property_text", "edit_box", "rounded_pane" and "slider". False when one was taken already.
bool registerStandardWindows(WindowFactory& factory);

}  // namespace nimbus
