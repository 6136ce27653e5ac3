#pragma once

#include <cstddef>
#include <string_view>

namespace nimbus {

// The length of the longest prefix of `text` made of whole, well-formed UTF-8 sequences
// (no overlong forms, no surrogates, nothing above U+10FFFF). Equal to the text's size
// exactly when all of it is well-formed; otherwise the offset of the first bad byte,
// which is also where a text that ends inside a sequence starts that sequence.
size_t wellFormedUtf8Prefix(std::string_view text);

}  // namespace nimbus
