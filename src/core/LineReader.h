#pragma once

#include <cstdint>
#include <string>

namespace nimbus {

class InBuffer;

// The lines of a text file, read a chunk at a time, so that a file of any size costs one
// chunk and one line of memory. A line ends at "\n"; a "\r" before it is dropped, and the
// last line need not end. A line longer than kMaxLine bytes is passed over to its end and
// handed out empty, marked too long, so that a reader reports it once and goes on.
class LineReader {
public:
    static constexpr int32_t kMaxLine = 1024;

    explicit LineReader(InBuffer& in) : in_(in) {}
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line into `line`; false once the input is used up.
    bool next(std::string& line);
    // Whether the line last handed out was too long to keep.
    bool tooLong() const { return tooLong_; }
    // The number of the line last handed out, from 1.
    int32_t number() const { return number_; }

private:
    // Refills the chunk; false at the end of the input.
    bool refill();

    static constexpr int32_t kChunk = 4096;

    InBuffer& in_;
    char chunk_[kChunk];
    int32_t at_ = 0;
    int32_t end_ = 0;
    int32_t number_ = 0;
    bool tooLong_ = false;
};

}  // namespace nimbus
