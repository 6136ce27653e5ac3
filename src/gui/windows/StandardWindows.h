#pragma once

namespace nimbus {

class WindowFactory;

// Registers the GUI's twelve window classes: "button", "null", "pane", "text",
// "property_text", "edit_box", "rounded_pane", "slider", "key_button", "text_field",
// "swatch" and "property_lines". False when one was taken already.
bool registerStandardWindows(WindowFactory& factory);

}  // namespace nimbus
