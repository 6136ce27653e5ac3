#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "render/ScreenspaceRenderer.h"
#include "support/RecordingRenderer.h"

namespace nimbus {

// Outputs as text, for tests that compare all that some code made with what it made when a
// developer last looked. Numbers are written in thousandths, so that the last bits of float
// arithmetic do not count.
inline std::string thousandths(float value) {
    return std::to_string(std::lround(std::clamp(value, -1e6f, 1e6f) * 1000)) + " ";
}

// A quad: per corner x, y, u, v, r, g, b, a.
inline std::string quadText(const ScreenQuad& quad) {
    std::string text;
    for (const ScreenVertex& c : quad.corners) {
        for (float f : {c.x, c.y, c.u, c.v, c.r, c.g, c.b, c.a}) text += thousandths(f);
    }
    return text;
}

// What a recording renderer was given, a line a quad: whether it had a texture, its layer,
// its clip rectangle and the quad.
inline std::string recordedText(const RecordingRenderer& renderer) {
    std::string text;
    for (const RecordingRenderer::Added& added : renderer.added) {
        text += std::string(added.texture ? "texture " : "none ") + (added.glow ? "glow " : "blend ");
        for (float edge : added.clip) text += thousandths(edge);
        text += quadText(added.quad) + "\n";
    }
    return text;
}

// The 64-bit FNV-1a hash of the bytes: one number standing for a long output.
inline uint64_t fnv1a(const std::string& bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char byte : bytes) hash = (hash ^ byte) * 1099511628211ull;
    return hash;
}

}  // namespace nimbus
