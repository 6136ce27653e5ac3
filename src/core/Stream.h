#pragma once

#include <string>
#include <type_traits>

#include "core/InBuffer.h"
#include "core/OutBuffer.h"

// The one byte encoding of every binary file: numbers as their little-endian bytes, no
// tags, no gaps; strings as their characters and one zero byte, no length prefix.
namespace nimbus {

template <typename T, std::enable_if_t<std::is_arithmetic_v<T>, int> = 0>
OutBuffer& operator<<(OutBuffer& out, T value) {
    out.write(&value, sizeof value);
    return out;
}

// At the end of the data the value's missing bytes keep what they held.
template <typename T, std::enable_if_t<std::is_arithmetic_v<T>, int> = 0>
InBuffer& operator>>(InBuffer& in, T& value) {
    in.read(&value, sizeof value);
    return in;
}

// Stops at the first zero character or the first byte the sink refuses.
OutBuffer& operator<<(OutBuffer& out, const char* text);
OutBuffer& operator<<(OutBuffer& out, const std::string& text);

// Appends characters up to a zero byte (consumed) or the end of the data.
InBuffer& operator>>(InBuffer& in, std::string& text);

}  // namespace nimbus
