#pragma once

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "support/RecordingRenderer.h"

namespace nimbus {

// A deterministic output checked whole in one comparison: a 64-bit FNV-1a hash of its text. On
// a mismatch the text is printed; update the hash only after looking at it.
inline ::testing::AssertionResult matchesGolden(const std::string& text, uint64_t expected) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char byte : text) hash = (hash ^ byte) * 1099511628211ull;
    if (hash == expected) return ::testing::AssertionSuccess();
    char hex[32];
    std::snprintf(hex, sizeof hex, "0x%016" PRIx64, hash);
    return ::testing::AssertionFailure()
           << text << "\nhashes to " << hex << "; update the hash only after looking at this output";
}

// A quad as a line of text: each corner's position, texture coordinates and colour, to four
// decimals so that the last bit of a float does not count.
inline std::string quadText(const ScreenQuad& quad) {
    std::string line;
    char corner[128];
    for (const ScreenVertex& c : quad.corners) {
        std::snprintf(corner, sizeof corner, "(%.4f %.4f %.4f %.4f %.4f %.4f %.4f %.4f)", c.x, c.y, c.u, c.v,
                      c.r, c.g, c.b, c.a);
        line += corner;
    }
    return line + "\n";
}

// Recorded quads, each with its layer and its texture told by its place among `textures` (-1
// for any other).
inline std::string quadText(const std::vector<RecordingRenderer::Added>& added,
                            const std::vector<const Texture*>& textures = {}) {
    std::string text;
    for (const RecordingRenderer::Added& a : added) {
        int texture = -1;
        for (size_t i = 0; i < textures.size(); ++i) texture = textures[i] == a.texture ? int(i) : texture;
        text += (a.glow ? "glow " : "") + std::to_string(texture) + " " + quadText(a.quad);
    }
    return text;
}

}  // namespace nimbus
