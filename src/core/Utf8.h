#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace nimbus {

// The length of the longest prefix of `text` made of whole, well-formed UTF-8 sequences
// (no overlong forms, no surrogates, nothing above U+10FFFF). Equal to the text's size
// exactly when all of it is well-formed; otherwise the offset of the first bad byte,
// which is also where a text that ends inside a sequence starts that sequence.
size_t wellFormedUtf8Prefix(std::string_view text);

// The code point of the well-formed UTF-8 sequence at `at` (below text.size()), moving
// `at` past it. A byte that starts no well-formed sequence is taken alone as a signed
// 8-bit code, below 0 for every byte that can be one.
int32_t nextCodePoint(std::string_view text, size_t& at);

}  // namespace nimbus
