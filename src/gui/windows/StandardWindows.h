#pragma once

namespace nimbus {

class WindowFactory;

// Registers the GUI's nine window classes: "button", "null", "pane", "text",
// "property_text", "edit_box", "rounded_pane", "slider" and "key_button". False when one
// was taken already.
bool registerStandardWindows(WindowFactory& factory);

}  // namespace nimbus
