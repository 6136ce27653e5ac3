#pragma once

namespace nimbus {

class WindowFactory;

// Registers the GUI's seven window classes: "button", "null", "pane", "text",
// "property_text", "edit_box" and "rounded_pane". False when one was taken already.
bool registerStandardWindows(WindowFactory& factory);

}  // namespace nimbus
