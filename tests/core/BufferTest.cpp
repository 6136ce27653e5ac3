#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/MemoryInBuffer.h"
#include "core/MemoryOutBuffer.h"
#include "core/Stream.h"
#include "core/VectorInBuffer.h"
#include "core/VectorOutBuffer.h"

using namespace nimbus;

namespace {
std::vector<unsigned char> bytes(std::initializer_list<int> values) {
    return std::vector<unsigned char>(values.begin(), values.end());
}
}  // namespace

TEST(Stream, NumbersAreTheirLittleEndianBytesBackToBack) {
    VectorOutBuffer out;
    out << int32_t(1) << 1.0f << uint16_t(0xBEEF) << int8_t(-1) << 2.0;
    EXPECT_EQ(out.bytes(), bytes({1, 0, 0, 0, 0, 0, 0x80, 0x3F, 0xEF, 0xBE, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0x40}));

    VectorInBuffer in(out.bytes());
    int32_t i = 0;
    float f = 0;
    uint16_t u = 0;
    int8_t s = 0;
    double d = 0;
    in >> i >> f >> u >> s >> d;
    EXPECT_EQ(i, 1);
    EXPECT_EQ(f, 1.0f);
    EXPECT_EQ(u, 0xBEEF);
    EXPECT_EQ(s, -1);
    EXPECT_EQ(d, 2.0);
    EXPECT_EQ(in.bytesLeft(), 0);
}

TEST(Stream, ShortReadKeepsTheMissingBytes) {
    const unsigned char data[] = {0x11, 0x22};
    MemoryInBuffer in(data, data + 2);
    uint32_t value = 0xAAAAAAAA;
    in >> value;
    EXPECT_EQ(value, 0xAAAA2211u);
    EXPECT_EQ(in.bytesLeft(), 0);
}

TEST(Stream, StringsAreZeroTerminatedWithoutPrefix) {
    VectorOutBuffer out;
    out << "abc" << std::string("") << std::string("de");
    EXPECT_EQ(out.bytes(), bytes({'a', 'b', 'c', 0, 0, 'd', 'e', 0}));

    VectorInBuffer in(out.bytes());
    std::string a, empty, b;
    in >> a >> empty >> b;
    EXPECT_EQ(a, "abc");
    EXPECT_EQ(empty, "");
    EXPECT_EQ(b, "de");
    EXPECT_EQ(in.bytesLeft(), 0);

    // The reader appends, and a missing terminator ends the string at the data's end.
    const unsigned char unterminated[] = {'a', 'b'};
    MemoryInBuffer rest(unterminated, unterminated + 2);
    std::string text = "x";
    rest >> text;
    EXPECT_EQ(text, "xab");
}

TEST(Stream, StringWriteStopsAtAFullSink) {
    unsigned char block[2];
    MemoryOutBuffer out(block, block + 2);
    out << "abcdef";
    EXPECT_EQ(out.bytesWritten(), 2);
    EXPECT_EQ(block[0], 'a');
    EXPECT_EQ(block[1], 'b');
}

TEST(MemoryBuffers, ClampToTheBlock) {
    unsigned char block[3];
    MemoryOutBuffer out(block, block + 3);
    EXPECT_EQ(out.write("12345", 5), 3);
    EXPECT_EQ(out.bytesWritten(), 3);
    EXPECT_EQ(out.write("6", 1), 0);

    MemoryInBuffer in(block, block + 3);
    in.skip(1);
    char two[4] = {};
    EXPECT_EQ(in.read(two, 4), 2);
    EXPECT_STREQ(two, "23");
    in.skip(10);
    EXPECT_EQ(in.bytesLeft(), 0);
    EXPECT_EQ(in.read(two, 1), 0);
    EXPECT_STREQ(in.name(), "<MemoryInBuffer>");
}

TEST(VectorBuffers, HoldExactlyTheUnreadBytes) {
    VectorInBuffer in("ab");
    EXPECT_EQ(in.bytesLeft(), 3);
    char buffer[10];
    EXPECT_EQ(in.read(buffer, 10), 3);
    EXPECT_EQ(std::memcmp(buffer, "ab", 3), 0);
    EXPECT_EQ(in.bytesLeft(), 0);
    EXPECT_EQ(in.read(buffer, 1), 0);

    VectorInBuffer skipping(bytes({1, 2, 3, 4}));
    skipping.skip(3);
    EXPECT_EQ(skipping.bytesLeft(), 1);
    skipping.skip(5);
    EXPECT_EQ(skipping.bytesLeft(), 0);
}
