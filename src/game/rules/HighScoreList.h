#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nimbus {

class InBuffer;
class OutBuffer;

struct HighScoreEntry {
    std::string name;
    int32_t score = 0;
};

// The best results, highest first; among equal scores the latest added comes first.
// No built-in capacity: the game cuts it with `clamp`. File form: the entry count
// (signed 32-bit), then per entry the name's bytes, a zero byte and the score.
class HighScoreList {
public:
    int size() const { return static_cast<int>(entries_.size()); }
    const HighScoreEntry& operator[](int index) const { return entries_[index]; }
    int newestIndex() const { return newestIndex_; }

    // Inserts above every entry with the same score; returns (and remembers) the index.
    int add(const std::string& name, int32_t score);
    // Drops everything after the first n entries.
    void clamp(int n);
    // Only an empty list gets the six default entries.
    void fillDefaults();
    // From now on no entry counts as just added.
    void forgetNewest() { newestIndex_ = -1; }

    // The same names and scores in the same order; which entry is newest does not count.
    bool sameEntries(const HighScoreList& other) const;

    bool write(OutBuffer& out) const;
    // A count that is negative or larger than the bytes left could hold is a damaged
    // file: reported, and the list is left as it was. The newest index is kept.
    bool read(InBuffer& in);

private:
    std::vector<HighScoreEntry> entries_;
    int newestIndex_ = -1;
};

}  // namespace nimbus
