#pragma once

#include <string>

namespace nimbus::fx {

struct Context;
struct Effect;

// Parses effect text into a new effect of the context, with every program's GLSL source
// assembled and every pass resolved; nothing is compiled yet. On an error returns null
// and appends "line N: ..." to `listing`.
Effect* parseEffect(Context* context, const char* text, std::string& listing);

}  // namespace nimbus::fx
