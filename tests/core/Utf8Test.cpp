#include <gtest/gtest.h>

#include <string>

#include "core/Utf8.h"

using namespace nimbus;

TEST(Utf8, TheWellFormedPrefixStopsAtTheFirstBadOrCutOffSequence) {
    using namespace std::string_literals;
    const struct {
        std::string text;
        size_t prefix;
    } cases[] = {
        {"", 0},
        {"plain <ascii/>", 14},
        {"\xEF\xBB\xBF<a>\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xB2</a>", 19},  // BOM, 2-, 3- and 4-byte forms
        {"\0zero"s, 5},                                                   // U+0000 is well-formed
        {"<?xml><f>\xC6", 9},                                             // ends inside a sequence
        {"ab\xE2\x82", 2},                                                // three bytes promised, two given
        {"ab\xF0\x9F\x8E", 2},
        {"a\x80z", 1},             // a continuation byte without a lead
        {"a\xC3z", 1},             // a lead without its continuation
        {"a\xC0\xAF", 1},          // overlong "/"
        {"a\xE0\x80\xAF", 1},      // overlong in three bytes
        {"a\xED\xA0\x80", 1},      // a surrogate
        {"a\xF4\x90\x80\x80", 1},  // above U+10FFFF
        {"a\xF5\x80\x80\x80", 1},  // a lead byte no sequence has
        {"a\xFF", 1},
        {"\xF4\x8F\xBF\xBF\xED\x9F\xBF", 7},  // U+10FFFF and U+D7FF, the last below the surrogates
    };
    for (const auto& c : cases) EXPECT_EQ(wellFormedUtf8Prefix(c.text), c.prefix) << c.text;
}
