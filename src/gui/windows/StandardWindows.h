#pragma once

namespace nimbus {

class WindowFactory;

// Registers the GUI's eleven window classes: "button", "null", "pane", "text",
// "property_text", "edit_box", "rounded_pane", "slider", "text_field", "swatch" and
// "property_lines". False when one was taken already.
bool registerStandardWindows(WindowFactory& factory);

}  // namespace nimbus
