#pragma once

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/ByteHash.h"
#include "support/RecordingRenderer.h"

namespace nimbus {

// One number that stands for a whole deterministic output.
inline uint64_t fingerprint(const std::string& bytes) { return hashBytes(bytes.data(), bytes.size()); }

// An output checked whole in one comparison. On a mismatch the text is printed with its
// hash; update the expected hash only after looking at the text.
inline ::testing::AssertionResult matchesGolden(const std::string& text, uint64_t expected) {
    const uint64_t hash = fingerprint(text);
    if (hash == expected) return ::testing::AssertionSuccess();
    char hex[32];
    std::snprintf(hex, sizeof hex, "0x%016" PRIx64, hash);
    return ::testing::AssertionFailure()
           << text << "\nhashes to " << hex << "; update the hash only after looking at this output";
}

// Each corner's position, texture coordinates and colour, to four decimals.
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

// Recorded quads, a line each: its layer, its texture told by its place among `textures`
// ("-" for none, "?" for any other), the clip rectangle it was added under and the quad.
inline std::string quadText(const std::vector<RecordingRenderer::Added>& added,
                            const std::vector<const Texture*>& textures = {}) {
    std::string text;
    char clip[96];
    for (const RecordingRenderer::Added& a : added) {
        std::string texture = a.texture ? "?" : "-";
        for (size_t i = 0; i < textures.size(); ++i)
            texture = textures[i] == a.texture ? std::to_string(i) : texture;
        std::snprintf(clip, sizeof clip, " [%.4g %.4g %.4g %.4g] ", a.clip[0], a.clip[1], a.clip[2],
                      a.clip[3]);
        text += (a.glow ? "glow " : "") + texture + clip + quadText(a.quad);
    }
    return text;
}

}  // namespace nimbus
