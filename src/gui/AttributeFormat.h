#pragma once

#include "core/math/Color.h"

class TiXmlElement;

namespace nimbus {

// How numbers and colours are written in the GUI document, shared by every window and
// action that saves itself, so that a saved document reads back to the same values.

// A float with six decimals ("%f").
void writeFloatAttribute(TiXmlElement& element, const char* name, float value);

// A colour as the hexadecimal number RRGGBBAA, an optional "0x" in front; scanning stops
// at the first character that is not a hexadecimal digit, so "ff" alone is an opaque
// black. False, with the colour untouched, when no digit can be read.
bool parseColor(const char* text, Color& color);
// The attribute read with parseColor; a missing attribute leaves the colour too.
void readColorAttribute(const TiXmlElement& element, const char* name, Color& color);
// "0x" and eight lower-case digits, each channel rounded to the nearest of 0 to 255.
void writeColorAttribute(TiXmlElement& element, const char* name, const Color& color);

}  // namespace nimbus
