#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/MemoryInBuffer.h"
#include "core/MemoryOutBuffer.h"
#include "core/Stream.h"
#include "core/Utf8.h"
#include "core/VectorInBuffer.h"
#include "core/VectorOutBuffer.h"

namespace nimbus {
namespace {

using Bytes = std::vector<unsigned char>;

TEST(Stream, NumbersAndStringsRoundTripAsLittleEndianBytesAndZeroTerminatedText) {
    VectorOutBuffer out;
    out << int32_t(1) << 1.0f << uint16_t(0xBEEF) << int8_t(-1) << 2.0 << "abc" << std::string("");
    EXPECT_EQ(out.bytes(), (Bytes{1, 0, 0, 0, 0, 0, 0x80, 0x3F, 0xEF, 0xBE, 0xFF, 0,
                                  0, 0, 0, 0, 0, 0, 0x40, 'a',  'b',  'c',  0,    0}));
    VectorInBuffer in(out.bytes());
    int32_t i = 0;
    float f = 0;
    uint16_t u = 0;
    int8_t s = 0;
    double d = 0;
    std::string text = "x", empty;
    in >> i >> f >> u >> s >> d >> text >> empty;
    EXPECT_EQ(std::make_tuple(i, f, u, s, d), std::make_tuple(1, 1.0f, uint16_t(0xBEEF), int8_t(-1), 2.0));
    EXPECT_EQ(text, "xabc") << "the reader appends";
    EXPECT_EQ(empty, "");
    EXPECT_EQ(in.bytesLeft(), 0);
}

TEST(Stream, ShortReadsKeepTheMissingBytesAndEndTextAtTheDataEnd) {
    const unsigned char data[] = {0x11, 0x22};
    MemoryInBuffer in(data, data + 2);
    uint32_t value = 0xAAAAAAAA;
    in >> value;
    EXPECT_EQ(value, 0xAAAA2211u);
    MemoryInBuffer again(data, data + 2);
    std::string text;
    again >> text;
    EXPECT_EQ(text, "\x11\x22");
}

// Both kinds of buffer stop reads, skips and writes at the end of their bytes.
TEST(Buffers, ClampToTheirBytes) {
    unsigned char block[3];
    MemoryOutBuffer out(block, block + 3);
    EXPECT_EQ(out.write("12345", 5), 3);
    EXPECT_EQ(out.write("6", 1), 0);
    EXPECT_EQ(out.bytesWritten(), 3);
    MemoryOutBuffer text(block, block + 2);
    text << "ab" << std::string("cdef");
    EXPECT_EQ(text.bytesWritten(), 2);
    EXPECT_EQ(block[1], 'b');

    MemoryInBuffer memory(block, block + 3);
    VectorInBuffer vector(Bytes{'a', 'b', '3'});
    for (InBuffer* in : {static_cast<InBuffer*>(&memory), static_cast<InBuffer*>(&vector)}) {
        in->skip(1);
        char two[4] = {};
        EXPECT_EQ(in->read(two, 4), 2);
        EXPECT_STREQ(two, "b3");
        in->skip(10);
        EXPECT_EQ(in->bytesLeft(), 0);
        EXPECT_EQ(in->read(two, 1), 0);
    }
    EXPECT_STREQ(memory.name(), "<MemoryInBuffer>");
    EXPECT_EQ(VectorInBuffer("ab").bytesLeft(), 3) << "text keeps its zero byte";
    VectorInBuffer skipping(Bytes{1, 2, 3, 4});
    skipping.skip(3);
    EXPECT_EQ(skipping.bytesLeft(), 1);
    skipping.skip(5);
    EXPECT_EQ(skipping.bytesLeft(), 0);
}

TEST(Utf8, TheWellFormedPrefixStopsAtTheFirstBadOrCutOffSequence) {
    using namespace std::string_literals;
    const std::tuple<std::string, size_t> cases[] = {
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
        {"\xF4\x8F\xBF\xBF\xED\x9F\xBF\xF3\xBF\xBF\xBF",
         11},  // U+10FFFF, U+D7FF (below the surrogates), U+FFFFF
    };
    for (const auto& [text, prefix] : cases) EXPECT_EQ(wellFormedUtf8Prefix(text), prefix) << text;
}

// A stray byte is a Latin-1 letter, a lone continuation or a cut-off lead.
TEST(Utf8, CharactersDecodeToCodePointsAndStrayBytesToNegativeCodes) {
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xB2\xE9\x80z\xC3";
    std::vector<int32_t> codes;
    for (size_t at = 0; at < text.size();) codes.push_back(nextCodePoint(text, at));
    EXPECT_EQ(codes, (std::vector<int32_t>{'a', 0xE9, 0x20AC, 0x1F3B2, -0x17, -0x80, 'z', -0x3D}));
}

}  // namespace
}  // namespace nimbus
