#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace nimbus {

// A 64-bit FNV-1a hash: one comparison that stands for every byte a tool made from a small
// fixed input. When it changes, look at (or listen to) the new output before taking its value.
inline uint64_t fingerprint(const void* data, size_t size) {
    uint64_t hash = 14695981039346656037ull;
    for (size_t i = 0; i < size; ++i) hash = (hash ^ static_cast<const uint8_t*>(data)[i]) * 1099511628211ull;
    return hash;
}

inline uint64_t fingerprint(const std::string& bytes) { return fingerprint(bytes.data(), bytes.size()); }

// Samples are rounded to a ten-millionth first: only a change one could hear moves the value.
inline uint64_t fingerprint(const std::vector<std::vector<double>>& channels) {
    std::vector<int64_t> rounded;
    for (const auto& channel : channels)
        for (double sample : channel) rounded.push_back(std::llround(sample * 1e7));
    return fingerprint(rounded.data(), rounded.size() * sizeof(int64_t));
}

}  // namespace nimbus
