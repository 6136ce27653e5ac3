#include "core/LineReader.h"

#include "core/InBuffer.h"

namespace nimbus {

bool LineReader::refill() {
    at_ = 0;
    end_ = in_.read(chunk_, kChunk);
    return end_ > 0;
}

bool LineReader::next(std::string& line) {
    line.clear();
    tooLong_ = false;
    if (at_ == end_ && !refill()) return false;
    ++number_;
    for (;;) {
        const int32_t start = at_;
        while (at_ < end_ && chunk_[at_] != '\n') ++at_;
        const auto piece = static_cast<size_t>(at_ - start);
        if (!tooLong_ && line.size() + piece > static_cast<size_t>(kMaxLine) + 1) {
            // One byte over the limit is kept for a "\r" that may come before the end.
            tooLong_ = true;
            line.clear();
        }
        if (!tooLong_) line.append(chunk_ + start, piece);
        if (at_ < end_) {
            ++at_;
            break;
        }
        if (!refill()) break;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > static_cast<size_t>(kMaxLine)) {
        tooLong_ = true;
        line.clear();
    }
    return true;
}

}  // namespace nimbus
